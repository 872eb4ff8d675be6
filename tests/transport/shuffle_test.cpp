// Shuffle play: the history in ShuffleOrder, the draw, the end of a round with and without
// repeat, and walking back.

#include "transportfixture.h"

#include <set>

namespace {

class ShuffleTest : public TransportTest {
protected:
    void StartShuffle(int songCount, int first)
    {
        Build({{songCount}});
        PlayFrom(first);
        control->ShuffleTB->setChecked(true);
        control->ShuffleTBClick();
    }
    std::vector<int32_t> Order() const { return control->ShuffleOrder; }
};

TEST_F(ShuffleTest, SwitchingOnStartsTheHistoryAtTheCurrentSong)
{
    Build({{4}});
    for (TExpandedSong &song : songs)
        song.Played = true;
    control->SongIndex = 2;
    control->ShufflePos = 3;
    control->ShuffleTB->setChecked(true);
    control->ShuffleTBClick();
    EXPECT_EQ(Order(), (std::vector<int32_t>{2, -1, -1, -1}));
    EXPECT_EQ(control->ShufflePos, 0);
    EXPECT_TRUE(control->ShuffleMI->isChecked());
    EXPECT_TRUE(songs[2].Played);
    EXPECT_FALSE(songs[0].Played || songs[1].Played || songs[3].Played);
}

TEST_F(ShuffleTest, WithoutRepeatNextAdvancesSongCountMinusOneTimesThenOnlyShowsStopped)
{
    StartShuffle(4, 1);
    draws = {1, 3, 0, 2}; // 1 was played already: drawn again
    for (int i = 0; i < 3; ++i) {
        control->NextTBClick();
        EXPECT_TRUE(Playing());
    }
    EXPECT_EQ(Order(), (std::vector<int32_t>{1, 3, 0, 2}));
    EXPECT_TRUE(draws.empty());
    fakempegdll::ClearCalls();
    EndSong();
    EXPECT_EQ(Panel(7), settings.StoppedStr);
    EXPECT_EQ(control->SongIndex, 2);
    for (const std::string &call : fakempegdll::Calls())
        EXPECT_NE(call.rfind("Open", 0), 0u) << "no further song may start";
}

TEST_F(ShuffleTest, PreviousWalksBackThroughTheSongsNextChoseAndNextReplaysThem)
{
    StartShuffle(4, 1);
    draws = {3, 0, 2};
    for (int i = 0; i < 3; ++i)
        control->NextTBClick();
    std::vector<int> walked;
    for (int i = 0; i < 4; ++i) {
        control->PrevTBClick();
        walked.push_back(control->SongIndex);
    }
    EXPECT_EQ(walked, (std::vector<int>{0, 3, 1, 1})); // at the first slot: nothing
    EXPECT_EQ(control->ShufflePos, 0);
    control->NextTBClick(); // from the history, no draw
    EXPECT_EQ(control->SongIndex, 3);
    EXPECT_TRUE(Playing());
}

TEST_F(ShuffleTest, AnUnplayedCurrentSongIsKeptWithoutADraw)
{
    StartShuffle(3, 0);
    songs[0].Played = false;
    control->NextTBClick();
    EXPECT_EQ(Order(), (std::vector<int32_t>{0, 0, -1}));
}

TEST_F(ShuffleTest, TheDrawGivesUpAfterSongCountMinusOneTriesKeepingTheLastDrawn)
{
    StartShuffle(3, 0);
    songs[1].Played = true;
    draws = {1, 0}; // both played; no third try
    control->NextTBClick();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(draws.empty());
}

TEST_F(ShuffleTest, TheDrawReachesEverySongOfTheList)
{
    Build({{3}});
    TPlayControl fresh(player, songs, tree, settings, host, window);
    std::set<int> drawn;
    for (int i = 0; i < 300; ++i)
        drawn.insert(fresh.RandomIndex(3));
    EXPECT_EQ(drawn, (std::set<int>{0, 1, 2}));
}

TEST_F(ShuffleTest, WithRepeatTheRoundStartsAfreshWithoutReopeningTheSongJustEnded)
{
    StartShuffle(3, 0);
    control->RepeatTB->setChecked(true);
    draws = {1, 2};
    control->NextTBClick();
    control->NextTBClick();
    draws = {2, 0}; // 2 has just ended and keeps its mark; 0 is free again
    EndSong();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Order(), (std::vector<int32_t>{-1, 0, -1})) << "the history starts afresh";
    EXPECT_EQ(control->ShufflePos, 1);
    EXPECT_FALSE(songs[1].Played);
    fakempegdll::ClearCalls();
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 0) << "the last round is not walked back into";
    EXPECT_TRUE(fakempegdll::Calls().empty());
}

TEST_F(ShuffleTest, WithRepeatASingleSongPlaysAgainInsteadOfLoopingForever)
{
    StartShuffle(1, 0);
    control->RepeatTB->setChecked(true);
    EndSong();
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_TRUE(Playing());
}

TEST_F(ShuffleTest, PreviousAtTheFirstSlotWithRepeatDoesNothing)
{
    StartShuffle(3, 1);
    control->RepeatTB->setChecked(true);
    fakempegdll::ClearCalls();
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 1);
    EXPECT_TRUE(fakempegdll::Calls().empty());
}

TEST_F(ShuffleTest, TheMenuSwitchKeepsTheHistory)
{
    StartShuffle(3, 0);
    draws = {2};
    control->NextTBClick();
    control->ShuffleMIClick();
    control->ShuffleMIClick();
    EXPECT_TRUE(control->ShuffleTB->isChecked());
    EXPECT_EQ(control->ShufflePos, 1);
    EXPECT_EQ(Order(), (std::vector<int32_t>{0, 2, -1}));
}

TEST_F(ShuffleTest, AHistoryClearedByARebuildSelectsNothingWhenWalkedBack)
{
    StartShuffle(3, 0);
    draws = {2, 1};
    control->NextTBClick();
    control->NextTBClick();
    control->ResetShuffleOrder();
    fakempegdll::ClearCalls();
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 1);
    EXPECT_EQ(control->ShufflePos, 1);
    EXPECT_TRUE(fakempegdll::Calls().empty());
    control->ShufflePos = 40; // a position from a longer list than the one rebuilt
    control->PrevTBClick();
    EXPECT_EQ(control->SongIndex, 1);
    control->NextTBClick(); // past the end without repeat: only the stopped text
    EXPECT_EQ(Panel(7), settings.StoppedStr);
}

} // namespace
