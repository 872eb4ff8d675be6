#pragma once
// GIF through giflib: the first frame as a still picture on the logical screen, its transparent
// colour kept as transparency.

#include "imaging/pictureformat.h"

#include <QByteArrayView>
#include <QImage>

// The first frame on its screen (transparent where the frame does not cover it); throws
// EPictureError. A frame cut short keeps the rows that were read.
QImage DecodeGif(QByteArrayView bytes);

std::unique_ptr<TPictureData> OpenGif(const QByteArray &bytes);
