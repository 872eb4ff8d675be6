// The speakers line on the sound server's null sink, seen by ALSA as "Master": what the block
// writes reaches the mixer, what others change shows in the block at once.
#include "mixer/mixerblockslider.h"
#include "serverline.h"
#include "spin.h"

#include <QCheckBox>

namespace {

using MasterLine = TServerLine<TMMLineType::Speakers>;

TEST_F(MasterLine, IsTheMasterElement)
{
    ASSERT_TRUE(line.Available());
    EXPECT_EQ(line.Name(), QStringLiteral("Master"));
    EXPECT_TRUE(line.Stereo());
    EXPECT_TRUE(block.isEnabled());
    EXPECT_EQ(block.VolumeSlider()->value(), 100);
}

TEST_F(MasterLine, BlockWritesVolumeBalanceAndMute)
{
    block.VolumeSlider()->setValue(80);
    block.BalanceSlider()->setValue(-50);
    TAmixerMaster master = ReadMaster();
    EXPECT_EQ(master.Left, 80);
    EXPECT_EQ(master.Right, 40);
    EXPECT_TRUE(master.On);

    block.BalanceSlider()->setValue(25);
    master = ReadMaster();
    EXPECT_EQ(master.Left, 60);
    EXPECT_EQ(master.Right, 80);

    block.MuteCheck()->setChecked(true);
    EXPECT_FALSE(ReadMaster().On);
    EXPECT_EQ(ReadMaster().Right, 80) << "muting keeps the volume";
}

TEST_F(MasterLine, ChangesMadeElsewhereShowAtOnce)
{
    RunCommand(QStringLiteral("amixer -q set Master 30%,15%"));
    EXPECT_TRUE(SpinUntil([&] { return block.VolumeSlider()->value() == 30; }, 1000));
    EXPECT_EQ(block.BalanceSlider()->value(), -50);
    EXPECT_EQ(block.VolumeSlider()->toolTip(), QStringLiteral("Громкость: 30%"));

    RunCommand(QStringLiteral("amixer -q set Master mute"));
    EXPECT_TRUE(SpinUntil([&] { return block.MuteCheck()->isChecked(); }, 1000));
}

TEST_F(MasterLine, SilenceKeepsTheBalanceSet)
{
    block.BalanceSlider()->setValue(40);
    block.VolumeSlider()->setValue(0);
    block.VolumeSlider()->setValue(50);
    EXPECT_EQ(control.Balance(), 40);
    EXPECT_EQ(ReadMaster().Left, 30);
}

// The server going away takes the mixer with it: the block is disabled, nothing spins.
TEST_F(MasterLine, LostServerDisablesTheBlockWithoutBusyLoop)
{
    TestSoundServer().stop();
    EXPECT_TRUE(SpinUntil([&] { return !block.isEnabled(); }, 3000));
    EXPECT_FALSE(device.IsOpen());
    const std::clock_t before = std::clock();
    Spin(500);
    EXPECT_LT(double(std::clock() - before) / CLOCKS_PER_SEC, 0.1);
}

} // namespace
