// Play, pause and stop with their buttons, keys and marks; the status panels, the caption and the
// state file as the transport refreshes them; seeking with the slider and the five-second jumps.

#include "transportfixture.h"

#include "platform/codepage.h"

#include <QCoreApplication>
#include <QFile>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {

class PlaybackTest : public TransportTest {
protected:
    void SetUp() override
    {
        TransportTest::SetUp();
        Build({{2, 3}});
    }
};

TEST_F(PlaybackTest, SelectingASongFillsThePanelsAndTheCaption)
{
    fakempegdll::SetLength(250400);
    fakempegdll::SetResult("GetBitrate", 192000);
    fakempegdll::SetResult("GetFrequency", 22050);
    fakempegdll::SetResult("GetStereoMode", 3);
    control->SelectSong(3, true);
    EXPECT_EQ(Panel(0), "2/3 (4/5)");
    EXPECT_EQ(Panel(1), "192 кбит/с");
    EXPECT_EQ(Panel(2), "22 кГц");
    EXPECT_EQ(Panel(3), "Моно");
    EXPECT_EQ(Panel(4), "4:10");
    EXPECT_EQ(Panel(5), "0:00");
    EXPECT_EQ(Panel(6), "-4:10");
    EXPECT_EQ(Panel(7), "воспроизведение");
    EXPECT_EQ(control->SongLengthSec, 250);
    EXPECT_EQ(control->Slider->maximum(), 250);
    EXPECT_EQ(host.Caption, "Lorvanta 2.0 (воспроизведение): Artist0 - s3 [4:10]");
    EXPECT_TRUE(host.Logged("stop clip"));
    EXPECT_EQ(host.Log.last(), "page: s3");
    EXPECT_TRUE(control->PlayTB->isChecked());
    EXPECT_TRUE(control->Play->isChecked());
}

TEST_F(PlaybackTest, PanelsFitTheirTextsAndTheElapsedPanelTakesTheLengthPanelsWidth)
{
    control->SelectSong(0, true);
    for (int i : {0, 1, 2, 3, 4, 6, 7}) {
        QLabel *panel = control->Panel(i);
        EXPECT_EQ(panel->maximumWidth(), panel->fontMetrics().horizontalAdvance(panel->text()) + 15)
            << "panel " << i;
    }
    EXPECT_EQ(control->Panel(5)->maximumWidth(), control->Panel(4)->maximumWidth());
    EXPECT_EQ(control->Panel(0)->alignment(), Qt::AlignCenter);
    EXPECT_NE(control->Panel(8)->alignment() & Qt::AlignLeft, 0);
}

TEST_F(PlaybackTest, SelectingWithoutPlayLeavesTheSongCurrentAndStopped)
{
    control->SelectSong(1, false);
    EXPECT_EQ(control->SongIndex, 1);
    EXPECT_EQ(player.PlayerMode(), 2);
    EXPECT_FALSE(control->PlayTB->isChecked());
    EXPECT_EQ(Panel(7), "остановлен");
    EXPECT_TRUE(songs[1].Played);
}

TEST_F(PlaybackTest, ASongThatFailsToOpenChangesNothingButItsPlayedMark)
{
    PlayFrom(0);
    fakempegdll::FailNext("Open", 3);
    control->SelectSong(2, true);
    EXPECT_EQ(control->SongIndex, 0);
    EXPECT_FALSE(songs[2].Played);
    EXPECT_TRUE(prompt.Messages.isEmpty());
    control->SelectSong(99, true); // not in the list
    EXPECT_EQ(control->SongIndex, 0);
}

TEST_F(PlaybackTest, PlayButtonStopsWhilePlayingAndContinuesWhilePaused)
{
    settings.HasLogFile = true;
    settings.OEMLogFile = false;
    settings.LogFileName = dir.filePath("state.txt");
    settings.CaptionFormat = "%M";
    PlayFrom(0);
    control->PauseMIClick();
    EXPECT_TRUE(player.Paused());
    EXPECT_TRUE(control->Pause->isChecked());
    EXPECT_EQ(Panel(7), "пауза");
    control->PlayTB->click(); // toggles up, but a paused song continues
    EXPECT_FALSE(player.Paused());
    EXPECT_EQ(Panel(7), "воспроизведение");
    EXPECT_EQ(host.Caption, "воспроизведение");
    QFile state(settings.LogFileName);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(DecodeCp1251(state.readAll()), "воспроизведение");
    EXPECT_TRUE(control->PlayTB->isChecked());
    EXPECT_FALSE(control->PauseTB->isChecked());
    EXPECT_FALSE(control->Pause->isChecked());
    control->PlayTB->click();
    EXPECT_EQ(player.PlayerMode(), 2);
    EXPECT_FALSE(control->Play->isChecked());
    EXPECT_EQ(Panel(7), "остановлен");
}

TEST_F(PlaybackTest, KeyXStartsStopsAndContinues)
{
    control->SelectSong(0, false);
    control->Play->trigger();
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(control->Play->isChecked());
    control->Pause->trigger();
    EXPECT_TRUE(player.Paused());
    control->Play->trigger();
    EXPECT_FALSE(player.Paused());
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(control->Play->isChecked());
    control->Play->trigger();
    EXPECT_EQ(player.PlayerMode(), 2);
    EXPECT_FALSE(control->Play->isChecked());
}

TEST_F(PlaybackTest, PauseDoesNothingToAStoppedPlayer)
{
    control->SelectSong(0, false);
    fakempegdll::ClearCalls();
    control->PauseMIClick();
    EXPECT_FALSE(control->PauseTB->isChecked());
    for (const std::string &call : fakempegdll::Calls())
        EXPECT_NE(call.rfind("Pause", 0), 0u);
}

TEST_F(PlaybackTest, AFailedStartIsReportedAndReleasesThePlayButton)
{
    control->SelectSong(0, false);
    fakempegdll::FailNext("Restart", 5);
    control->PlayTB->click();
    EXPECT_EQ(prompt.Messages,
              QStringList("Не удалось воспроизвести файл: Output device failure"));
    EXPECT_FALSE(control->PlayTB->isChecked());
    EXPECT_FALSE(control->Play->isChecked());
}

TEST_F(PlaybackTest, PlaySelectsTheCurrentSongsNodeAgain)
{
    control->SelectSong(1, false);
    SelectNode(Node(0, 1));
    control->PlayTB->click();
    EXPECT_EQ(tree.currentItem(), Node(0, 0, 1));
}

TEST_F(PlaybackTest, StopResetsTheTimesAndTheSlider)
{
    PlayFrom(0);
    control->MP3PlayerPosUpdate(65000, 250000);
    EXPECT_EQ(control->Slider->value(), 65);
    EXPECT_EQ(Panel(5), "1:05");
    EXPECT_EQ(Panel(6), "-3:05");
    control->Stop->trigger();
    EXPECT_EQ(Panel(5), "0:00");
    EXPECT_EQ(Panel(6), "-4:10");
    EXPECT_EQ(control->Slider->value(), 0);
    EXPECT_FALSE(control->PlayTB->isChecked());
}

TEST_F(PlaybackTest, TheSeekPreviewRoundsHalvesToEven)
{
    PlayFrom(0);
    control->Slider->setSliderPosition(65);
    control->SliderTracking();
    EXPECT_EQ(Panel(8), "Перемотка: 1:05/4:10 (26%)");
    fakempegdll::SetLength(8000);
    control->SelectSong(1, true);
    control->Slider->setSliderPosition(1);
    control->SliderTracking();
    EXPECT_EQ(Panel(8), "Перемотка: 0:01/0:08 (12%)"); // 12.5
    fakempegdll::SetLength(1000 * 200);
    control->SelectSong(2, true);
    control->Slider->setSliderPosition(3);
    control->SliderTracking();
    EXPECT_EQ(Panel(8), "Перемотка: 0:03/3:20 (2%)"); // 1.5
}

TEST_F(PlaybackTest, TheSeekPreviewOfASongShorterThanASecondShowsZero)
{
    fakempegdll::SetLength(600);
    PlayFrom(0);
    control->SliderTracking();
    EXPECT_EQ(Panel(8), "Перемотка: 0:00/0:00 (0%)");
}

TEST_F(PlaybackTest, PositionReportsDoNotMoveTheSliderUnderTheUsersDrag)
{
    PlayFrom(0);
    control->Slider->setSliderPosition(100);
    control->SliderTracking();
    control->MP3PlayerPosUpdate(3000, 250000);
    EXPECT_EQ(control->Slider->sliderPosition(), 100);
    EXPECT_EQ(Panel(5), "0:03");
    control->SliderStopTracking();
    EXPECT_EQ(Panel(5), "1:40"); // at once, from the player
    EXPECT_EQ(Panel(8), "");
    EXPECT_FALSE(control->SeekTracking);
    EXPECT_EQ(fakempegdll::Calls().back(), "GetCurrentPos");
}

TEST_F(PlaybackTest, ReleasingTheSliderWithoutASongSeeksAnOpenClipOrReturnsToZero)
{
    control->SelectSong(0, false);
    control->Slider->setSliderPosition(30);
    control->SliderStopTracking();
    EXPECT_EQ(control->Slider->value(), 0);
    host.ClipIsOpen = true;
    control->Slider->setSliderPosition(30);
    control->SliderStopTracking();
    EXPECT_EQ(host.Log.last(), "seek clip 30000");
}

TEST_F(PlaybackTest, AFailedSeekStillEndsTheDrag)
{
    PlayFrom(0);
    control->SliderTracking();
    fakempegdll::FailNext("Seek", 4);
    EXPECT_THROW(control->SliderStopTracking(), TMPEGError);
    EXPECT_FALSE(control->SeekTracking);
    control->MP3PlayerPosUpdate(7000, 250000);
    EXPECT_EQ(control->Slider->value(), 7);
}

TEST_F(PlaybackTest, FiveSecondJumpsOnlyWhileASongIsActiveAndWithinTheSlider)
{
    PlayFrom(0);
    control->MP3PlayerPosUpdate(10000, 250000);
    control->Fwd5sec->trigger();
    EXPECT_EQ(fakempegdll::Calls().back(), "GetCurrentPos");
    EXPECT_EQ(Panel(5), "0:15");
    control->MP3PlayerPosUpdate(2000, 250000);
    control->Rew5SecExecute();
    EXPECT_EQ(Panel(5), "0:00");
    control->PauseMIClick();
    control->Fwd5secExecute(); // paused counts as active
    EXPECT_EQ(Panel(5), "0:05");
    control->StopTBClick();
    fakempegdll::ClearCalls();
    control->Fwd5secExecute();
    control->Rew5SecExecute();
    for (const std::string &call : fakempegdll::Calls())
        EXPECT_EQ(call, "GetPlayerMode");
}

TEST_F(PlaybackTest, HintsGoToTheLastPanelExceptDuringADrag)
{
    QWidget other;
    QStatusTipEvent tip(QStringLiteral("Открыть файл"));
    QCoreApplication::sendEvent(&other, &tip);
    EXPECT_EQ(Panel(8), "Открыть файл");
    EXPECT_EQ(control->Stop->statusTip(), "Остановить воспроизведение");
    control->SliderTracking();
    QStatusTipEvent empty{QString()};
    QCoreApplication::sendEvent(&other, &empty);
    EXPECT_TRUE(Panel(8).startsWith("Перемотка: "));
}

TEST_F(PlaybackTest, TheKeysBelongToTheWindowAndCaptionsGrabNoKeys)
{
    EXPECT_TRUE(window.actions().contains(control->Rew5Sec));
    EXPECT_TRUE(window.actions().contains(control->StopAfterEnd));
    EXPECT_FALSE(window.actions().contains(control->N20)); // same key: it would be ambiguous
    EXPECT_EQ(control->N20->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_EQ(control->PlayTB->text(), "&Воспроизвести");
    EXPECT_TRUE(control->PlayTB->shortcut().isEmpty()); // Alt+В belongs to the View menu
}

TEST_F(PlaybackTest, RepeatSwitchAndMenuMirrorEachOther)
{
    control->RepeatTB->click();
    EXPECT_TRUE(control->NonStopMI->isChecked());
    control->NonStopMI->trigger();
    EXPECT_FALSE(control->RepeatTB->isChecked());
    EXPECT_FALSE(control->NonStopMI->isChecked());
}

TEST_F(PlaybackTest, TheEndOfASongDeliveredByThePlayerMovesOn)
{
    PlayFrom(3);
    EndSong();
    EXPECT_EQ(control->SongIndex, 4);
    EXPECT_TRUE(Playing());
}

TEST_F(PlaybackTest, ThePlayerNoLongerCallsAControlThatIsGone)
{
    PlayFrom(0);
    control.reset();
    EXPECT_FALSE(player.OnPosUpdate);
    EXPECT_FALSE(player.OnPlayEnd);
}

TEST_F(PlaybackTest, AStateFileThatCannotBeWrittenIsSaidOnceAndStopsNothing)
{
    settings.HasLogFile = true;
    settings.LogFileName = dir.filePath("missing/state.txt");
    for (int i = 0; i < 3; ++i)
        control->Next->trigger();
    EXPECT_EQ(control->SongIndex, 3);
    EXPECT_TRUE(prompt.Messages.isEmpty()) << "no box inside the command";
    const QStringList reported = host.Log.filter("state file: ");
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains("missing/state.txt"));
    settings.LogFileName = dir.filePath("other/state.txt");
    control->Next->trigger();
    EXPECT_EQ(host.Log.filter("state file: ").size(), 2) << "another name is said again";
}

} // namespace
