// Finding the disc beside the program.

#include "app/discstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DiscStartTest, DiscFileIsTheProgramNameCutAtItsFirstDot)
{
    EXPECT_EQ(DiscFileName("/cd/lorvanta.exe"), "/cd/lorvanta");
    EXPECT_EQ(DiscFileName("/cd/lorvanta.2.0.bin"), "/cd/lorvanta");
    EXPECT_EQ(DiscFileName("/cd/lorvanta"), "/cd/lorvanta.ini");
}

TEST(DiscStartTest, FirstOwnListByNameAndAnEmptyIdentifierCountsAsNone)
{
    QTemporaryDir dir;
    for (const char *name : {"b.pl", "a.x.pl", "notes.txt"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    QDir().mkpath(dir.filePath("0.pl")); // a folder is no list
    TDiscList disc = FindDiscList(dir.filePath("lorvanta"));
    EXPECT_EQ(disc.ListFile, dir.path() + "/a.x.pl");
    EXPECT_EQ(disc.DiskID, "a");

    QTemporaryDir hidden;
    QFile(hidden.filePath(".pl")).open(QIODevice::WriteOnly);
    disc = FindDiscList(hidden.filePath("lorvanta"));
    EXPECT_EQ(disc.ListFile, hidden.path() + "/.pl");
    EXPECT_EQ(disc.DiskID, "NoID");
}

TEST(DiscStartTest, DiscFileWithAnEmptyIdentifier)
{
    QTemporaryDir dir;
    QFile ini(dir.filePath("lorvanta.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[lorvanta]\ndiskid=\nplaylist=sub/x.pl\n");
    ini.close();
    const TDiscList disc = FindDiscList(dir.filePath("lorvanta"));
    EXPECT_EQ(disc.DiskID, "NoID");
    EXPECT_EQ(disc.ListFile, dir.path() + "/sub/x.pl");
}

TEST(DiscStartTest, TemporaryFolderIsNoOpticalDisc)
{
    QTemporaryDir dir;
    EXPECT_FALSE(IsOnOpticalDisc(dir.path()));
}

TEST(DiscStartTest, ProgramStartedThroughALinkBelongsToTheLinksFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationFilePath(), dir.filePath("lorvanta")));
    EXPECT_EQ(InvokedProgramFile(dir.filePath("lorvanta")), dir.path() + "/lorvanta");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(InvokedProgramFile("./lorvanta"), dir.path() + "/lorvanta");
    QDir::setCurrent(previous);
    EXPECT_EQ(InvokedProgramFile("lorvanta"), QCoreApplication::applicationFilePath());
}
