#include "views/cliplayout.h"

#include <cmath>

namespace {

// Round as the page's arithmetic does: to the nearest integer, halves to even (the default
// rounding mode).
int RoundEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

TRect ProportionalClipRect(QSize page, int barHeight, int statusHeight, QSize clip)
{
    const int a = page.width() - 4;
    const int b = page.height() - statusHeight - barHeight - 4;
    const int top0 = barHeight + 2;
    const int w = clip.width(), h = clip.height();
    if (w <= 0 || h <= 0) return {0, top0, 0, top0};
    const auto widthLimited = [&](int d) {
        const int top = (b - d) / 2 + top0;
        return TRect{0, top, a, top + d - 1};
    };
    const auto heightLimited = [&](int e) {
        const int left = (a - e) / 2;
        return TRect{left, top0, left + e, top0 + b};
    };
    if (h < w) {
        const int d = RoundEven(double(a) / w * h);
        return d < b ? widthLimited(d) : heightLimited(RoundEven(double(b) * w / h));
    }
    const int e = RoundEven(double(b) * w / h);
    return e < a ? heightLimited(e) : widthLimited(RoundEven(double(a) / w * h));
}

TRect NaturalClipRect(QSize area, QSize clip)
{
    const int left = area.width() < clip.width() ? 0 : (area.width() - clip.width()) / 2;
    const int top = area.height() < clip.height() ? 0 : (area.height() - clip.height()) / 2;
    return {left, top, 0, 0};
}
