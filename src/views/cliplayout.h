#pragma once
// Where the clips page draws a clip's picture. Proportional stretch fills the page between its
// tool bar and status bar as far as the clip's proportions allow: centred on the free axis, a
// width-limited picture one pixel short of its computed height. Natural size centres the
// picture in the display area, or puts it at that edge where it does not fit. Divisions
// truncate toward zero; rounding is to the nearest integer, halves to even.

#include "views/mediaplayer.h"

#include <QSize>

// The picture's bounds on the page, for a page whose inside is page and whose tool bar and
// status bar are barHeight and statusHeight tall. A clip without a picture (a side of 0) gets
// empty bounds at the top left of the picture area.
TRect ProportionalClipRect(QSize page, int barHeight, int statusHeight, QSize clip);

// The destination of a clip at natural size in a display area of size area: its left and top
// with zero right and bottom.
TRect NaturalClipRect(QSize area, QSize clip);
