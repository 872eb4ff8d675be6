// The volume page on a machine without any mixer and without a sound server: both blocks are
// disabled and say why; the page still lays its groups out.
#include "views/volumepage.h"

#include "mixer/audioline.h"
#include "mixer/mixerblock.h"
#include "mixer/mixerblockslider.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <gtest/gtest.h>

#include "nomixer.h"

namespace {

class VolumePageNoMixer : public testing::Test {
protected:
    static void SetUpTestSuite() { UseMachineWithoutMixer(); }
    TVolumePage page;
};

TEST_F(VolumePageNoMixer, BlocksAreDisabledAndSayWhy)
{
    EXPECT_EQ(page.MasterGr->title(), QStringLiteral("Общая"));
    EXPECT_EQ(page.WaveGr->title(), QStringLiteral("Волновая"));
    EXPECT_FALSE(page.MasterLine->Available());
    EXPECT_FALSE(page.WaveOut->Available());
    EXPECT_FALSE(page.MasterBlock->isEnabled());
    EXPECT_FALSE(page.WaveBlock->isEnabled());
    EXPECT_EQ(page.MasterBlock->VolumeSlider()->toolTip(), QStringLiteral("Микшер не найден"));
    EXPECT_FALSE(page.WaveBlock->VolumeSlider()->toolTip().isEmpty());
    // The blocks' controls carry the page's names.
    for (const char *name :
         {"MMMixerBlockSlider1", "MasterSlider", "MMMixerBlockSlider2", "WaveSlider"})
        EXPECT_NE(page.findChild<TMMMixerBlockSlider *>(name), nullptr) << name;
    EXPECT_EQ(page.findChild<QCheckBox *>("WaveCB")->text(), QStringLiteral("Выкл."));
    EXPECT_EQ(page.findChild<QCheckBox *>("MasterCB")->parent(), page.MasterBlock);
}

// Groups: the page's height less twice their top and 4; blocks: the group's height less twice
// their top, plus the text height of the group's caption. Widths and places stay.
TEST_F(VolumePageNoMixer, ResizingMakesBothGroupsAndBlocksEquallyTall)
{
    const int text = QFontMetrics(page.MasterGr->font()).height();
    const struct {
        int pageHeight;
        int groupHeight;
        int blockHeight;
    } cases[] = {
        {400, 400 - 16 - 4, 400 - 16 - 4 - 40 + text},
        {315, 315 - 20, 315 - 20 - 40 + text},
        {600, 580, 580 - 40 + text},
        {10, 0, 0}, // too small: empty, never negative
    };
    for (const auto &c : cases) {
        page.resize(500, c.pageHeight);
        page.VolSheetResize();
        for (QWidget *group :
             {static_cast<QWidget *>(page.MasterGr), static_cast<QWidget *>(page.WaveGr)})
            EXPECT_EQ(group->geometry(), QRect(group->x(), TVolumePage::GroupTop,
                                               TVolumePage::GroupWidth, c.groupHeight))
                << c.pageHeight;
        for (QWidget *block : {page.MasterBlock, page.WaveBlock})
            EXPECT_EQ(block->geometry(), QRect(TVolumePage::BlockLeft, TVolumePage::BlockTop,
                                               TVolumePage::GroupWidth - 2 * TVolumePage::BlockLeft,
                                               std::max(0, c.blockHeight)))
                << c.pageHeight;
    }
    EXPECT_EQ(page.MasterGr->x(), TVolumePage::GroupLeft);
    EXPECT_EQ(page.WaveGr->x(), 2 * TVolumePage::GroupLeft + TVolumePage::GroupWidth);
}

} // namespace
