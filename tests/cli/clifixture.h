#pragma once
// Runs the built lorvanta-list on files made in a temporary folder.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class CliTest : public ::testing::Test {
protected:
    // Runs lorvanta-list with args in workDir (the temporary folder when empty).
    CliResult Run(const QStringList &args, const QString &workDir = {}) const;

    // A path inside the temporary folder.
    QString Path(const QString &name) const;
    // Writes bytes to name inside the temporary folder (folders made as needed); returns the path.
    QString Write(const QString &name, const QByteArray &bytes) const;
    // Writes UTF-8 text as Windows-1251, "\n" turned into CR LF.
    QString WriteCp1251(const QString &name, const QString &text) const;
    QByteArray Read(const QString &name) const;

    // Text with every "@" replaced by the temporary folder's path.
    QString InDir(const char *text) const;

    QTemporaryDir fDir;
};

// Checks a failure the way lorvanta-list reports bad input: status 1, nothing on standard
// output, exactly one line on standard error.
void ExpectBadInput(const CliResult &result);

// Checks a misused command line: status 2, nothing on standard output, the usage on standard
// error.
void ExpectMisuse(const CliResult &result);
