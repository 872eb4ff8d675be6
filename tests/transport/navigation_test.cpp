// Next and Previous in list order, repeat, the after-end choices, album jumps and the tree's
// activation.

#include "transportfixture.h"

#include <QMenu>
#include <QStyleOptionMenuItem>

namespace {

class NavigationTest : public TransportTest {};

TEST_F(NavigationTest, NextWhilePlayingPlaysTheNextSongAndWhileStoppedOnlyMakesItCurrent)
{
    Build({{3}});
    PlayFrom(0);
    control->NextTBClick();
    EXPECT_EQ(control->SongIndex, 1);
    EXPECT_TRUE(Playing());
    control->StopTBClick();
    control->NextTBClick();
    EXPECT_EQ(control->SongIndex, 2);
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(control->PlayTB->isChecked());
}

TEST_F(NavigationTest, NextOnTheLastSongWithoutRepeatLeavesTheFirstSongCurrentAndStopped)
{
    Build({{3}});
    PlayFrom(2);
    EndSong();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_FALSE(Playing());
    EXPECT_EQ(Panel(7), settings.StoppedStr);
}

TEST_F(NavigationTest, NextOnTheLastSongWithRepeatPlaysTheFirst)
{
    Build({{3}});
    control->RepeatTB->setChecked(true);
    PlayFrom(2);
    EndSong();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(Playing());
}

TEST_F(NavigationTest, PreviousStepsBackAndWrapsOnlyWithRepeat)
{
    Build({{3}});
    PlayFrom(1);
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 0);
    fakempegdll::ClearCalls();
    control->PrevTBClick(); // at the first song, without repeat: nothing at all
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(fakempegdll::Calls().empty());
    control->RepeatTB->setChecked(true);
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 2);
    EXPECT_TRUE(Playing());
}

TEST_F(NavigationTest, AStoredPositionPastTheListEndCountsAsTheLastSong)
{
    Build({{3}});
    control->SongIndex = 17;
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 2);
    control->SongIndex = -4;
    control->NextTBClick();
    EXPECT_EQ(control->SongIndex, 0);
}

TEST_F(NavigationTest, WithAnEmptyListTheCommandsOnlyChangeSwitches)
{
    Build({});
    control->ExitAfterEndExecute();
    control->NextTBClick();
    control->PrevTBClick();
    control->NextAlbMIClick();
    control->ShuffleTB->setChecked(true);
    control->ShuffleTBClick();
    control->NextTBClick();
    control->RepeatTB->setChecked(true);
    control->RepeatTBClick();
    control->NextTBClick();
    control->PrevTBClick();
    EXPECT_TRUE(control->ShuffleMI->isChecked());
    EXPECT_TRUE(control->NonStopMI->isChecked());
    EXPECT_FALSE(host.Logged("close"));
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_EQ(host.Caption, QString());
}

TEST_F(NavigationTest, StopAfterEndMakesTheNextSongCurrentStoppedAndDisarms)
{
    Build({{3}});
    PlayFrom(0);
    control->StopAfterEndExecute();
    EXPECT_TRUE(control->AfterEndPending);
    EXPECT_EQ(Panel(7), settings.PlayingStr + "*");
    EndSong();
    EXPECT_EQ(control->SongIndex, 1);
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(control->AfterEndPending);
    EXPECT_FALSE(control->StopAfterEnd->isChecked());
    EXPECT_FALSE(control->N20->isChecked());
    EXPECT_EQ(Panel(7), settings.StoppedStr);
    EXPECT_FALSE(host.Logged("close"));
}

TEST_F(NavigationTest, ExitAfterEndClosesTheWindowAfterMakingTheNextSongCurrent)
{
    Build({{3}});
    PlayFrom(0);
    control->ExitAfterEndExecute();
    EXPECT_EQ(Panel(7), settings.PlayingStr + "^");
    control->NextTBClick(); // Next by hand fires the choice as well
    EXPECT_EQ(control->SongIndex, 1);
    EXPECT_FALSE(Playing());
    EXPECT_EQ(host.Log.last(), "close");
    EXPECT_FALSE(control->ExitAfterEnd->isChecked());
}

TEST_F(NavigationTest, AnArmedChoiceSurvivesTheEndOfTheListWithoutRepeat)
{
    Build({{2}});
    PlayFrom(1);
    control->StopAfterEndExecute();
    EndSong();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_FALSE(Playing());
    EXPECT_TRUE(control->AfterEndPending);
    EXPECT_TRUE(control->StopAfterEnd->isChecked());
    EXPECT_EQ(Panel(7), settings.StoppedStr + "*"); // every refresh marks an armed choice
}

TEST_F(NavigationTest, TheTwoAfterEndChoicesExcludeEachOtherAndUnmark)
{
    Build({{2}});
    PlayFrom(0);
    control->StopAfterEndExecute();
    control->ExitAfterEndExecute();
    EXPECT_FALSE(control->StopAfterEnd->isChecked());
    EXPECT_TRUE(control->ExitAfterEnd->isChecked());
    EXPECT_TRUE(control->AfterEndPending);
    control->ExitAfterEndExecute();
    EXPECT_FALSE(control->AfterEndPending);
    control->StopAfterEndExecute();
    control->StopAfterEndExecute();
    EXPECT_EQ(Panel(7), settings.PlayingStr);
    control->StopAfterEnd->trigger(); // the key: one toggle, not two
    EXPECT_TRUE(control->StopAfterEnd->isChecked());
    EXPECT_TRUE(control->N20->isChecked());

    // The menu items: radio items of one choice that may also be left empty.
    struct TMenu : QMenu {
        using QMenu::initStyleOption;
    } menu;
    menu.addActions({control->N20, control->ExitAfterEnd});
    control->ExitAfterEnd->trigger();
    EXPECT_FALSE(control->N20->isChecked());
    EXPECT_FALSE(control->StopAfterEnd->isChecked());
    control->ExitAfterEnd->trigger();
    EXPECT_FALSE(control->ExitAfterEnd->isChecked());
    control->N20->trigger();
    EXPECT_TRUE(control->StopAfterEnd->isChecked() && control->N20->isChecked());
    for (QAction *item : {control->N20, control->ExitAfterEnd}) {
        QStyleOptionMenuItem look;
        menu.initStyleOption(&look, item);
        EXPECT_EQ(look.checkType, QStyleOptionMenuItem::Exclusive) << item->text().toStdString();
    }
}

TEST_F(NavigationTest, ARebuildDisarmsTheChoicesAndEndsADrag)
{
    Build({{2}});
    control->ExitAfterEndExecute();
    control->SeekTracking = true;
    control->BeginRebuild();
    EXPECT_FALSE(control->AfterEndPending);
    EXPECT_FALSE(control->ExitAfterEnd->isChecked());
    EXPECT_FALSE(control->SeekTracking);
}

// Artist 0 has albums of 2, 0 and 1 songs; artist 1 one album of 2.
class AlbumJumpTest : public NavigationTest {
protected:
    void SetUp() override
    {
        NavigationTest::SetUp();
        Build({{2, 0, 1}, {2}});
    }
};

TEST_F(AlbumJumpTest, FromAnAlbumNodeNextAlbumPlaysTheFirstSongOfTheAlbumDirectlyAfter)
{
    SelectNode(Node(0, 0));
    control->NextAlbMIClick(); // album 1 has no songs: the selection stays, the album activates
    EXPECT_EQ(tree.currentItem(), Node(0, 0));
    EXPECT_EQ(host.Log.last(), "album 0.0");
    SelectNode(Node(0, 1));
    control->NextAlbMIClick();
    EXPECT_EQ(control->SongIndex, 2);
    EXPECT_TRUE(Playing());
}

TEST_F(AlbumJumpTest, FromASongNodeAlbumJumpsStayWithTheArtist)
{
    PlayFrom(1);
    control->NextAlbMIClick(); // next album is empty: nothing moves
    EXPECT_EQ(control->SongIndex, 1);
    PlayFrom(2);
    control->NextAlbMIClick(); // last album of artist 0: no move to artist 1
    EXPECT_EQ(control->SongIndex, 2);
    control->PrevAlbMIClick(); // the album before is empty
    EXPECT_EQ(control->SongIndex, 2);
    PlayFrom(4);
    control->PrevAlbMIClick(); // first album: no wrap
    EXPECT_EQ(control->SongIndex, 4);
}

TEST_F(AlbumJumpTest, PreviousAlbumFromAnAlbumNodeAndTheShuffleWrapOfNextAlbum)
{
    SelectNode(Node(0, 2));
    control->PrevAlbMIClick();
    EXPECT_EQ(tree.currentItem(), Node(0, 2));
    SelectNode(Node(1, 0));
    control->NextAlbMIClick(); // no later album, shuffle off: the album only activates
    EXPECT_EQ(host.Log.last(), "album 1.0");
    PlayFrom(3);
    control->ShuffleTB->setChecked(true);
    SelectNode(Node(0, 2));
    control->NextAlbMIClick(); // in shuffle mode past the last album to the first
    EXPECT_EQ(control->SongIndex, 0);
}

TEST_F(AlbumJumpTest, ArtistNodesAndNoSelectionMoveNothing)
{
    SelectNode(Node(1));
    control->NextAlbMIClick();
    tree.clearSelection();
    control->PrevAlbMIClick();
    EXPECT_TRUE(host.Log.isEmpty());
}

TEST_F(AlbumJumpTest, TheShuffleSwitchDisablesTheAlbumJumps)
{
    control->ShuffleTB->setChecked(true);
    control->ShuffleTBClick();
    EXPECT_FALSE(control->NextAlbTB->isEnabled());
    EXPECT_FALSE(control->PreviousAlbum->isEnabled());
    control->ShuffleMIClick();
    EXPECT_FALSE(control->ShuffleTB->isChecked());
    EXPECT_FALSE(control->ShuffleMI->isChecked());
    EXPECT_TRUE(control->PrevAlbTB->isEnabled());
    EXPECT_TRUE(control->NextAlbum->isEnabled());
}

TEST_F(AlbumJumpTest, ActivatingNodesByLevel)
{
    SelectNode(Node(1));
    control->SongsLstDblClick();
    SelectNode(Node(0, 2));
    control->SongsLstDblClick();
    EXPECT_EQ(host.Log, QStringList({"artist 1", "album 0.2"}));
    SelectNode(Node(1, 0, 1));
    control->SongsLstDblClick();
    EXPECT_EQ(control->SongIndex, 4);
    EXPECT_TRUE(Playing());
    fakempegdll::ClearCalls();
    control->SongsLstDblClick(); // the current song is not restarted
    EXPECT_TRUE(fakempegdll::Calls().empty());
}

TEST_F(AlbumJumpTest, ActivationIsIgnoredDuringARebuild)
{
    host.IsRebuilding = true;
    SelectNode(Node(1, 0, 1));
    control->SongsLstDblClick();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(host.Log.isEmpty());
}

TEST_F(AlbumJumpTest, AMissingFileChangesNothingAndTheSongPlayingGoesOn)
{
    PlayFrom(0);
    QFile::remove(songs[2].File());
    SelectNode(Node(0, 2, 0));
    control->SongsLstDblClick();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(Playing());
}

} // namespace
