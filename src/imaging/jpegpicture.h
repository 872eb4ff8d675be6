#pragma once
// A JPEG file as the picture object holds it: the header read when opened, the pixels decoded
// when drawn, at the scale drawn and only around the part in view (a 12-megapixel photo at its
// natural size in a scroll box shows a screenful of it). The part decoded is kept, so that the
// small scrolls that repaint strips at the edge of the view decode nothing.

#include "imaging/pictureformat.h"

#include <QRect>
#include <QRectF>

// The pixels of a picture of size picture that drawing it stretched into target shows within
// visible (both in the painter's coordinates), with margin pixels more on each side for the
// smoothing of a scaled drawing; cut to the picture, empty when nothing of it shows.
QRect PixelsInView(QSize picture, const QRectF &target, const QRectF &visible, int margin);

// The part to decode so that needed shows and scrolls by up to half of it need nothing more:
// needed grown by half its size on each side (64 pixels at least), cut to the picture; the whole
// picture when that part would cover half of it or more.
QRect PartToDecode(QSize picture, const QRect &needed);

std::unique_ptr<TPictureData> OpenJpeg(const QByteArray &bytes);
