// The picture pages in the main window, offscreen: covers with their cache and tree images, the
// window growth, the photo list from its three sources, stepping, the slide show and the jump.
#include "mainffixture.h"

#include "views/albumcoverpage.h"
#include "views/picjumpf.h"
#include "views/pictureactions.h"
#include "views/photospage.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>
#include <QTimerEvent>

namespace {

class PicturePagesTest : public MainFTest {
protected:
    // A BMP picture of the given size at relative.
    QString Picture(const QString &relative, QSize size, QColor color = Qt::red) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    // Starts the window on the list and runs its first activation (the content scan).
    void StartOn(const QString &list)
    {
        Start();
        window->LoadPlaylist(list);
        window->FormActivate();
    }
    QStringList Status() const
    {
        QStringList panels;
        for (QLabel *panel : window->SongPicTS->StatusPanels)
            panels << panel->text();
        return panels;
    }
    void Next() { window->PictureActions->NextPic->trigger(); }
    // One tick of a running timer, without waiting for it.
    static void Tick(QTimer &timer)
    {
        QTimerEvent tick(timer.timerId());
        QCoreApplication::sendEvent(&timer, &tick);
    }
    void Prev() { window->PictureActions->PrevPic->trigger(); }
};

} // namespace

TEST_F(PicturePagesTest, CoverShowsAtNaturalSizeWithItsTreeImageAndIsDecodedOncePerList)
{
    Picture("disc/a.bmp", {40, 30});
    Write("disc/bad.bmp", "not a bitmap");
    const QString list = WriteList(
        "disc/l.pl", {{"X", {{"A", {"a1", "a2"}, "a.bmp"}, {"B", {"b1"}, "bad.bmp"},
                             {"C", {"c1"}, "A.BMP"}}}});
    StartOn(list);
    TAlbumCoverPage &page = *window->AlbumPicTS;
    EXPECT_EQ(page.ShownCoverFile, Path("disc/a.bmp"));
    EXPECT_EQ(page.DeskPic->size(), QSize(40, 30));
    const int images = window->SongsLst->ImageCount();
    EXPECT_EQ(images, 5); // four level images and the cover's thumbnail
    window->PlayControl().SelectSong(1, false);
    EXPECT_EQ(window->CoverCache.Count(), 1) << "same cover: nothing decoded again";

    // An undecodable cover leaves the last one on screen, and is not tried again.
    for (int i = 0; i < 3; ++i) {
        window->PlayControl().SelectSong(2, false);
        EXPECT_EQ(page.ShownCoverFile, Path("disc/bad.bmp"));
        EXPECT_EQ(page.DeskPic->Picture().NaturalSize(), QSize(40, 30));
        window->PlayControl().SelectSong(0, false);
    }
    EXPECT_EQ(window->CoverCache.Count(), 2);
    EXPECT_EQ(window->SongsLst->ImageCount(), images);

    // Another spelling of the same file is another cover name: cached apart, found on disc.
    window->PlayControl().SelectSong(3, false);
    EXPECT_EQ(page.ShownCoverFile, Path("disc/A.BMP"));
    EXPECT_EQ(page.DeskPic->size(), QSize(40, 30));
    EXPECT_EQ(window->SongsLst->ImageCount(), images + 1);
}

TEST_F(PicturePagesTest, ALargeCoverGrowsANormalWindowAndOnlyShowsBarsInAMaximisedOne)
{
    Picture("disc/big.bmp", {2000, 1500});
    Picture("disc/big2.bmp", {1900, 1400});
    const QString list =
        WriteList("disc/l.pl", {{"X", {{"A", {"a1"}, "big.bmp"}, {"B", {"b1"}, "big2.bmp"}}}});
    Start();
    window->show();
    window->LoadPlaylist(list);
    QApplication::processEvents();
    EXPECT_GE(window->width(), 2000 + 8);
    EXPECT_GE(window->height(), 1500 + 8);

    window->resize(900, 600);
    window->setWindowState(Qt::WindowMaximized);
    const QSize before = window->size();
    window->PlayControl().SelectSong(1, false);
    EXPECT_EQ(window->size(), before);
    EXPECT_TRUE(window->AlbumPicTS->ScrollBox1->Bars().Horizontal);
    EXPECT_TRUE(window->AlbumPicTS->ScrollBox1->Bars().Vertical);
    EXPECT_EQ(window->AlbumPicTS->DeskPic->pos(), QPoint(0, 0));
}

TEST_F(PicturePagesTest, PhotoFolderIsScannedAndTheStoredPositionClamped)
{
    for (int i = 0; i < 12; ++i)
        Picture(QString("disc/ph/%1/p%2.bmp").arg(i % 2 ? "b" : "a").arg(i, 2, 10, QChar('0')),
                {8, 8});
    Picture("disc/pics/ignored.bmp", {8, 8});
    Write("disc/pics.txt", "pics\r\n");
    QByteArray text = QByteArray("[Common]\r\nPhotos=PH\r\n[Artist]\r\nName=X\r\nPicPaths=pics.txt\r\n"
                                 "Albums=1\r\n[Album]\r\nName=A\r\nSongs=1\r\n[Song]\r\nTitle=a1\r\n"
                                 "File=a1.mp3\r\n");
    const QString list = Write("disc/l.pl", text);
    Write("disc/a1.mp3", "");
    Start();
    window->LoadPlaylist(list);
    window->Settings.SongPicIdx = 40;
    window->FormActivate();
    ASSERT_EQ(window->PhotoList.size(), 12);
    EXPECT_EQ(window->PhotoList.first(), Path("disc/ph/a/p00.bmp")); // found as "PH"
    EXPECT_EQ(window->PhotoList.last(), Path("disc/ph/b/p11.bmp"));
    EXPECT_TRUE(window->PhotoFolders.isEmpty()) << "the photo folder wins over PicPaths";
    EXPECT_EQ(window->Settings.SongPicIdx, 11);
    EXPECT_TRUE(window->PageVisible(TMainF::SongPicPage));
    EXPECT_EQ(Status(), (QStringList{"12/12", "8x8", Path("disc/ph/b/p11.bmp")}));
}

TEST_F(PicturePagesTest, ArtistPictureFoldersAreScannedWithoutTheirSubfolders)
{
    Picture("disc/f1/one.bmp", {4, 4});
    Picture("disc/f1/deeper/no.bmp", {4, 4});
    Picture("disc/f2/two.bmp", {4, 4});
    Write("disc/pics.txt", "f1\r\nF1\r\nf2\r\n");
    Write("disc/l.pl", "[Common]\r\n[Artist]\r\nName=X\r\nAlbums=1\r\n[Album]\r\nName=A\r\nSongs=1\r\n"
                       "[Song]\r\nTitle=a1\r\nFile=a1.mp3\r\nPicture=own.bmp\r\n"
                       "[Artist]\r\nName=Y\r\nPicPaths=pics.txt\r\nAlbums=0\r\n");
    Write("disc/a1.mp3", "");
    StartOn(Path("disc/l.pl"));
    EXPECT_EQ(window->PhotoFolders, (QStringList{Path("disc/f1/"), Path("disc/f2/")}));
    // The first artist comes before the first picture-folder file: its song's own picture stays.
    EXPECT_EQ(window->PhotoList, (QStringList{Path("disc/own.bmp"), Path("disc/f1/one.bmp"),
                                              Path("disc/f2/two.bmp")}));
}

TEST_F(PicturePagesTest, SteppingSkipsEmptyEntriesAndKeepsTheLastPictureOfABadOne)
{
    // Songs' own photos: entries for songs without one are empty but counted.
    Picture("disc/p1.bmp", {10, 10});
    Picture("disc/p3.bmp", {30, 30});
    Write("disc/p4.bmp", "broken");
    QByteArray text = "[Common]\r\n[Artist]\r\nName=X\r\nAlbums=1\r\n[Album]\r\nName=A\r\nSongs=6\r\n";
    const char *pictures[] = {"p1.bmp", "", "p3.bmp", "p4.bmp", "missing.bmp", ""};
    for (int i = 0; i < 6; ++i) {
        text += QString("[Song]\r\nTitle=s%1\r\nFile=s%1.mp3\r\n").arg(i).toUtf8();
        if (*pictures[i])
            text += QByteArray("Picture=") + pictures[i] + "\r\n";
        Write(QString("disc/s%1.mp3").arg(i), "");
    }
    Write("disc/l.pl", text);
    StartOn(Path("disc/l.pl"));
    ASSERT_EQ(window->PhotoList.size(), 6);
    window->ShowPage(TMainF::SongPicPage);
    EXPECT_EQ(Status(), (QStringList{"1/6", "10x10", Path("disc/p1.bmp")}));
    EXPECT_FALSE(window->PictureActions->PrevPic->isEnabled());

    Next();
    EXPECT_EQ(Status(), (QStringList{"3/6", "30x30", Path("disc/p3.bmp")}));
    EXPECT_EQ(window->SongPicTS->SongPic->size(), QSize(30, 30));
    Next(); // undecodable: the index moves, the picture stays
    EXPECT_EQ(Status(), (QStringList{"4/6", "30x30", Path("disc/p4.bmp")}));
    Next(); // missing: the same
    EXPECT_EQ(Status(), (QStringList{"5/6", "30x30", Path("disc/missing.bmp")}));
    EXPECT_FALSE(window->PictureActions->NextPic->isEnabled());
    Next(); // the action is disabled at the last non-empty entry
    EXPECT_EQ(window->Settings.SongPicIdx, 4);
    Prev();
    Prev();
    EXPECT_EQ(Status(), (QStringList{"3/6", "30x30", Path("disc/p3.bmp")}));

    // Page Down steps only while the photos page is the active one.
    window->ShowPage(TMainF::AlbumPicPage);
    window->SongPicTS->NextSongPicTBClick();
    EXPECT_EQ(window->Settings.SongPicIdx, 2);
}

TEST_F(PicturePagesTest, SlideShowStepsOnItsTimerAndStopsAtTheLastPhoto)
{
    for (int i = 0; i < 3; ++i)
        Picture(QString("disc/ph/p%1.bmp").arg(i), {5 + i, 5});
    Write("disc/l.pl", "[Common]\r\nPhotos=ph\r\n[Artist]\r\nName=X\r\nAlbums=0\r\n");
    StartOn(Path("disc/l.pl"));
    TPhotosPage &page = *window->SongPicTS;
    window->ShowPage(TMainF::SongPicPage);
    page.SetSlideshowInterval(0);
    window->PictureActions->SlideShow->trigger();
    EXPECT_TRUE(window->PictureActions->SlideShow->isChecked());
    EXPECT_FALSE(page.tmSlideShow->isActive()) << "no interval: the show never steps";
    page.SetSlideshowInterval(3000);
    EXPECT_TRUE(page.tmSlideShow->isActive());
    EXPECT_EQ(page.tmSlideShow->interval(), 3000);
    window->ShowPage(TMainF::AlbumPicPage);
    Tick(*page.tmSlideShow); // another page: nothing, the show goes on
    EXPECT_EQ(window->Settings.SongPicIdx, 0);
    EXPECT_TRUE(page.tmSlideShow->isActive());
    window->ShowPage(TMainF::SongPicPage);
    Tick(*page.tmSlideShow);
    EXPECT_EQ(Status()[0], "2/3");
    Tick(*page.tmSlideShow);
    EXPECT_EQ(Status(), (QStringList{"3/3", "7x5", Path("disc/ph/p2.bmp")}));
    EXPECT_FALSE(window->PictureActions->SlideShow->isChecked());
    EXPECT_FALSE(page.tmSlideShow->isActive());
}

TEST_F(PicturePagesTest, JumpDialogChoosesAPhotoAndKeepsItsListInStepWithTheScans)
{
    for (int i = 0; i < 3; ++i)
        Picture(QString("disc/ph/p%1.bmp").arg(i), {5 + i, 5});
    Write("disc/l.pl", "[Common]\r\nPhotos=ph\r\n[Artist]\r\nName=X\r\nAlbums=0\r\n");
    StartOn(Path("disc/l.pl"));
    prompt->AnswerModal(
        [this](QWidget *dialog) {
            auto *jump = qobject_cast<TPicJumpF *>(dialog);
            ASSERT_NE(jump, nullptr);
            EXPECT_EQ(jump->windowTitle(), "Переход к картинке");
            EXPECT_EQ(jump->lbPics->count(), 3);
            EXPECT_EQ(jump->lbPics->currentRow(), 0);
            jump->lbPics->setCurrentRow(2);
        },
        QDialog::Accepted);
    window->PictureActions->JumpToPic->trigger();
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::SongPicPage);
    EXPECT_EQ(Status(), (QStringList{"3/3", "7x5", Path("disc/ph/p2.bmp")}));

    prompt->AnswerModal([](QWidget *dialog) {
        static_cast<TPicJumpF *>(dialog)->lbPics->setCurrentRow(-1);
    }, QDialog::Accepted);
    window->PictureActions->JumpToPic->trigger(); // OK with nothing chosen: nothing changes
    prompt->AnswerModal([](QWidget *dialog) {
        static_cast<TPicJumpF *>(dialog)->lbPics->setCurrentRow(0);
    }, QDialog::Rejected);
    window->PictureActions->JumpToPic->trigger();
    EXPECT_EQ(window->Settings.SongPicIdx, 2);

    Picture("disc/ph/p3.bmp", {9, 9});
    window->RebuildList();
    EXPECT_EQ(window->SongPicTS->PicJumpF->lbPics->count(), 4);
}

TEST_F(PicturePagesTest, KeysSizeThePictureAndAnAlbumNodeShowsItsCoverFromAnyPage)
{
    Picture("disc/a.bmp", {101, 101});
    Picture("disc/b.bmp", {20, 10});
    const QString list =
        WriteList("disc/l.pl", {{"X", {{"A", {"a1"}, "a.bmp"}, {"B", {"b1"}, "b.bmp"}}}});
    StartOn(list);
    QWidget *deskPic = window->AlbumPicTS->DeskPic;
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, "+");
    QApplication::sendEvent(window->SongsLst, &plus);
    EXPECT_EQ(deskPic->size(), QSize(126, 126));
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, "-");
    QApplication::sendEvent(window->SongsLst, &minus);
    EXPECT_EQ(deskPic->size(), QSize(94, 94));
    QKeyEvent slash(QEvent::KeyPress, Qt::Key_Slash, Qt::NoModifier, "/");
    QApplication::sendEvent(window->SongsLst, &slash);
    EXPECT_EQ(deskPic->size(), QSize(101, 101));

    window->ShowPage(TMainF::VolumePage);
    window->SongsLst->setCurrentItem(Node(0, 1));
    emit window->SongsLst->Activated();
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::AlbumPicPage);
    EXPECT_EQ(window->AlbumPicTS->ShownCoverFile, Path("disc/b.bmp"));
    EXPECT_EQ(deskPic->size(), QSize(20, 10));
    EXPECT_NE(Node(0, 1)->icon(0).cacheKey(),
              window->SongsLst->LevelImage(TTreeNode::AlbumNode).cacheKey());
}
