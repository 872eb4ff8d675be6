// A machine without any mixer and without a sound server: the blocks are disabled and say why,
// and nothing else fails.
#include "mixer/audioline.h"
#include "mixer/mixerblock.h"
#include "mixer/mixerblockslider.h"
#include "mixer/mixercontrol.h"
#include "mixer/mixerdevice.h"

#include <QCheckBox>
#include <gtest/gtest.h>

#include "nomixer.h"

namespace {

class NoMixer : public testing::Test {
protected:
    static void SetUpTestSuite() { UseMachineWithoutMixer(); }
};

TEST_F(NoMixer, BlocksAreDisabledAndSayWhy)
{
    TMMMixerDevice device;
    EXPECT_FALSE(device.Open());
    TMMAudioLine master(&device, TMMLineType::Speakers), wave(&device, TMMLineType::WaveOut);
    TMMMixerControl masterVol(&master), waveCtrl(&wave);
    TMMMixerBlock masterBlock, waveBlock;
    masterBlock.SetLine(&master);
    masterBlock.SetControl(&masterVol);
    waveBlock.SetLine(&wave);
    waveBlock.SetControl(&waveCtrl);

    EXPECT_FALSE(master.Available());
    EXPECT_FALSE(wave.Available());
    EXPECT_FALSE(masterBlock.isEnabled());
    EXPECT_FALSE(waveBlock.isEnabled());
    EXPECT_EQ(masterBlock.VolumeSlider()->toolTip(), QStringLiteral("Микшер не найден"));
    EXPECT_EQ(waveBlock.VolumeSlider()->toolTip(),
              QStringLiteral("Нет ни линии «PCM» в микшере, ни звукового сервера"));
}

TEST_F(NoMixer, ChangesToUnavailableLinesAreIgnored)
{
    TMMMixerDevice device;
    TMMAudioLine wave(&device, TMMLineType::WaveOut);
    TMMMixerControl control(&wave);
    control.SetVolume(50);
    control.SetBalance(-20);
    wave.SetMute(true);
    EXPECT_EQ(control.Volume(), 0);
    EXPECT_FALSE(wave.Mute());
    EXPECT_TRUE(wave.Name().isEmpty());
}

TEST_F(NoMixer, UnboundBlockIsDisabled)
{
    TMMMixerBlock block;
    EXPECT_FALSE(block.isEnabled());
    EXPECT_FALSE(block.toolTip().isEmpty());
}

} // namespace
