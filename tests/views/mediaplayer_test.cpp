// The media player on real clips of every format a disc may carry: opening, the natural size
// from the first picture, the transport commands and the positions they leave.
#include "clipfixture.h"

#include <QVideoWidget>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct TClipCase {
    const char *file;
    int width;
    int height;
};

void PrintTo(const TClipCase &clip, std::ostream *out)
{
    *out << clip.file;
}

class ClipFormats : public testing::TestWithParam<TClipCase> {
protected:
    QWidget display;
    TMediaPlayer player;
    void SetUp() override
    {
        display.resize(400, 300);
        display.show();
        player.SetDisplay(&display);
        OpenWaiting(player, ClipPath(GetParam().file));
        ASSERT_EQ(player.Error(), 0) << player.ErrorMessage().toStdString();
    }
};

TEST_P(ClipFormats, OpensStoppedAtItsStartWithItsNaturalSize)
{
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);
    EXPECT_EQ(player.Position(), 0);
    EXPECT_NEAR(player.Length(), 1000, 250) << "program streams are estimated from their rate";
    EXPECT_EQ(player.DisplayRect(), (TRect{0, 0, GetParam().width, GetParam().height}));
    auto *video = display.findChild<QVideoWidget *>();
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isVisible());
    EXPECT_EQ(video->geometry(), QRect(0, 0, GetParam().width, GetParam().height));
}

TEST_P(ClipFormats, PlaysPausesStopsAndSeeksInMilliseconds)
{
    player.SetTimeFormat(TMPTimeFormats::tfMilliseconds);
    EXPECT_EQ(player.Error(), 0);
    player.Play();
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
    ASSERT_TRUE(SpinUntil([&] { return player.Position() >= 200; }, 2000));

    player.Pause();
    EXPECT_EQ(player.Mode(), TMPModes::mpPaused);
    Spin(100); // a frame already on its way may still land
    const int paused = player.Position();
    Spin(250);
    EXPECT_NEAR(player.Position(), paused, 10);
    player.Pause();
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);

    player.Stop();
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);
    EXPECT_GE(player.Position(), paused) << "stop keeps the position";
    player.Pause();
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped) << "pause does nothing on a stopped clip";

    player.Seek(300);
    EXPECT_EQ(player.Error(), 0);
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);
    EXPECT_TRUE(SpinUntil([&] { return std::abs(player.Position() - 300) <= 60; }, 1000))
        << player.Position();
}

TEST_P(ClipFormats, EndsStoppedAtItsLength)
{
    player.Play();
    ASSERT_TRUE(SpinUntil([&] { return player.Mode() == TMPModes::mpStopped; }, 4000));
    EXPECT_NEAR(player.Length(), 1000, 100) << "known exactly once played through";
    EXPECT_EQ(player.Position(), player.Length());
}

INSTANTIATE_TEST_SUITE_P(
    Clips, ClipFormats,
    testing::Values(TClipCase{"mjpeg.avi", 160, 120}, TClipCase{"xvid.avi", 176, 144},
                    TClipCase{"mpeg1.mpg", 192, 144}, TClipCase{"mpeg2.mpg", 208, 160},
                    TClipCase{"wmv2.wmv", 224, 168}, TClipCase{"h264.mov", 240, 136}));

TEST(MediaPlayer, ClosedDeviceRefusesTransportButAnswersModeAndPosition)
{
    TMediaPlayer player;
    const std::vector<std::function<void()>> commands = {
        [&] { player.Play(); }, [&] { player.Pause(); }, [&] { player.Stop(); },
        [&] { player.Seek(0); }, [&] { (void)player.Length(); }};
    for (const auto &command : commands) {
        try {
            command();
            ADD_FAILURE() << "a closed device accepted a command";
        } catch (const EMCIDeviceError &error) {
            EXPECT_EQ(error.Message(), QStringLiteral("No MCI device open"));
        }
    }
    EXPECT_EQ(player.Mode(), TMPModes::mpNotReady);
    EXPECT_EQ(player.Position(), 0);
    EXPECT_EQ(player.DisplayRect(), TRect());
    player.SetDisplayRect({0, 0, 10, 10});
    EXPECT_NE(player.Error(), 0);
}

TEST(MediaPlayer, DestinationRectangleWithZeroCornerIsTheNaturalSize)
{
    QWidget display;
    display.resize(400, 300);
    TMediaPlayer player;
    player.SetDisplay(&display);
    OpenWaiting(player, ClipPath("xvid.avi"));
    ASSERT_EQ(player.Error(), 0);

    player.SetDisplayRect({10, 20, 0, 0});
    EXPECT_EQ(player.DisplayRect(), (TRect{10, 20, 186, 164}));
    player.SetDisplayRect({0, 5, 400, 294});
    EXPECT_EQ(player.DisplayRect(), (TRect{0, 5, 400, 294}));
    EXPECT_EQ(display.findChild<QVideoWidget *>()->geometry(), QRect(0, 5, 400, 289));
}

TEST(MediaPlayer, OpenClosesTheClipStillOpenAndCloseHidesThePicture)
{
    QWidget display;
    TMediaPlayer player;
    player.SetDisplay(&display);
    OpenWaiting(player, ClipPath("mjpeg.avi"));
    player.Play();
    OpenWaiting(player, ClipPath("h264.mov"));
    ASSERT_EQ(player.Error(), 0);
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);
    EXPECT_EQ(player.DisplayRect(), (TRect{0, 0, 240, 136}));

    player.Close();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.Error(), 0);
    EXPECT_FALSE(display.findChild<QVideoWidget *>()->isVisible());
}

TEST(MediaPlayer, LateClockStillCountsFromZero)
{
    TMediaPlayer player;
    OpenWaiting(player, ClipPath("late.mpg"));
    ASSERT_EQ(player.Error(), 0);
    EXPECT_EQ(player.Position(), 0);
    EXPECT_NEAR(player.Length(), 1000, 250);
    player.Play();
    ASSERT_TRUE(SpinUntil([&] { return player.Mode() == TMPModes::mpStopped; }, 4000));
    EXPECT_NEAR(player.Length(), 1000, 100);
    EXPECT_EQ(player.Position(), player.Length());
}

TEST(MediaPlayer, PlayAtTheEndRewindsOnlyWithAutoRewind)
{
    TMediaPlayer player;
    OpenWaiting(player, ClipPath("mpeg1.mpg"));
    player.Play();
    ASSERT_TRUE(SpinUntil([&] { return player.Mode() == TMPModes::mpStopped; }, 4000));

    player.Play();
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);
    EXPECT_EQ(player.Position(), player.Length());

    player.AutoRewind = true;
    player.Play();
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
    EXPECT_TRUE(SpinUntil([&] { return player.Position() < 500; }, 1000));
}

TEST(MediaPlayer, SeekAfterTheEndPlaysFromThere)
{
    TMediaPlayer player;
    OpenWaiting(player, ClipPath("mjpeg.avi"));
    player.Play();
    ASSERT_TRUE(SpinUntil([&] { return player.Mode() == TMPModes::mpStopped; }, 4000));
    player.Seek(200);
    EXPECT_EQ(player.Error(), 0);
    player.Play();
    EXPECT_TRUE(SpinUntil([&] { return player.Position() > 300; }, 1500));
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
}

TEST(MediaPlayer, SeekOutsideTheClipIsRefusedAndMovesNothing)
{
    TMediaPlayer player;
    OpenWaiting(player, ClipPath("mjpeg.avi"));
    for (int position : {-1, player.Length() + 1}) {
        player.Seek(position);
        EXPECT_EQ(player.Error(), mciErrOutOfRange);
        EXPECT_EQ(player.Position(), 0);
    }
}

TEST(MediaPlayer, OpenWithoutWaitLoadsInTheBackground)
{
    TMediaPlayer player;
    player.FileName = ClipPath("wmv2.wmv");
    player.Open();
    EXPECT_EQ(player.Error(), 0);
    EXPECT_TRUE(player.IsOpen());
    ASSERT_TRUE(SpinUntil([&] { return player.Mode() == TMPModes::mpStopped; }, 2000));
    EXPECT_EQ(player.DisplayRect(), (TRect{0, 0, 224, 168}));
}

TEST(MediaPlayer, WaitAppliesToOneCommandOnly)
{
    TMediaPlayer player;
    player.Wait = true;
    player.Close();
    EXPECT_FALSE(player.Wait);
}

} // namespace
