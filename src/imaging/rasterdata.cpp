#include "imaging/rasterdata.h"

#include "imaging/lereader.h"
#include "imaging/limits.h"
#include "imaging/pictureerror.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace {

constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr int kFileHeaderBytes = 14;

// Reads bytes with Qt's reader of exactly that format; a null image when it cannot or when the
// header claims more than kMaxPixels.
QImage ReadWithQt(QByteArrayView bytes, const char *format)
{
    QByteArray copy = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead() || !IsAcceptablePictureSize(reader.size())) return {};
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

std::unique_ptr<TPictureData> OpenWithQt(const QByteArray &bytes, const char *format,
                                         const char *name)
{
    QImage image = ReadWithQt(bytes, format);
    if (image.isNull())
        throw EPictureError(
            QStringLiteral("Файл не является рисунком %1").arg(QLatin1String(name)));
    return std::make_unique<TRasterData>(std::move(image));
}

// The size of the colour table and masks that follow a DIB header; -1 when it makes no sense.
qsizetype DibTableBytes(QByteArrayView dib)
{
    TLeReader r(dib);
    const std::uint32_t headerSize = r.U32();
    if (headerSize == 12) {
        r.Skip(6);
        const int bits = r.U16();
        return r.Failed() ? -1 : (bits <= 8 ? qsizetype(3) << bits : 0);
    }
    if (headerSize < 40 || headerSize > 1024) return -1;
    r.Skip(10);
    const int bits = r.U16();
    const std::uint32_t compression = r.U32();
    r.Skip(12);
    const std::uint32_t used = r.U32();
    if (r.Failed() || used > 256) return -1;
    qsizetype masks = 0;
    if (headerSize == 40 && compression == kBiBitfields)
        masks = 12;
    else if (headerSize == 40 && compression == kBiAlphaBitfields)
        masks = 16;
    const qsizetype colours = used ? used : (bits <= 8 ? qsizetype(1) << bits : 0);
    return masks + 4 * colours;
}

} // namespace

void DrawImageStretched(QPainter &painter, const QRectF &target, const QImage &image)
{
    if (image.isNull()) return;
    const bool smooth = painter.renderHints().testFlag(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QImage ScaledExactly(const QImage &image, QSize size)
{
    if (image.size() == size || image.isNull()) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TRasterData::Draw(QPainter &painter, const QRectF &target) const
{
    DrawImageStretched(painter, target, fImage);
}

QImage TRasterData::Render(QSize size) const
{
    return ScaledExactly(fImage, size);
}

std::unique_ptr<TPictureData> OpenBmp(const QByteArray &bytes)
{
    if (!bytes.startsWith("BM"))
        throw EPictureError(QStringLiteral("Файл не является рисунком BMP"));
    return OpenWithQt(bytes, "bmp", "BMP");
}

std::unique_ptr<TPictureData> OpenPng(const QByteArray &bytes)
{
    return OpenWithQt(bytes, "png", "PNG");
}

std::unique_ptr<TPictureData> OpenPackedDib(const QByteArray &bytes)
{
    if (bytes.startsWith("BM")) return OpenBmp(bytes);
    QImage image = DecodePackedDib(bytes);
    if (image.isNull()) throw EPictureError(QStringLiteral("Данные не являются рисунком DIB"));
    return std::make_unique<TRasterData>(std::move(image));
}

QImage DecodePackedDib(QByteArrayView dib)
{
    const qsizetype table = DibTableBytes(dib);
    if (table < 0) return {};
    TLeReader r(dib);
    const qsizetype offset = kFileHeaderBytes + qsizetype(r.U32()) + table;
    // A BMP file header in front (size, two reserved words, offset of the bits) lets Qt's BMP
    // reader take the DIB as it is.
    QByteArray file;
    file.reserve(kFileHeaderBytes + dib.size());
    file.append("BM");
    for (const std::uint32_t field :
         {std::uint32_t(kFileHeaderBytes + dib.size()), 0u, std::uint32_t(offset)})
        for (int i = 0; i < 4; ++i)
            file.append(char((field >> (8 * i)) & 0xFF));
    file.append(dib.data(), dib.size());
    return ReadWithQt(file, "bmp");
}
