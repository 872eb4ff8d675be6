// The mixer block's own parts: the scales of its sliders, names and keyboard reach.
#include "mixer/mixerblock.h"
#include "mixer/mixerblockslider.h"

#include <QCheckBox>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(MixerBlock, ScalesHaveTheirTicksAndLongEnds)
{
    TMMMixerBlock block;
    block.resize(120, 260);
    block.show();
    const TMMMixerBlockSlider *balance = block.BalanceSlider();
    const TMMMixerBlockSlider *volume = block.VolumeSlider();
    EXPECT_EQ(balance->orientation(), Qt::Horizontal);
    EXPECT_EQ(balance->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(volume->orientation(), Qt::Vertical);
    EXPECT_EQ(volume->tickPosition(), QSlider::TicksBothSides);
    ASSERT_EQ(balance->TickCount(), 3);
    ASSERT_EQ(volume->TickCount(), 7);
    const std::vector<bool> balanceLong = {true, false, true};
    const std::vector<bool> volumeLong = {true, false, false, false, false, false, true};
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(balance->IsLongTick(tick), balanceLong[tick]) << tick;
    for (int tick = 0; tick < 7; ++tick)
        EXPECT_EQ(volume->IsLongTick(tick), volumeLong[tick]) << tick;
}

TEST(MixerBlock, TicksSpreadEvenlyFromEndToEnd)
{
    TMMMixerBlockSlider slider(Qt::Horizontal, 3, 2);
    slider.setRange(-100, 100);
    slider.resize(200, 40);
    const int first = slider.TickOffset(0), middle = slider.TickOffset(1),
              last = slider.TickOffset(2);
    EXPECT_LT(first, middle);
    EXPECT_LT(middle, last);
    EXPECT_NEAR(middle - first, last - middle, 1);
    EXPECT_NEAR(first + last, 200, 2) << "symmetric about the centre";

    TMMMixerBlockSlider vertical(Qt::Vertical, 7, 6);
    vertical.setRange(0, 100);
    vertical.resize(40, 300);
    EXPECT_GT(vertical.TickOffset(0), vertical.TickOffset(6)) << "the minimum is at the bottom";
}

TEST(MixerBlock, ScaleIsDrawnBesideTheGroove)
{
    TMMMixerBlockSlider slider(Qt::Horizontal, 3, 2);
    slider.setTickPosition(QSlider::TicksBelow);
    slider.resize(200, slider.sizeHint().height());
    QImage image(slider.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    slider.render(&image);
    const QColor ink = slider.palette().color(QPalette::WindowText);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        inked += QColor(image.pixel(slider.TickOffset(2), y)) == ink;
    EXPECT_GE(inked, TMMMixerBlockSlider::LongTick);
}

TEST(MixerBlock, ControlsHaveNamesAndTakeTheKeyboard)
{
    TMMMixerBlock block;
    EXPECT_EQ(block.BalanceSlider()->accessibleName(), QStringLiteral("Баланс"));
    EXPECT_EQ(block.VolumeSlider()->accessibleName(), QStringLiteral("Громкость"));
    EXPECT_EQ(block.MuteCheck()->text(), QStringLiteral("Выкл."));
    for (QWidget *control :
         {static_cast<QWidget *>(block.BalanceSlider()),
          static_cast<QWidget *>(block.VolumeSlider()), static_cast<QWidget *>(block.MuteCheck())})
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus);
}

} // namespace
