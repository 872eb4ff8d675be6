#include "richtext/picturedecoder.h"

#include "richtext/bmpheader.h"

#include <QtEndian>

namespace {

TPictureDecoder &InstalledDecoder()
{
    static TPictureDecoder decoder = DefaultPictureDecoder;
    return decoder;
}

constexpr quint32 kCoreHeaderSize = 12; // BITMAPCOREHEADER: 3-byte palette entries
constexpr quint32 kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr quint32 kBitFields = 3;       // BI_BITFIELDS: three masks follow a 40-byte header

// Bytes of the colour table (and masks) between a packed bitmap's header and its rows.
qint64 ColourTableBytes(const QByteArray &dib, quint32 headerSize)
{
    const auto *p = reinterpret_cast<const uchar *>(dib.constData());
    if (headerSize == kCoreHeaderSize) {
        const quint16 bits = qFromLittleEndian<quint16>(p + 10);
        return bits <= 8 ? (qint64(1) << bits) * 3 : 0;
    }
    if (headerSize < kInfoHeaderSize)
        return -1;
    const quint16 bits = qFromLittleEndian<quint16>(p + 14);
    const quint32 compression = qFromLittleEndian<quint32>(p + 16);
    const quint32 used = qFromLittleEndian<quint32>(p + 32);
    const qint64 masks = headerSize == kInfoHeaderSize && compression == kBitFields ? 12 : 0;
    const qint64 colours = used ? used : bits <= 8 ? qint64(1) << bits : 0;
    return masks + colours * 4;
}

} // namespace

void SetPictureDecoder(TPictureDecoder decoder)
{
    InstalledDecoder() = decoder ? std::move(decoder) : TPictureDecoder(DefaultPictureDecoder);
}

const TPictureDecoder &PictureDecoder()
{
    return InstalledDecoder();
}

QByteArray DibAsBmpFile(const QByteArray &dib)
{
    if (dib.size() < qsizetype(kCoreHeaderSize))
        return {};
    const quint32 headerSize = qFromLittleEndian<quint32>(dib.constData());
    if (headerSize < kCoreHeaderSize || headerSize > quint32(dib.size()))
        return {};
    const qint64 colours = ColourTableBytes(dib, headerSize);
    const qint64 offset = 14 + qint64(headerSize) + colours;
    if (colours < 0 || offset > 14 + qint64(dib.size()))
        return {};
    return BmpFileHeader(quint32(14 + dib.size()), quint32(offset)) + dib;
}

QImage DefaultPictureDecoder(const QByteArray &data, const QString &format, const QSize &)
{
    if (format == QLatin1String("PNG") || format == QLatin1String("JPEG") ||
        format == QLatin1String("BMP"))
        return QImage::fromData(data, format.toLatin1().constData());
    if (format == QLatin1String("DIB")) {
        const QByteArray bmp = DibAsBmpFile(data);
        return bmp.isEmpty() ? QImage() : QImage::fromData(bmp, "BMP");
    }
    return {};
}
