#include "platform/listpath.h"

#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A list in a folder that does not exist: its volume is the root volume.
const QString kList = QStringLiteral("/lorvanta-nowhere/disc/list.pl");

} // namespace

TEST(ListPaths, ExpandsValuesAsRead)
{
    const TListPaths paths(kList);
    ASSERT_EQ(paths.Folder(), "/lorvanta-nowhere/disc/");
    const QString root = paths.VolumeRoot();
    const struct {
        const char16_t *Value;
        QString Expected;
    } cases[] = {
        {u"", QString()},
        {u"01.mp3", "/lorvanta-nowhere/disc/01.mp3"},
        {u"blue\\first\\01.mp3", "/lorvanta-nowhere/disc/blue/first/01.mp3"},
        {u"blue/first/01.mp3", "/lorvanta-nowhere/disc/blue/first/01.mp3"},
        {u"..\\x.mp3", "/lorvanta-nowhere/x.mp3"},
        {u"a\\..\\.\\b\\\\c.mp3", "/lorvanta-nowhere/disc/b/c.mp3"},
        {u"..\\..\\..\\..\\x.mp3", "/x.mp3"},
        {u"photos\\", "/lorvanta-nowhere/disc/photos/"},
        {u".", "/lorvanta-nowhere/disc"},
        {u"/music/../songs/a.mp3", "/songs/a.mp3"},
        {u"\\music\\a.mp3", root + "music/a.mp3"},
        {u"E:\\x.mp3", "E:\\x.mp3"},
        {u"e:x.mp3", "e:x.mp3"},
        {u"\\\\server\\share\\x.mp3", "\\\\server\\share\\x.mp3"},
        {u"Песни\\01 Утро.mp3", QString::fromUtf16(u"/lorvanta-nowhere/disc/Песни/01 Утро.mp3")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(paths.Expand(QString::fromUtf16(c.Value)), c.Expected)
            << QString::fromUtf16(c.Value).toStdString();
}

TEST(ListPaths, WritesPathsRelativeToTheListFolder)
{
    const TListPaths paths(kList);
    const struct {
        QString Path;
        QString Expected;
    } cases[] = {
        {QString(), QString()},
        {"/lorvanta-nowhere/disc/01.mp3", "01.mp3"},
        {"/lorvanta-nowhere/disc/blue/first/01.mp3", "blue\\first\\01.mp3"},
        {"/lorvanta-nowhere/x.mp3", "..\\x.mp3"},
        {"/lorvanta-nowhere/discs/x.mp3", "..\\discs\\x.mp3"},
        {"/lorvanta-nowhere/dis/x.mp3", "..\\dis\\x.mp3"},
        {"/music/a.mp3", "..\\..\\music\\a.mp3"},
        {"/lorvanta-nowhere/disc", "..\\disc"},
        {"/lorvanta-nowhere/disc/", ".\\"},
        {"/lorvanta-nowhere/disc/photos/", "photos\\"},
        {"E:\\x.mp3", "E:\\x.mp3"},
        {"\\\\server\\x.mp3", "\\\\server\\x.mp3"},
        {"relative.mp3", "relative.mp3"},
        {"/lorvanta-nowhere/Disc/x.mp3", "..\\Disc\\x.mp3"}, // case matters on Linux
        {"/lorvanta-nowhere/disc/c:x.mp3", ".\\c:x.mp3"},      // not a drive letter
    };
    for (const auto &c : cases)
        EXPECT_EQ(paths.Relative(c.Path), c.Expected) << c.Path.toStdString();
}

TEST(ListPaths, WrittenPathsReadBackUnchanged)
{
    const TListPaths paths(kList);
    const QString samples[] = {
        "/lorvanta-nowhere/disc/a/b/c.mp3", "/lorvanta-nowhere/other/c.mp3", "/c.mp3",
        "/lorvanta-nowhere/disc", "/lorvanta-nowhere/disc/", "/lorvanta-nowhere/disc/ph/",
        "E:\\Музыка\\x.mp3", QString::fromUtf16(u"/lorvanta-nowhere/disc/Песни/Утро.mp3"),
        "/lorvanta-nowhere/disc/c:x.mp3",
    };
    for (const QString &path : samples)
        EXPECT_EQ(paths.Expand(paths.Relative(path)), path) << path.toStdString();
}

TEST(ListPaths, PathsOnAnotherVolumeAreWrittenInFull)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TListPaths paths(dir.filePath("list.pl"));
    QString otherRoot;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        QString root = volume.rootPath();
        if (!root.endsWith('/'))
            root += '/';
        if (root != paths.VolumeRoot() && root != "/")
            otherRoot = root;
    }
    if (otherRoot.isEmpty())
        GTEST_SKIP() << "no second volume mounted here";
    const QString path = otherRoot + "song.mp3";
    EXPECT_EQ(paths.Relative(path), path);
    EXPECT_EQ(paths.Expand(paths.Relative(path)), path);
}

TEST(ListPaths, VolumeRootIsTheListVolumeMountPoint)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TListPaths paths(dir.filePath("list.pl"));
    QString expected = QStorageInfo(dir.path()).rootPath();
    if (!expected.endsWith('/'))
        expected += '/';
    EXPECT_EQ(paths.VolumeRoot(), expected);
    EXPECT_EQ(paths.Expand(u"\\x.mp3"), expected + "x.mp3");
}

TEST(ListPaths, RelativeListNamesDoNotDependOnLaterFolderChanges)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent("/");
    const TListPaths paths(QStringLiteral("tmp/list.pl"));
    QDir::setCurrent(before);
    EXPECT_EQ(paths.Folder(), "/tmp/");
    EXPECT_EQ(paths.Expand(u"a.mp3"), "/tmp/a.mp3");
}

TEST(ListPaths, FileNamePartAndFolder)
{
    EXPECT_EQ(FileNamePart("D:\\music\\song.mp3"), "song.mp3");
    EXPECT_EQ(FileNamePart("/music/song.mp3"), "song.mp3");
    EXPECT_EQ(FileNamePart("D:song.mp3"), "song.mp3");
    EXPECT_EQ(FileNamePart("song.mp3"), "song.mp3");
    EXPECT_EQ(FileNamePart("/music/"), "");
    EXPECT_EQ(FolderOf("/a/b/../c/list.pl"), "/a/c/");
    EXPECT_EQ(FolderOf("/list.pl"), "/");
}
