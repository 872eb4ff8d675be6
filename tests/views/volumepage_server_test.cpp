// The volume page on the test's own sound server: "Общая" is the server's "Master" as ALSA shows
// it, and muting "Волновая" silences this program's streams only.
#include "views/volumepage.h"

#include "mixer/audioline.h"
#include "mixer/mixerblock.h"
#include "mixer/mixerblockslider.h"
#include "pulsesink.h"
#include "soundserver.h"
#include "spin.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

class VolumePageOnServer : public testing::Test {
protected:
    static void SetUpTestSuite() { TestSoundServer(); }
    void SetUp() override
    {
        if (!TestSoundServer().running()) GTEST_SKIP() << "no PulseAudio daemon";
        RunCommand(QStringLiteral("amixer -q set Master 100% unmute"));
        page = std::make_unique<TVolumePage>();
    }
    std::unique_ptr<TVolumePage> page;
};

TEST_F(VolumePageOnServer, OverallGroupIsTheMasterLineBothWays)
{
    ASSERT_TRUE(page->MasterBlock->isEnabled());
    EXPECT_EQ(page->MasterLine->Name(), QStringLiteral("Master"));
    EXPECT_EQ(page->MasterBlock->VolumeSlider()->value(), 100);

    RunCommand(QStringLiteral("amixer -q set Master 40%"));
    EXPECT_TRUE(SpinUntil([&] { return page->MasterBlock->VolumeSlider()->value() == 40; }, 1000));

    page->MasterBlock->VolumeSlider()->setValue(70);
    EXPECT_EQ(ReadMaster().Left, 70);
    page->MasterBlock->MuteCheck()->setChecked(true);
    EXPECT_FALSE(ReadMaster().On);
}

TEST_F(VolumePageOnServer, MutingTheWaveGroupLeavesTheOverallVolume)
{
    ASSERT_TRUE(page->WaveBlock->isEnabled());
    TSilentStream song;
    ASSERT_TRUE(SpinUntil([] { return ReadOwnStream().Index >= 0; }, 2000));
    page->WaveBlock->MuteCheck()->setChecked(true);
    EXPECT_TRUE(SpinUntil([] { return ReadOwnStream().Muted; }, 2000));
    const TAmixerMaster overall = ReadMaster();
    EXPECT_TRUE(overall.On);
    EXPECT_EQ(overall.Left, 100);
    EXPECT_FALSE(page->MasterBlock->MuteCheck()->isChecked());
}

} // namespace
