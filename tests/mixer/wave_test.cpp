// The wave-output line where the mixer has no "PCM": this program's own streams on the sound
// server, which follow it, and whose changes made elsewhere become the line's.
#include "mixer/mixerblockslider.h"
#include "serverline.h"
#include "spin.h"
#include "views/mediaplayer.h"

#include <QCheckBox>

namespace {

using WaveLine = TServerLine<TMMLineType::WaveOut>;

TEST_F(WaveLine, StandsOnTheProgramsStreams)
{
    ASSERT_TRUE(line.Available());
    EXPECT_EQ(line.Name(), QStringLiteral("Звук программы"));
    EXPECT_TRUE(block.isEnabled());
}

TEST_F(WaveLine, StreamsFollowTheLineAndMuteLeavesMasterAlone)
{
    block.VolumeSlider()->setValue(30);
    TSilentStream song;
    EXPECT_TRUE(SpinUntil([] { return ReadOwnStream().Volume == 30; }, 2000))
        << "a stream started later takes the line's volume";

    block.VolumeSlider()->setValue(45);
    EXPECT_TRUE(SpinUntil([] { return ReadOwnStream().Volume == 45; }, 2000));

    block.MuteCheck()->setChecked(true);
    EXPECT_TRUE(SpinUntil([] { return ReadOwnStream().Muted; }, 2000));
    const TAmixerMaster overall = ReadMaster();
    EXPECT_TRUE(overall.On);
    EXPECT_EQ(overall.Left, 100);
}

TEST_F(WaveLine, ChangeMadeElsewhereToOurStreamShowsInTheBlock)
{
    TSilentStream song;
    ASSERT_TRUE(SpinUntil([] { return ReadOwnStream().Index >= 0; }, 2000));
    RunCommand(QStringLiteral("pactl set-sink-input-volume %1 55%").arg(ReadOwnStream().Index));
    EXPECT_TRUE(SpinUntil([&] { return block.VolumeSlider()->value() == 55; }, 1000));
    RunCommand(QStringLiteral("pactl set-sink-input-mute %1 1").arg(ReadOwnStream().Index));
    EXPECT_TRUE(SpinUntil([&] { return block.MuteCheck()->isChecked(); }, 1000));
}

TEST_F(WaveLine, LostServerDisablesTheBlock)
{
    TestSoundServer().stop();
    EXPECT_TRUE(SpinUntil([&] { return !block.isEnabled(); }, 3000));
    EXPECT_FALSE(line.Available());
}

// A clip plays with sound, on a stream of this program that follows the wave line.
TEST_F(WaveLine, ClipSoundFollowsTheLine)
{
    block.VolumeSlider()->setValue(35);
    TMediaPlayer clip;
    clip.FileName = QStringLiteral(LORVANTA_TEST_DATA "/clips/mjpeg.avi");
    clip.Wait = true;
    clip.Open();
    ASSERT_EQ(clip.Error(), 0) << clip.ErrorMessage().toStdString();
    clip.Play();
    EXPECT_TRUE(SpinUntil([] { return ReadOwnStream().Volume == 35; }, 1500));
}

} // namespace
