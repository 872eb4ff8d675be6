#pragma once
// The arithmetic of the picture pages: where a picture sits in its scroll box, how zooming and
// the proportional fit size it. Integer division truncates toward zero, as the placement wants.

#include <QPoint>
#include <QRect>
#include <QSize>

// Scroll bars of a box: which are shown and how thick they are.
struct TScrollBars {
    bool Horizontal = false;
    bool Vertical = false;
    int HorizontalSize = 0; // height of the horizontal bar
    int VerticalSize = 0;   // width of the vertical bar
};

// Top left of a picture of size picture in a box of size box (the box's outer size, bars
// included): at the left (top) edge along an axis whose scroll bar shows, centred otherwise.
QPoint CenteredPicturePos(QSize box, QSize picture, const TScrollBars &bars);

// size times factor, each side rounded to the nearest integer, halves to even: 101 by 1.25 is
// 126, 126 by 0.75 is 94.
QSize ZoomedSize(QSize size, double factor);
// The largest side a zoom may give: beyond it zooming in leaves the picture as it is.
inline constexpr int kMaxZoomedSide = 32768;
// Whether a zoom of size by factor stays within kMaxZoomedSide on both sides.
bool ZoomAllowed(QSize size, double factor);

// The proportional fit of a picture of size picture into a box of size box: the size scaled by
// (box - 1) / (picture + 1) along its longer side (truncated), scaled again along the other axis
// when it still does not fit, and centred. 400x300 in 200x200 gives 198x148 at (1, 26).
QRect BestFitRect(QSize picture, QSize box);
