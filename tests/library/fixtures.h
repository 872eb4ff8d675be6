#pragma once
// Helpers shared by the library tests: files in a temporary folder and a library printed as
// one comparable text.

#include "library/model.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

QByteArray ReadBytes(const QString &fileName);
void WriteBytes(const QString &fileName, const QByteArray &bytes);

// Every field of every item, one line per item, for equality checks with readable failures.
QString Describe(const TArtistColl &artists);

// A temporary folder whose paths the tests name relative to it.
class TTempFolder {
public:
    TTempFolder();
    QString Path(const QString &relative = QString()) const;
    // Creates the file (and its folders) with the given content; returns its path.
    QString Write(const QString &relative, const QByteArray &bytes = QByteArray()) const;

private:
    QTemporaryDir fDir;
};
