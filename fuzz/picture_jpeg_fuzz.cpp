// JPEG through libjpeg-turbo (header, DCT-scaled and whole decodes, and the part in view of a
// picture drawn at its natural size), on arbitrary bytes.
#include "picturefuzz.h"

#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzPicture(data, size, "JPEG");
    TImagePicture picture;
    try {
        picture.LoadFromData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                             QStringLiteral("JPEG"));
    } catch (const EPictureError &) {
        return 0;
    }
    // The middle of the picture in a small view: only a part of it is decoded.
    const QSize natural = picture.NaturalSize();
    QImage view(64, 48, QImage::Format_RGB32);
    QPainter painter(&view);
    picture.Draw(painter, QRectF(QPointF(32 - natural.width() / 2, 24 - natural.height() / 2),
                                 QSizeF(natural)));
    return 0;
}
