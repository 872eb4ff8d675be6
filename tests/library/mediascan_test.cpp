// The clip list's source on disc: clip files by extension and the clip scan's order, over
// folders made in a temporary directory.
#include "library/mediascan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IsClipFileTest, ExtensionsInAnyLetterCase)
{
    const std::pair<const char *, bool> cases[] = {
        {"x.AVI", true},  {"x.mpg", true},   {"x.Wmv", true},   {"x.MOV", true},
        {"x.asf", true},  {"a.b.avi", true}, {"x.mpeg", false}, {"x.mp4", false},
        {"x.mkv", false}, {"x.jpg", false},  {"avi", false},    {"x.avi.txt", false},
        {"", false}};
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(IsClipFile(QString::fromUtf8(name)), expected) << name;
}

TEST(ClipScanTest, ClipsOfSubfoldersDepthFirstPrecedeTheFoldersOwn)
{
    QTemporaryDir dir;
    const QString v = dir.path() + "/V/";
    for (const char *file :
         {"a.avi", "s/b.mpg", "x.mpeg", "x.mp4", "s/t/c.WMV", "S2/d.mov", "photo.jpg", "B.asf"}) {
        QDir().mkpath(QFileInfo(v + file).path());
        QFile(v + file).open(QIODevice::WriteOnly);
    }
    QStringList clips{"kept"}, reported;
    ScanClipFolder(dir.path() + "/V", clips, [&](const QString &folder) { reported << folder; });
    EXPECT_EQ(clips, (QStringList{"kept", v + "s/t/c.WMV", v + "s/b.mpg", v + "S2/d.mov",
                                  v + "a.avi", v + "B.asf"}));
    EXPECT_EQ(reported, (QStringList{dir.path() + "/V", v + "s/", v + "s/t/", v + "S2/"}));
}
