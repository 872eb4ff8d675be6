#include "platform/filefinder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FileFinder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        ClearFileFinderCache();
        Touch("Music/Album One/Song.MP3");
    }

    QString Path(const QString &relative) const { return fDir.filePath(relative); }

    void Touch(const QString &relative)
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir fDir;
};

} // namespace

TEST_F(FileFinder, FindsPathAsWritten)
{
    EXPECT_EQ(FindExistingFile(Path("Music/Album One/Song.MP3")), Path("Music/Album One/Song.MP3"));
    EXPECT_EQ(FindExistingFile(Path("Music")), Path("Music"));
}

TEST_F(FileFinder, FindsPathWithOtherLetterCaseFolderByFolder)
{
    EXPECT_EQ(FindExistingFile(Path("MUSIC/album one/song.mp3")), Path("Music/Album One/Song.MP3"));
    EXPECT_EQ(FindExistingFile(Path("music/./Album One/../ALBUM ONE/Song.mp3")),
              Path("Music/Album One/Song.MP3"));
    EXPECT_TRUE(ExistingFile(Path("music/ALBUM ONE/SONG.MP3")));
}

TEST_F(FileFinder, MissingPathsAreNotFound)
{
    EXPECT_EQ(FindExistingFile(Path("Music/Album Two/Song.MP3")), QString());
    EXPECT_EQ(FindExistingFile(Path("Music/Album One/Other.mp3")), QString());
    EXPECT_EQ(FindExistingFile(QString()), QString());
    EXPECT_EQ(FindExistingFile("E:\\Music\\Song.mp3"), QString());
    EXPECT_FALSE(ExistingFile(Path("nothing")));
}

TEST_F(FileFinder, SeesFilesAddedAfterAFolderWasListed)
{
    EXPECT_EQ(FindExistingFile(Path("music/album one/new.mp3")), QString());
    Touch("Music/Album One/New.mp3");
    EXPECT_EQ(FindExistingFile(Path("music/album one/new.mp3")), Path("Music/Album One/New.mp3"));
}

TEST_F(FileFinder, RelativePathsUseTheCurrentFolder)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(Path("Music"));
    const QString found = FindExistingFile("album one/song.mp3");
    QDir::setCurrent(before);
    EXPECT_EQ(found, Path("Music/Album One/Song.MP3"));
}
