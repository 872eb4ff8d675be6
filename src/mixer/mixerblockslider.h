#pragma once
// TMMMixerBlockSlider: a linear slider with a scale of evenly spread ticks, the first at the
// minimum and the last at the maximum, every LongTickEvery-th of them (counting from the
// first) drawn long. The scale sits on the side(s) tickPosition() names.

#include <QSlider>

class TMMMixerBlockSlider : public QSlider {
    Q_OBJECT
public:
    TMMMixerBlockSlider(Qt::Orientation orientation, int tickCount, int longTickEvery,
                        QWidget *parent = nullptr);

    int TickCount() const { return fTickCount; }
    bool IsLongTick(int tick) const { return tick % fLongTickEvery == 0; }
    // Where a tick is drawn along the slider, in pixels from its left or top edge.
    int TickOffset(int tick) const;

    static constexpr int ShortTick = 3; // pixels
    static constexpr int LongTick = 6;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void DrawScale(QPainter &painter, const QRect &groove);

    int fTickCount;
    int fLongTickEvery;
};
