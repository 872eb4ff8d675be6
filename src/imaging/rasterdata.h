#pragma once
// Pictures decoded whole when opened (BMP and DIB through Qt's BMP reader, PNG through Qt's PNG
// reader, GIF's first frame), and the DIB parsing that metafiles' bitmap records share.

#include "imaging/pictureformat.h"

#include <QByteArrayView>
#include <QImage>

// A decoded picture held as one image.
class TRasterData : public TPictureData {
public:
    explicit TRasterData(QImage image) : fImage(std::move(image)) {}
    QSize NaturalSize() const override { return fImage.size(); }
    void Draw(QPainter &painter, const QRectF &target) const override;
    QImage Render(QSize size) const override;

private:
    QImage fImage;
};

// Draws image stretched into target, smoothly when it is scaled.
void DrawImageStretched(QPainter &painter, const QRectF &target, const QImage &image);
// The image at exactly size, smoothly scaled when it differs.
QImage ScaledExactly(const QImage &image, QSize size);

// A BMP file (starting with "BM") through Qt's BMP reader; the format is never sniffed.
std::unique_ptr<TPictureData> OpenBmp(const QByteArray &bytes);
std::unique_ptr<TPictureData> OpenPng(const QByteArray &bytes);
// A packed DIB (header, colour table and bits without the file header), or a BMP file.
std::unique_ptr<TPictureData> OpenPackedDib(const QByteArray &bytes);

// A packed DIB as an image; a null image when it is damaged, compressed in a way not read, or
// larger than kMaxPixels.
QImage DecodePackedDib(QByteArrayView dib);
