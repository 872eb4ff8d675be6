#pragma once
// A JPEG file as the picture object holds it: the header read when opened, the pixels decoded
// when drawn, at the scale drawn and only around the part in view (a 12-megapixel photo at its
// natural size in a scroll box shows a screenful of it). The part decoded is kept, so that the
// small scrolls that repaint strips at the edge of the view decode nothing.

#include "imaging/pictureformat.h"

std::unique_ptr<TPictureData> OpenJpeg(const QByteArray &bytes);
