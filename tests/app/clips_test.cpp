// The clips page in the main window, offscreen, on real one-second clips (tests/data/clips): the
// clip list and its stored position, the clip state machine, clips and songs never together,
// the main slider during clips, the layout, the jump dialog and clips that cannot be played.
#include "mainffixture.h"

#include "views/clipjumpf.h"
#include "views/clipspage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVideoWidget>

#include "spin.h"

namespace {

class ClipsPageTest : public MainFTest {
protected:
    // Copies the fixture clip into the disc's clip folder as relative.
    void Clip(const QString &relative, const char *fixture) const
    {
        const QString target = Path("disc/clips/" + relative);
        QDir().mkpath(QFileInfo(target).path());
        ASSERT_TRUE(QFile::copy(QStringLiteral(LORVANTA_TEST_DATA "/clips/") + fixture, target));
    }
    // The standard clips: sub/wmv2.wmv (224x168), then mjpeg.avi (160x120), then mpeg1.mpg.
    void StandardClips() const
    {
        Clip("sub/wmv2.wmv", "wmv2.wmv");
        Clip("mjpeg.avi", "mjpeg.avi");
        Clip("mpeg1.mpg", "mpeg1.mpg");
    }
    QString ClipFile(const QString &relative) const { return Path("disc/clips/" + relative); }
    QString WriteClipsList(const QString &relative) const
    {
        return WriteList(relative, {{"Blue", {{"First", {"a", "b"}}}}}, "Clips=clips\r\n");
    }
    // Starts the window on the disc's list and runs its first activation (the content scan).
    void StartOnDisc()
    {
        Start();
        window->LoadPlaylist(WriteClipsList("disc/l.pl"));
        window->FormActivate();
    }
    TClipsPage &Page() const { return *window->tsClips; }
    TMediaPlayer &Player() const { return *window->tsClips->mpClips; }
    bool ClockOn() const { return Page().tmClips->isActive(); }
    int ClipIdx() const { return window->Settings.ClipIdx; }
    QStringList Panels() const
    {
        QStringList texts;
        for (int i = 0; i < TClipsPage::PanelCount; ++i)
            texts << Page().PanelText(i);
        return texts;
    }
    bool SongPlaying() const { return window->MP3Player().PlayerMode() == 3; }
    QSlider &Slider() const { return *window->PlayControl().Slider; }
    void PlayToTheEnd() const
    {
        ASSERT_TRUE(SpinUntil([&] { return Player().Mode() == TMPModes::mpStopped; }, 4000));
    }
};

} // namespace

TEST_F(ClipsPageTest, ScanListsSubfolderClipsFirstAndOffersThePage)
{
    StandardClips();
    Write("disc/clips/notes.txt", "not a clip");
    StartOnDisc();
    EXPECT_EQ(window->ClipList, (QStringList{ClipFile("sub/wmv2.wmv"), ClipFile("mjpeg.avi"),
                                             ClipFile("mpeg1.mpg")}));
    EXPECT_TRUE(window->PageVisible(TMainF::ClipsPage));
    EXPECT_TRUE(window->ViewItem(TMainF::ClipsPage)->isEnabled());
    EXPECT_TRUE(window->findChild<QMenu *>("miClipService")->isEnabled());
    QStringList menu;
    for (QAction *item : window->findChild<QMenu *>("miClipService")->actions())
        menu << (item->isSeparator() ? QString("-") : item->objectName());
    EXPECT_EQ(menu, (QStringList{"clFirst", "clPrev", "clPlay", "clPause", "clStop", "clNext",
                                 "clLast", "-", "clJump", "-", "clFullscreen"}));
    EXPECT_TRUE(Page().clFullscreen->isChecked());

    // The View item opens the page.
    window->ViewItem(TMainF::ClipsPage)->trigger();
    EXPECT_EQ(window->PageControl1->currentWidget(), &Page());

    // A list without clips takes the page, its View item and its menu away.
    window->LoadPlaylist(WriteList("other/l.pl", {{"X", {{"Y", {"z"}}}}}));
    EXPECT_TRUE(window->ClipList.isEmpty());
    EXPECT_FALSE(window->PageVisible(TMainF::ClipsPage));
    EXPECT_FALSE(window->ViewItem(TMainF::ClipsPage)->isEnabled());
    EXPECT_FALSE(window->findChild<QMenu *>("miClipService")->isEnabled());
}

// The stored clip position comes back from the disc's key, is kept within the list the scan
// found and is written back at exit.
TEST_F(ClipsPageTest, StoredClipIdxIsKeptWithinTheListAndWrittenBack)
{
    const struct {
        int stored;
        bool clips;
        int expected;
    } cases[] = {{9, true, 2}, {1, true, 1}, {9, false, 9}, {-4, true, 0}};
    for (const auto &c : cases) {
        QDir(Path("disc")).removeRecursively();
        if (c.clips) StandardClips();
        WriteClipsList("prog/Disc.pl");
        QDir().rename(Path("disc/clips"), Path("prog/clips"));
        WriteSettings(AllSettings(), QString("[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\"
                                             "2.0\\Disc]\r\n\"ClipIdx\"=dword:%1\r\n")
                                         .arg(quint32(c.stored), 8, 16, QChar('0')));
        Start();
        window->FormActivate();
        EXPECT_EQ(ClipIdx(), c.expected) << c.stored;
        Stop();
        EXPECT_EQ(StoredInteger("ClipIdx", "Disc"), c.expected) << c.stored;
        QDir(Path("prog/clips")).removeRecursively();
    }
}

TEST_F(ClipsPageTest, OpenPlayPauseStopWithTheClockAndTheStatusBar)
{
    StandardClips();
    StartOnDisc();
    ASSERT_TRUE(SongPlaying());
    window->ShowPage(TMainF::AlbumPicPage);
    EXPECT_FALSE(Page().ClipOpen);

    Page().clPlay->trigger();
    EXPECT_TRUE(Page().ClipOpen);
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
    EXPECT_TRUE(ClockOn());
    EXPECT_FALSE(SongPlaying()) << "a clip stops the song";
    EXPECT_EQ(window->PageControl1->currentWidget(), &Page());
    EXPECT_EQ(Panels(), (QStringList{"224x168", Panels()[1], "0:01", "0:00", "-0:01",
                                     ClipFile("sub/wmv2.wmv")}));
    EXPECT_EQ(Slider().maximum(), 1);

    Page().clPause->trigger();
    EXPECT_EQ(Player().Mode(), TMPModes::mpPaused);
    EXPECT_FALSE(ClockOn());
    Page().clPause->trigger();
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
    EXPECT_TRUE(ClockOn());
    Page().clStop->trigger();
    EXPECT_EQ(Player().Mode(), TMPModes::mpStopped);
    EXPECT_FALSE(ClockOn());
    EXPECT_TRUE(Page().ClipOpen);

    // The rebuild closes the player; the clock stays off and the song's slider is left alone.
    Page().clPlay->trigger();
    window->RebuildList();
    EXPECT_FALSE(Page().ClipOpen);
    EXPECT_FALSE(Player().IsOpen());
    EXPECT_FALSE(ClockOn());
    EXPECT_EQ(ClipIdx(), 0);
}

TEST_F(ClipsPageTest, TheEndOfAClipPlaysTheNextAndTheLastOneEndsIt)
{
    StandardClips();
    StartOnDisc();
    Page().clPlay->trigger();
    PlayToTheEnd();
    Page().tmClipsTimer();
    EXPECT_EQ(ClipIdx(), 1);
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
    EXPECT_EQ(Page().PanelText(0), "160x120");
    EXPECT_EQ(Page().PanelText(5), ClipFile("mjpeg.avi"));

    Page().clLast->trigger();
    EXPECT_EQ(ClipIdx(), 2);
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying) << "stepping during play plays on";
    PlayToTheEnd();
    Page().tmClipsTimer();
    EXPECT_EQ(ClipIdx(), 2);
    EXPECT_TRUE(ClockOn()) << "after the last clip the clock runs on, changing nothing";
    EXPECT_EQ(Page().PanelText(3), "0:01");
    // The slider's range is the length known at opening, which a program stream may estimate
    // a little short of the second it really lasts.
    EXPECT_EQ(Slider().value(), Slider().maximum());
}

TEST_F(ClipsPageTest, SteppingWhileStoppedLeavesTheNewClipAtItsStart)
{
    StandardClips();
    StartOnDisc();
    Page().clFirst->trigger(); // on the first clip: nothing
    EXPECT_FALSE(Page().ClipOpen);
    Page().clNext->trigger();
    EXPECT_EQ(ClipIdx(), 1);
    EXPECT_EQ(Player().Mode(), TMPModes::mpStopped);
    EXPECT_FALSE(ClockOn());
    EXPECT_EQ(Panels().mid(2, 3), (QStringList{"0:01", "0:00", "-0:01"}));
    Page().clLast->trigger();
    Page().clLast->trigger(); // on the last clip: nothing
    EXPECT_EQ(ClipIdx(), 2);
    Page().clPrev->trigger();
    Page().clFirst->trigger();
    EXPECT_EQ(ClipIdx(), 0);
    EXPECT_EQ(Page().PanelText(5), ClipFile("sub/wmv2.wmv"));
    EXPECT_EQ(Player().Mode(), TMPModes::mpStopped);
}

// Pause on a stopped clip starts the clock; its next tick finds the clip stopped and moves on
// to the next clip, which plays.
TEST_F(ClipsPageTest, PauseOnAStoppedClipStartsTheClockWhichMovesOn)
{
    StandardClips();
    StartOnDisc();
    Page().clNext->trigger();
    Page().clPause->trigger();
    EXPECT_EQ(Player().Mode(), TMPModes::mpStopped);
    EXPECT_TRUE(ClockOn());
    Page().tmClipsTimer();
    EXPECT_EQ(ClipIdx(), 2);
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
}

TEST_F(ClipsPageTest, ClipsAndSongsNeverPlayTogether)
{
    StandardClips();
    StartOnDisc();
    ASSERT_TRUE(SongPlaying());
    Page().clPlay->trigger();
    EXPECT_FALSE(SongPlaying());
    EXPECT_FALSE(window->PlayControl().PlayTB->isChecked());

    window->PlayControl().PlayTB->click(); // the song starts: the clip stops
    EXPECT_TRUE(SongPlaying());
    EXPECT_EQ(Player().Mode(), TMPModes::mpStopped);
    EXPECT_FALSE(ClockOn());

    Page().clNext->trigger(); // opening a clip stops the song too
    EXPECT_FALSE(SongPlaying());
    window->PlayControl().SelectSong(1, true);
    EXPECT_TRUE(SongPlaying());
    Page().clPlay->trigger();
    EXPECT_FALSE(SongPlaying());
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
}

TEST_F(ClipsPageTest, MainSliderShowsTheClipAndSeeksIt)
{
    StandardClips();
    StartOnDisc();
    Page().clPlay->trigger();
    ASSERT_TRUE(SpinUntil([&] { return Player().Position() >= 400; }, 2000));

    // The person drags the slider: the clock leaves it alone; releasing it at 0 plays on from 0.
    window->PlayControl().SeekTracking = true;
    PlayToTheEnd();
    Slider().setSliderPosition(0);
    Page().tmClipsTimer();
    EXPECT_EQ(Slider().value(), 0);
    EXPECT_EQ(Page().PanelText(3), "0:01");
    EXPECT_EQ(ClipIdx(), 1) << "the clip had ended";

    Page().clPrev->trigger(); // back to the first clip, still playing
    ASSERT_TRUE(SpinUntil([&] { return Player().Position() >= 300; }, 2000));
    window->PlayControl().SliderStopTracking();
    EXPECT_FALSE(window->PlayControl().SeekTracking);
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
    EXPECT_LT(Player().Position(), 300) << "sought back to 0";
}

// Proportional stretch: A x B = 400 x 300 for a 192x144 clip gives the whole area; natural size
// centres the clip in the page's area.
TEST_F(ClipsPageTest, LayoutStretchesProportionallyOrShowsTheNaturalSize)
{
    StandardClips();
    StartOnDisc();
    window->ShowPage(TMainF::ClipsPage);
    Page().clLast->trigger();
    const int bar = Page().cbClips->height(), status = Page().sbClips->height();
    Page().resize(404, bar + status + 304);
    Page().LayoutClipDisplay();
    EXPECT_EQ(Page().pDisplay->geometry(), QRect(0, bar + 2, 400, 300));
    EXPECT_EQ(Page().PanelText(1), "400x300");
    auto *video = Page().pDisplay->findChild<QVideoWidget *>();
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->geometry(), QRect(0, 0, 400, 300));

    Page().clFullscreen->trigger();
    EXPECT_FALSE(Page().clFullscreen->isChecked());
    EXPECT_EQ(Page().pDisplay->geometry(), QRect(0, bar, 404, 304));
    EXPECT_EQ(video->geometry(), QRect(106, 80, 192, 144));
    EXPECT_EQ(Page().PanelText(1), "Исх.размер");

    Page().clFullscreenExecute();
    EXPECT_TRUE(Page().clFullscreen->isChecked());
    EXPECT_EQ(Page().pDisplay->geometry(), QRect(0, bar + 2, 400, 300));
}

TEST_F(ClipsPageTest, JumpDialogOpensAndPlaysTheChosenClip)
{
    StandardClips();
    StartOnDisc();
    prompt->AnswerModal(
        [this](QWidget *dialog) {
            auto *jump = qobject_cast<TClipJumpF *>(dialog);
            ASSERT_NE(jump, nullptr);
            EXPECT_EQ(jump->windowTitle(), "Переход к клипу");
            EXPECT_EQ(jump->lbClips->count(), 3);
            EXPECT_EQ(jump->lbClips->currentRow(), 0);
            EXPECT_EQ(jump->lbClips->item(1)->text(), ClipFile("mjpeg.avi"));
            jump->lbClips->setCurrentRow(2);
        },
        QDialog::Accepted);
    Page().clJump->trigger();
    EXPECT_EQ(ClipIdx(), 2);
    EXPECT_EQ(Player().Mode(), TMPModes::mpPlaying);
    EXPECT_EQ(window->PageControl1->currentWidget(), &Page());

    Page().clStop->trigger();
    prompt->AnswerModal(
        [](QWidget *dialog) { static_cast<TClipJumpF *>(dialog)->lbClips->setCurrentRow(-1); },
        QDialog::Accepted);
    Page().clJump->trigger(); // OK with nothing chosen: nothing changes
    prompt->AnswerModal(
        [](QWidget *dialog) { static_cast<TClipJumpF *>(dialog)->lbClips->setCurrentRow(0); },
        QDialog::Rejected);
    Page().clJump->trigger();
    EXPECT_EQ(ClipIdx(), 2);
    EXPECT_EQ(Player().Mode(), TMPModes::mpStopped);
}

// A clip that cannot be played: one error box with the player's message and the status bar
// emptied within two seconds; the clock stops, the index stays, the next clip can be stepped
// to. Played from the jump dialog it is reported once.
TEST_F(ClipsPageTest, BadClipsAreReportedAndSteppedPast)
{
    const std::pair<const char *, const char *> badClips[] = {{"empty.avi", "повреждён"},
                                                              {"text.avi", "повреждён"},
                                                              {"cutheader.avi", "повреждён"},
                                                              {"unknowncodec.avi", "video/"}};
    Clip("a.avi", "empty.avi");
    Clip("b.mpg", "mpeg1.mpg");
    StartOnDisc();
    for (const auto &[bad, textPart] : badClips) {
        SCOPED_TRACE(bad);
        QFile::remove(ClipFile("a.avi"));
        Clip("a.avi", bad);
        Page().clNext->trigger(); // a good clip playing first
        Page().clPlay->trigger();
        prompt->Messages.clear();

        QElapsedTimer clock;
        clock.start();
        Page().clFirst->trigger();
        EXPECT_LT(clock.elapsed(), 2000);
        ASSERT_EQ(prompt->Messages.size(), 1);
        EXPECT_TRUE(prompt->Messages[0].contains(QString::fromUtf8(textPart)))
            << prompt->Messages[0].toStdString();
        EXPECT_EQ(Panels(), QStringList(TClipsPage::PanelCount, QString()));
        EXPECT_FALSE(Page().ClipOpen);
        EXPECT_FALSE(ClockOn());
        EXPECT_EQ(ClipIdx(), 0);

        prompt->AnswerModal([](QWidget *) {}, QDialog::Accepted);
        Page().clJump->trigger();
        EXPECT_EQ(prompt->Messages.size(), 2);
    }
    // Play on a clip that failed still asks the closed player, which says so.
    prompt->Messages.clear();
    Page().clPlay->trigger();
    ASSERT_EQ(prompt->Messages.size(), 2);
    EXPECT_EQ(prompt->Messages[1], "No MCI device open");
    Page().clNext->trigger();
    EXPECT_TRUE(Page().ClipOpen);
    EXPECT_EQ(prompt->Messages.size(), 2);
}
