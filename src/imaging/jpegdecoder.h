#pragma once
// JPEG through libjpeg-turbo: baseline, progressive, greyscale and CMYK/YCCK (Adobe inverted).
// The header alone gives the natural size; pixels are decoded at the size they are wanted, with
// DCT scaling (1/2, 1/4, 1/8) when that is smaller, and only the part wanted when that is less.

#include <QByteArrayView>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// The natural size read from the header; throws EPictureError.
QSize ReadJpegSize(QByteArrayView bytes);
// The DCT scale denominator (1, 2, 4 or 8) that decodes natural no smaller than wanted; 1 when
// wanted is empty.
int JpegScaleDenominator(QSize natural, QSize wanted);
// The size of the picture decoded at 1/denominator of natural (libjpeg rounds up).
QSize JpegScaledSize(QSize natural, int denominator);
// The picture decoded at 1/denominator of its natural size; throws EPictureError.
QImage DecodeJpeg(QByteArrayView bytes, int denominator);

// A part of a picture decoded at some scale: its pixels, and where they lie in the whole picture
// decoded at that scale.
struct TJpegPart {
    QImage Image;
    QPoint Origin;

    QRect Rect() const { return {Origin, Image.size()}; }
};

// The part of the picture at 1/denominator that holds wanted (in pixels of that scale, cut to the
// picture), its pixels within wanted those of the whole decode. It is larger: it starts a little
// before wanted, at a block column and a row of blocks, and reaches a little beyond wanted's right
// side (the colour planes' upsampling needs neighbours there); rows after wanted's last are not
// decoded at all. Throws EPictureError; an empty part for an empty wanted.
TJpegPart DecodeJpegPart(QByteArrayView bytes, int denominator, const QRect &wanted);
