#include "platform/atomicfile.h"
#include "platform/ioerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Read(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(AtomicFile, CreatesAndReplacesFiles)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("list.pl");
    WriteFileAtomically(name, "first");
    EXPECT_EQ(Read(name), "first");
    WriteFileAtomically(name, "second");
    EXPECT_EQ(Read(name), "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.pl"});
}

TEST(AtomicFile, FailureKeepsTheOldTargetAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    // A non-empty folder in the target's place: the final rename must fail.
    const QString target = dir.filePath("list.pl");
    ASSERT_TRUE(QDir().mkpath(target + "/keep"));
    try {
        WriteFileAtomically(target, "data");
        FAIL() << "no error raised";
    } catch (const EIOError &error) {
        EXPECT_TRUE(error.Message().contains("list.pl")) << error.what();
    }
    EXPECT_TRUE(QFileInfo(target + "/keep").isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(AtomicFile, MissingFolderRaisesAnError)
{
    QTemporaryDir dir;
    EXPECT_THROW(WriteFileAtomically(dir.filePath("no/such/list.pl"), "x"), EIOError);
}

TEST(AtomicFile, AbandonedWriterLeavesTheTargetAlone)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("list.pl");
    WriteFileAtomically(name, "old");
    {
        TAtomicFileWriter writer(name);
        writer.Write("partly written");
    }
    EXPECT_EQ(Read(name), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.pl"});
}
