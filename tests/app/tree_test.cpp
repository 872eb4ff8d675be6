// The rebuild: tree, play list, node captions, pages; and the tree's own commands.

#include "mainffixture.h"

#include "app/nodecaptions.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>
#include <QTabWidget>

TEST_F(MainFTest, RebuildMakesThreeLevelsAndAPlayListInTreeOrder)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    ASSERT_EQ(window->SongsLst->topLevelItemCount(), 2);
    EXPECT_EQ(Node(0)->text(0), "Blue");
    EXPECT_EQ(Node(0, 1)->text(0), "Second");
    EXPECT_EQ(Node(1, 0, 1)->text(0), "f");
    EXPECT_EQ(SongTitles(), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(window->ExpandedSongs[5].Node, dynamic_cast<TSongNode *>(Node(1, 0, 1)));
    EXPECT_EQ(window->ExpandedSongs[3].Node, dynamic_cast<TSongNode *>(Node(0, 1, 0)));
    EXPECT_EQ(TSongsTree::Level(Node(1, 0, 1)), 2);
    // PlayOnRun: the first song is current and playing, its node selected.
    EXPECT_EQ(window->SongsLst->Selected(), Node(0, 0, 0));
    EXPECT_EQ(window->MP3Player().PlayerMode(), 3);
}

TEST_F(MainFTest, RebuildIsRefusedWhileTheContentScanIsPending)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    EXPECT_TRUE(window->Rebuilding); // not yet activated
    window->Artists.Clear();
    window->RebuildList();
    EXPECT_EQ(window->ExpandedSongs.Count(), 6);
    window->FormActivate();
    EXPECT_FALSE(window->Rebuilding);
    EXPECT_TRUE(window->Activated);
    window->RebuildList();
    EXPECT_EQ(window->ExpandedSongs.Count(), 0);
    EXPECT_FALSE(window->Rebuilding); // the scan ran at once
}

TEST_F(MainFTest, RebuildStopsTheSongAndSelectsTheRememberedOne)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    window->FormActivate();
    window->Settings.PlayOnRun = false;
    window->PlayControl().SongIndex = 4;
    window->RebuildList();
    EXPECT_EQ(window->SongsLst->Selected(), Node(1, 0, 0));
    EXPECT_NE(window->MP3Player().PlayerMode(), 3);
}

TEST_F(MainFTest, PagesAreOfferedByWhatTheListNames)
{
    WriteList("prog/Rock.pl",
              {{"Blue", {{"First", {"a"}, "cover.jpg", "review.txt"}}, "history.txt"},
               {"Green", {{"Only", {"b"}}}}},
              "HTML=html/index.htm\r\n");
    Start();
    const QTabWidget *pages = window->PageControl1;
    EXPECT_EQ(pages->count(), 9);
    EXPECT_EQ(pages->tabText(TMainF::VolumePage), "Громкость");
    EXPECT_EQ(pages->widget(TMainF::RetsPage)->objectName(), "RetsTS");
    EXPECT_TRUE(window->PageVisible(TMainF::AlbumPicPage));
    EXPECT_TRUE(window->PageVisible(TMainF::RetsPage));
    EXPECT_TRUE(window->PageVisible(TMainF::HistoryPage));
    EXPECT_TRUE(window->PageVisible(TMainF::HTMLPage));
    EXPECT_FALSE(window->PageVisible(TMainF::SongTextPage));
    EXPECT_FALSE(window->ViewItem(TMainF::SongTextPage)->isEnabled());
    EXPECT_TRUE(window->ActionNamed("miViewHTML")->isEnabled());
    EXPECT_TRUE(window->PageVisible(TMainF::VolumePage));

    window->FormActivate();
    EXPECT_FALSE(window->PageVisible(TMainF::SongPicPage)); // no song has a photo
    EXPECT_FALSE(window->PageVisible(TMainF::ClipsPage));
    EXPECT_EQ(pages->currentIndex(), TMainF::AlbumPicPage);
    EXPECT_TRUE(window->ViewItem(TMainF::AlbumPicPage)->isChecked());
}

TEST_F(MainFTest, ViewItemsShowTheirPagesAsOneRadioGroup)
{
    Start();
    window->ViewItem(TMainF::VolumePage)->trigger();
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::VolumePage);
    EXPECT_TRUE(window->ViewItem(TMainF::VolumePage)->isChecked());
    EXPECT_FALSE(window->ViewItem(TMainF::AlbumPicPage)->isChecked());
}

TEST_F(MainFTest, NodeCaptionsFollowTheirFormats)
{
    WriteStandardList("prog/Rock.pl");
    WriteSettings(AllSettings({"\"ArtistFormat\"=\"%n-%I%\"", "\"AlbumFormat\"=\"%I/%A %S\"",
                               "\"SongFormat\"=\"%N. %S %X\""}));
    Start();
    EXPECT_EQ(Node(1)->text(0), "2-Green%");
    EXPECT_EQ(Node(0, 1)->text(0), "Blue/Second %S");
    EXPECT_EQ(Node(0, 0, 2)->text(0), "03. c %X");
}

TEST(NodeCaptionTest, LettersByLevel)
{
    TArtistColl artists;
    TArtistItem &artist = artists.Add();
    artist.Name = "Blue";
    TAlbItem &album = artist.Albums.Add();
    album.Name = "First";
    album.Year = "1999";
    TSongItem &song = album.Songs.Add();
    song.Title = "Morning";
    song.File = "/d/01.mp3";
    song.Comment = "live";
    const TNodeSubject songNode{&artist, &album, &song, 9};
    EXPECT_EQ(NodeCaption("%N|%n|%t|%i|%a|%y|%s|%f|%c", songNode),
              "10|10|Lorvanta 2.0|Blue|First|1999|Morning|/d/01.mp3|live");
    EXPECT_EQ(NodeCaption("%N %A %Y %S", {&artist, nullptr, nullptr, 0}), "01 %A %Y %S");
    EXPECT_EQ(NodeCaption("%Y %S %F %C %%", {&artist, &album, nullptr, 2}), "1999 %S %F %C %%");
}

TEST_F(MainFTest, PopupOffersBranchCommandsOnArtistAndAlbumNodesOnly)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    QAction *collapse = window->ActionNamed("CloseTreePMI");
    QAction *expand = window->ActionNamed("ExpandPMI");
    for (QTreeWidgetItem *node : {Node(0), Node(0, 1)}) {
        window->SongsLst->setCurrentItem(node);
        window->PopupMenu1Popup();
        EXPECT_TRUE(collapse->isEnabled());
        EXPECT_TRUE(expand->isEnabled());
    }
    window->SongsLst->setCurrentItem(Node(0, 0, 1));
    window->PopupMenu1Popup();
    EXPECT_FALSE(collapse->isEnabled());
    window->SongsLst->clearSelection();
    window->PopupMenu1Popup();
    EXPECT_FALSE(expand->isEnabled());
    expand->trigger(); // no selected node: nothing happens
}

TEST_F(MainFTest, ExpandAndCollapseReachEveryNodeBelow)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    window->SongsLst->collapseAll();
    window->SongsLst->setCurrentItem(Node(0));
    window->ExpandPMIClick();
    EXPECT_TRUE(Node(0)->isExpanded());
    EXPECT_TRUE(Node(0, 1)->isExpanded());
    EXPECT_FALSE(Node(1)->isExpanded());
    window->CloseTreePMIClick();
    EXPECT_FALSE(Node(0)->isExpanded());
    EXPECT_FALSE(Node(0, 0)->isExpanded());
}

TEST_F(MainFTest, EnterReleasedOnTheTreeActivatesTheSelectedSong)
{
    WriteStandardList("prog/Rock.pl");
    WriteSettings(AllSettings({"\"PlayOnRun\"=dword:00000000"}));
    Start();
    window->FormActivate();
    window->SongsLst->setCurrentItem(Node(1, 0, 0));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(window->SongsLst, &release);
    EXPECT_EQ(SongIndex(), 4);
    EXPECT_EQ(window->MP3Player().PlayerMode(), 3);
}

TEST_F(MainFTest, TreeActivationWaitsForTheContentScan)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    window->SongsLst->setCurrentItem(Node(1, 0, 0));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Enter, Qt::NoModifier);
    QCoreApplication::sendEvent(window->SongsLst, &release);
    EXPECT_EQ(SongIndex(), 0);
}

TEST_F(MainFTest, RightClickSelectsTheNodeUnderTheMouse)
{
    WriteStandardList("prog/Rock.pl");
    Start();
    window->show();
    window->SongsLst->expandAll();
    QCoreApplication::processEvents();
    const QPoint at = window->SongsLst->visualItemRect(Node(1)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, window->SongsLst->viewport()->mapToGlobal(at),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->SongsLst->viewport(), &press);
    EXPECT_EQ(window->SongsLst->Selected(), Node(1));
}

TEST_F(MainFTest, SliderIsAsWideAsThePlayerBar)
{
    Start();
    window->show();
    for (int width : {640, 900}) {
        window->resize(width, 500);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->PlayControl().Slider->width(), window->ControlBar1->width());
    }
}

TEST_F(MainFTest, LongCaptionsScrollSidewaysInsteadOfBeingCut)
{
    const QString longTitle = QString("Очень длинное название песни ").repeated(6);
    std::vector<TTestAlbum> albums{{"Album", {"short"}}};
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QString("s%1").arg(i);
    many << longTitle.trimmed();
    albums.emplace_back("Big", many);
    WriteList("prog/Rock.pl", {{"Artist", albums}});
    Start();
    window->resize(600, 400);
    window->show();
    QTreeWidgetItem *last = Node(0, 1, 300);
    window->SongsLst->expandAll();
    window->SongsLst->scrollToItem(last);
    QCoreApplication::processEvents();
    const int textWidth = window->SongsLst->fontMetrics().horizontalAdvance(last->text(0));
    EXPECT_GT(window->SongsLst->header()->sectionSize(0), textWidth) << "the whole caption fits its column";
    EXPECT_GT(window->SongsLst->horizontalScrollBar()->maximum(), 0);
}
