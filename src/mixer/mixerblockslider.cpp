#include "mixer/mixerblockslider.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <algorithm>

TMMMixerBlockSlider::TMMMixerBlockSlider(Qt::Orientation orientation, int tickCount,
                                         int longTickEvery, QWidget *parent)
    : QSlider(orientation, parent), fTickCount(std::max(tickCount, 2)),
      fLongTickEvery(std::max(longTickEvery, 1))
{}

int TMMMixerBlockSlider::TickOffset(int tick) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int handleLength = horizontal ? handle.width() : handle.height();
    const int span = (horizontal ? width() : height()) - handleLength;
    // Ticks spread over the range as values do; a vertical slider has its minimum at the bottom.
    const int value = minimum() + int(qint64(maximum() - minimum()) * tick / (fTickCount - 1));
    return handleLength / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, !horizontal);
}

void TMMMixerBlockSlider::paintEvent(QPaintEvent *)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    // The style reserves room for the ticks; the scale drawn there is ours.
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    DrawScale(painter,
              style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this));
}

void TMMMixerBlockSlider::DrawScale(QPainter &painter, const QRect &groove)
{
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const bool horizontal = orientation() == Qt::Horizontal;
    const bool before = tickPosition() & TicksAbove; // above, or left of a vertical slider
    const bool after = tickPosition() & TicksBelow;
    for (int tick = 0; tick < fTickCount; ++tick) {
        const int along = TickOffset(tick);
        const int length = IsLongTick(tick) ? LongTick : ShortTick;
        if (horizontal) {
            if (before) painter.drawLine(along, groove.top() - 2, along, groove.top() - 1 - length);
            if (after)
                painter.drawLine(along, groove.bottom() + 2, along, groove.bottom() + 1 + length);
        } else {
            if (before)
                painter.drawLine(groove.left() - 2, along, groove.left() - 1 - length, along);
            if (after)
                painter.drawLine(groove.right() + 2, along, groove.right() + 1 + length, along);
        }
    }
}
