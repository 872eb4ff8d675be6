#pragma once
// JPEG through libjpeg-turbo: baseline, progressive, greyscale and CMYK/YCCK (Adobe inverted).
// The header alone gives the natural size; pixels are decoded at the size they are wanted, with
// DCT scaling (1/2, 1/4, 1/8) when that is smaller.

#include "imaging/pictureformat.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>

// The natural size read from the header; throws EPictureError.
QSize ReadJpegSize(QByteArrayView bytes);
// The DCT scale denominator (1, 2, 4 or 8) that decodes natural no smaller than wanted; 1 when
// wanted is empty.
int JpegScaleDenominator(QSize natural, QSize wanted);
// The picture decoded at 1/denominator of its natural size; throws EPictureError.
QImage DecodeJpeg(QByteArrayView bytes, int denominator);

std::unique_ptr<TPictureData> OpenJpeg(const QByteArray &bytes);
