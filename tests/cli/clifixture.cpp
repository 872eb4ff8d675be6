#include "clifixture.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

CliResult CliTest::Run(const QStringList &args, const QString &workDir) const
{
    QProcess process;
    process.setWorkingDirectory(workDir.isEmpty() ? fDir.path() : workDir);
    process.start(QStringLiteral(LORVANTA_LIST_BIN), args);
    EXPECT_TRUE(process.waitForFinished(30000)) << "lorvanta-list did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "lorvanta-list crashed";
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString CliTest::Path(const QString &name) const
{
    return fDir.filePath(name);
}

QString CliTest::Write(const QString &name, const QByteArray &bytes) const
{
    const QString path = Path(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
    return path;
}

QString CliTest::WriteCp1251(const QString &name, const QString &text) const
{
    QString crlf = text;
    crlf.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return Write(name, EncodeCp1251(crlf));
}

QByteArray CliTest::Read(const QString &name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CliTest::InDir(const char *text) const
{
    return QString::fromUtf8(text).replace(QLatin1Char('@'), fDir.path());
}

void ExpectBadInput(const CliResult &result)
{
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith('\n'));
}

void ExpectMisuse(const CliResult &result)
{
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains("\nИспользование: lorvanta-list")) << result.err.toStdString();
}
