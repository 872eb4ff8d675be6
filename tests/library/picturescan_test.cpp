// The photo list's sources: picture files by extension, the folder scan's order, and the
// artists' picture-folder files, over folders made in a temporary directory.
#include "library/picturescan.h"
#include "platform/listpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PictureScanTest : public testing::Test {
protected:
    QString Path(const QString &relative) const { return fDir.path() + '/' + relative; }
    QString Touch(const QString &relative, const QByteArray &bytes = {}) const
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QStringList Scan(const QString &folder, bool descend, QStringList *reported = nullptr) const
    {
        QStringList photos;
        ScanPictureFolder(folder, descend, photos, [&](const QString &f) {
            if (reported)
                *reported << f;
        });
        return photos;
    }

    QTemporaryDir fDir;
};

} // namespace

TEST(IsPictureFileTest, ExtensionsInAnyLetterCase)
{
    const std::pair<const char *, bool> cases[] = {
        {"x.Jpeg", true}, {"x.DIB", true},  {"x.emf", true},   {"x.bmp", true},
        {"x.JPG", true},  {"x.gif", true},  {"X.WMF", true},   {"a.b.jpeg", true},
        {"x.jpe", false}, {"x.png", false}, {"x.tif", false},  {"x.ico", false},
        {"jpg", false},   {"x.jpg.txt", false}, {"", false}};
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(IsPictureFile(QString::fromUtf8(name)), expected) << name;
}

TEST_F(PictureScanTest, SubfoldersDepthFirstBeforeTheFoldersOwnPicturesEachSorted)
{
    for (const char *file : {"Ph/b.JPG", "Ph/a.bmp", "Ph/c.txt", "Ph/x/z.gif", "Ph/x/y/w.emf",
                             "Ph/B2/q.wmf", "Ph/x/A.dib"})
        Touch(file);
    QStringList reported;
    const QString ph = Path("Ph/");
    EXPECT_EQ(Scan(Path("Ph"), true, &reported),
              (QStringList{ph + "B2/q.wmf", ph + "x/y/w.emf", ph + "x/A.dib", ph + "x/z.gif",
                           ph + "a.bmp", ph + "b.JPG"}));
    EXPECT_EQ(reported, (QStringList{Path("Ph"), ph + "B2/", ph + "x/", ph + "x/y/"}));
    EXPECT_EQ(Scan(ph, false), (QStringList{ph + "a.bmp", ph + "b.JPG"}));
}

TEST_F(PictureScanTest, FolderInAnotherLetterCaseIsFoundAndAMissingOneAddsNothing)
{
    Touch("Disc/Photos/p.jpg");
    EXPECT_EQ(Scan(Path("disc/PHOTOS"), true), QStringList{Path("Disc/Photos/p.jpg")});
    EXPECT_TRUE(Scan(Path("nowhere"), true).isEmpty());
    EXPECT_TRUE(Scan(Path("Disc/Photos/p.jpg"), true).isEmpty()); // a file is no folder
}

TEST_F(PictureScanTest, ALinkBackIntoTheTreeIsNotFollowedRoundAgain)
{
    Touch("Loop/a.jpg");
    Touch("Loop/sub/b.jpg");
    ASSERT_TRUE(QFile::link(Path("Loop"), Path("Loop/sub/back")));
    EXPECT_EQ(Scan(Path("Loop"), true),
              (QStringList{Path("Loop/sub/b.jpg"), Path("Loop/a.jpg")}));
}

TEST_F(PictureScanTest, PictureFolderFileLinesAsFolders)
{
    const QString list = Touch("Disc/a.txt", "Photos\r\n\\Pics\r\nE:\\More\r\n\r\nphotos\\\r\n"
                                             "/abs/dir/\r\n");
    QStringList folders{Path("Disc/Earlier/")};
    ReadPictureFolderFile(list, folders);
    const QString root = TListPaths(list).VolumeRoot();
    EXPECT_EQ(folders, (QStringList{Path("Disc/Earlier/"), Path("Disc/Photos/"), root + "Pics/",
                                    "E:\\More\\", "/abs/dir/"}));
}

TEST_F(PictureScanTest, ArtistsWithoutAnExistingPictureFolderFileAddNothing)
{
    Touch("Disc/one.txt", "f1\r\nshared\r\n");
    Touch("Disc/TWO.TXT", "SHARED\r\nf2\r\n");
    TArtistColl artists;
    artists.Add().PicPaths = Path("Disc/one.txt");
    artists.Add().PicPaths = Path("Disc/missing.txt");
    artists.Add();
    artists.Add().PicPaths = Path("Disc/two.txt"); // found without regard to letter case
    QStringList folders;
    CollectArtistPhotoFolders(artists, folders);
    EXPECT_EQ(folders, (QStringList{Path("Disc/f1/"), Path("Disc/shared/"), Path("Disc/f2/")}));
}

TEST(HasPhotosTest, OnlyNonEmptyEntriesCount)
{
    EXPECT_FALSE(HasPhotos({}));
    EXPECT_FALSE(HasPhotos({"", ""}));
    EXPECT_TRUE(HasPhotos({"", "/a.jpg", ""}));
}
