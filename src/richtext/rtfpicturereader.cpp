#include "richtext/rtfpicturereader.h"

#include "richtext/bmpheader.h"
#include "richtext/rtfkeywords.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using TNibbles = std::array<signed char, 256>;

TNibbles MakeNibbles()
{
    TNibbles table;
    table.fill(-1);
    for (int c = 0; c < 10; ++c)
        table[size_t('0' + c)] = static_cast<signed char>(c);
    for (int c = 0; c < 6; ++c) {
        table[size_t('a' + c)] = static_cast<signed char>(10 + c);
        table[size_t('A' + c)] = static_cast<signed char>(10 + c);
    }
    return table;
}

const TNibbles kNibbles = MakeNibbles();

constexpr int kHiMetricPerInch = 2540;
constexpr int kTwipsPerInch = 1440;

int Positive(int value, int limit)
{
    return std::clamp(value, 0, limit);
}

int GoalSide(int twips, int scalePercent)
{
    const double pixels = TwipsToPixels(twips) * scalePercent / 100.0;
    return std::clamp(int(std::lround(pixels)), 1, TRtfPictureReader::kMaxSide);
}

} // namespace

void TRtfPictureReader::Start()
{
    *this = TRtfPictureReader();
}

void TRtfPictureReader::Word(int id, int param)
{
    switch (id) {
    case PictPng: case PictJpeg: case PictDib: case PictDdb: case PictWmf: case PictEmf:
    case PictOther: fType = id; break;
    case PictWidth: fWidth = Positive(param, kMaxSide * 100); break;
    case PictHeight: fHeight = Positive(param, kMaxSide * 100); break;
    case PictGoalWidth: fGoalWidth = Positive(param, kMaxSide * 15); break;
    case PictGoalHeight: fGoalHeight = Positive(param, kMaxSide * 15); break;
    case PictScaleX: fScaleX = std::clamp(param, 1, 10000); break;
    case PictScaleY: fScaleY = std::clamp(param, 1, 10000); break;
    case PictBitsPerPixel: fBitsPerPixel = param; break;
    case PictWidthBytes: fWidthBytes = Positive(param, kMaxSide * 4); break;
    default: break;
    }
}

// Whether count more bytes fit the limit; a picture that would pass it is dropped whole.
bool TRtfPictureReader::Fits(qsizetype count)
{
    if (!fTooLarge && fData.size() + count <= kMaxBytes)
        return true;
    fTooLarge = true;
    fData = QByteArray();
    return false;
}

void TRtfPictureReader::ReserveFor(qsizetype hexCharacters)
{
    fData.reserve(std::min(hexCharacters / 2 + 1, kMaxBytes + 1));
}

void TRtfPictureReader::HexText(std::string_view text)
{
    const qsizetype most = qsizetype(text.size()) / 2 + 1;
    if (!Fits(most - 1))
        return;
    const qsizetype start = fData.size();
    fData.resize(start + most);
    char *const first = fData.data() + start;
    char *out = first;
    int high = fHighNibble;
    for (const char c : text) {
        const int nibble = kNibbles[static_cast<unsigned char>(c)];
        if (nibble < 0)
            continue;
        if (high < 0) {
            high = nibble;
        } else {
            *out++ = char(high << 4 | nibble);
            high = -1;
        }
    }
    fHighNibble = high;
    fData.truncate(start + (out - first));
}

void TRtfPictureReader::BinaryData(std::string_view data)
{
    if (Fits(qsizetype(data.size())))
        fData.append(data.data(), qsizetype(data.size()));
}

QSize TRtfPictureReader::GoalPixels() const
{
    int width = fGoalWidth;
    int height = fGoalHeight;
    const bool metafile = fType == PictWmf || fType == PictEmf;
    if (metafile && (width <= 0 || height <= 0)) {
        width = int(qint64(fWidth) * kTwipsPerInch / kHiMetricPerInch);
        height = int(qint64(fHeight) * kTwipsPerInch / kHiMetricPerInch);
    }
    if (width <= 0 || height <= 0)
        return {};
    return QSize(GoalSide(width, fScaleX), GoalSide(height, fScaleY));
}

// A device-dependent bitmap (\wbitmap) is rows of bits without a header, top row first, each
// row padded to two bytes. As a BMP file: a header naming the size, top-down rows padded to four
// bytes, black and white for one bit per pixel.
QByteArray TRtfPictureReader::DdbAsBmp() const
{
    const int bpp = fBitsPerPixel;
    if ((bpp != 1 && bpp != 24 && bpp != 32) || fWidth <= 0 || fWidth > kMaxSide ||
        fHeight <= 0 || fHeight > kMaxSide)
        return {};
    const qsizetype rowBits = qsizetype(fWidth) * bpp;
    const qsizetype sourceStride = fWidthBytes > 0 ? fWidthBytes : (rowBits + 15) / 16 * 2;
    const qsizetype stride = (rowBits + 31) / 32 * 4;
    if (sourceStride * fHeight > fData.size() || sourceStride * 8 < rowBits)
        return {};
    const quint32 paletteBytes = bpp == 1 ? 8 : 0;
    const quint32 bitsOffset = 14 + 40 + paletteBytes;
    QByteArray bmp = BmpFileHeader(quint32(bitsOffset + stride * fHeight), bitsOffset);
    for (const quint32 v : {40u, quint32(fWidth), quint32(-fHeight)}) // top-down rows
        AppendLittleEndian(bmp, v, 4);
    AppendLittleEndian(bmp, 1, 2);
    AppendLittleEndian(bmp, quint32(bpp), 2);
    for (const quint32 v : {0u, quint32(stride * fHeight), 2835u, 2835u, paletteBytes / 4, 0u})
        AppendLittleEndian(bmp, v, 4);
    if (bpp == 1)
        bmp.append("\0\0\0\0\xFF\xFF\xFF\0", 8);
    for (int y = 0; y < fHeight; ++y) {
        bmp.append(fData.constData() + y * sourceStride, std::min(sourceStride, stride));
        bmp.append(QByteArray(std::max<qsizetype>(0, stride - sourceStride), '\0'));
    }
    return bmp;
}

std::optional<TRtfPicture> TRtfPictureReader::Finish()
{
    static const std::pair<int, const char *> kFormats[] = {
        {PictPng, "PNG"}, {PictJpeg, "JPEG"}, {PictDib, "DIB"},
        {PictDdb, "BMP"}, {PictWmf, "WMF"},   {PictEmf, "EMF"}};
    if (fTooLarge || fData.isEmpty())
        return std::nullopt;
    for (const auto &[type, name] : kFormats) {
        if (type != fType)
            continue;
        TRtfPicture picture;
        picture.format = QString::fromLatin1(name);
        picture.goalPixels = GoalPixels();
        picture.data = type == PictDdb ? DdbAsBmp() : std::move(fData);
        if (picture.data.isEmpty())
            return std::nullopt;
        return picture;
    }
    return std::nullopt;
}
