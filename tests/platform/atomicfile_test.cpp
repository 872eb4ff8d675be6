#include "platform/atomicfile.h"
#include "platform/ioerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

struct stat StatOf(const QString &name)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(name).constData(), &info), 0) << name.toStdString();
    return info;
}

// A tmpfs of 64 KB mounted for the test; needs root, as CI has.
class FullDisk {
public:
    FullDisk()
    {
        if (::geteuid() == 0)
            Mounted = std::system(("mount -t tmpfs -o size=64k tmpfs " + Dir.path().toStdString()).c_str()) == 0;
    }
    ~FullDisk()
    {
        if (Mounted)
            std::system(("umount " + Dir.path().toStdString()).c_str());
    }
    QTemporaryDir Dir;
    bool Mounted = false;
};

} // namespace

TEST(AtomicFile, OnlyRegularFilesAreReplaced)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("f.m3u");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &target : {fifo, dir.path(), QStringLiteral("/dev/null")}) {
        try {
            WriteFileAtomically(target, "data");
            FAIL() << target.toStdString() << " was replaced";
        } catch (const EIOError &error) {
            EXPECT_TRUE(error.Message().contains("не обычный файл")) << error.what();
        }
    }
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));
    EXPECT_TRUE(S_ISCHR(StatOf("/dev/null").st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"f.m3u"});
}

TEST(AtomicFile, ReplacementKeepsModeOwnerAndSymbolicLinks)
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real.pl");
    WriteFileAtomically(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(real).constData(), 1234, 5678), 0);
    }
    const QString link = dir.filePath("link.pl");
    ASSERT_TRUE(QFile::link(real, link));

    WriteFileAtomically(link, "new");
    EXPECT_EQ(Read(real), "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const struct stat info = StatOf(real);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 1234u);
        EXPECT_EQ(info.st_gid, 5678u);
    }
}

TEST(AtomicFile, ADiskThatFillsDuringTheWriteIsReportedAsSuchAndTheOldFileStays)
{
    FullDisk disk;
    if (!disk.Mounted)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString name = disk.Dir.filePath("list.pl");
    WriteFileAtomically(name, "old list");
    try {
        WriteFileAtomically(name, QByteArray(256 * 1024, 'x'));
        FAIL() << "no error raised";
    } catch (const EIOError &error) {
        EXPECT_TRUE(error.Message().contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << error.what();
    }
    EXPECT_EQ(Read(name), "old list");
    EXPECT_EQ(QDir(disk.Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.pl"});
}

TEST(FileInPlace, WritesThroughFifosAndDevicesAndReportsTheirFailures)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("state");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_THROW(WriteFileInPlace(fifo, "nobody reads"), EIOError) << "never waits for a reader";

    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    WriteFileInPlace(fifo, "caption");
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "caption");
    ::close(reader);
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));

    try {
        WriteFileInPlace("/dev/full", "caption");
        FAIL() << "no error raised";
    } catch (const EIOError &error) {
        EXPECT_TRUE(error.Message().contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << error.what();
    }
    EXPECT_TRUE(S_ISCHR(StatOf("/dev/full").st_mode));
}
