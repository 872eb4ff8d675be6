// The main window on a machine without any mixer and without a sound server: the volume page is
// offered with both blocks disabled, and the rest of the window works.
#include "mainffixture.h"

#include "mixer/mixerblock.h"
#include "views/volumepage.h"

#include <QTabWidget>

#include "nomixer.h"

namespace {

class NoMixerWindowTest : public MainFTest {
protected:
    static void SetUpTestSuite() { UseMachineWithoutMixer(); }
};

} // namespace

TEST_F(NoMixerWindowTest, VolumePageIsOfferedDisabledAndTheRestWorks)
{
    Start();
    window->LoadPlaylist(WriteStandardList("disc/l.pl"));
    window->FormActivate();
    TVolumePage &page = *window->VolSheet;
    EXPECT_TRUE(window->PageVisible(TMainF::VolumePage));
    ASSERT_TRUE(window->ViewItem(TMainF::VolumePage)->isEnabled());
    window->ViewItem(TMainF::VolumePage)->trigger();
    EXPECT_EQ(window->PageControl1->currentWidget(), &page);
    EXPECT_FALSE(page.MasterBlock->isEnabled());
    EXPECT_FALSE(page.WaveBlock->isEnabled());
    EXPECT_FALSE(page.MasterBlock->toolTip().isEmpty());

    EXPECT_EQ(window->MP3Player().PlayerMode(), 3) << "songs play without a mixer";
    window->PlayControl().NextTBClick();
    EXPECT_EQ(SongIndex(), 1);
    EXPECT_EQ(window->MP3Player().PlayerMode(), 3);
}
