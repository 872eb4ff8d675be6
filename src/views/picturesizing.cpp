#include "views/picturesizing.h"

#include <algorithm>
#include <cmath>

QPoint CenteredPicturePos(QSize box, QSize picture, const TScrollBars &bars)
{
    if (bars.Horizontal && bars.Vertical)
        return {0, 0};
    if (bars.Horizontal)
        return {0, (box.height() - bars.HorizontalSize - picture.height()) / 2};
    if (bars.Vertical)
        return {(box.width() - bars.VerticalSize - picture.width()) / 2, 0};
    return {(box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2};
}

QSize ZoomedSize(QSize size, double factor)
{
    // nearbyint rounds in the current rounding mode, which is to nearest with halves to even.
    return {int(std::nearbyint(size.width() * factor)),
            int(std::nearbyint(size.height() * factor))};
}

bool ZoomAllowed(QSize size, double factor)
{
    return std::nearbyint(size.width() * factor) <= kMaxZoomedSide &&
           std::nearbyint(size.height() * factor) <= kMaxZoomedSide;
}

namespace {

// Both sides scaled by f, the fractions dropped; never below nothing.
QSize Truncated(double width, double height, double f)
{
    return {std::max(0, int(std::trunc(width * f))), std::max(0, int(std::trunc(height * f)))};
}

} // namespace

QRect BestFitRect(QSize picture, QSize box)
{
    const double w = picture.width(), h = picture.height();
    const double pw = box.width(), ph = box.height();
    const double f = h < w ? (pw - 1) / (w + 1) : (ph - 1) / (h + 1);
    QSize fitted = Truncated(w, h, f);
    if (pw < fitted.width())
        fitted = Truncated(fitted.width(), fitted.height(), (pw - 1) / (fitted.width() + 1));
    else if (ph < fitted.height())
        fitted = Truncated(fitted.width(), fitted.height(), (ph - 1) / (fitted.height() + 1));
    return {QPoint((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2),
            fitted};
}
