#include "platform/codepage.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>

namespace {

using THighHalf = std::array<char16_t, 128>; // characters of the bytes 0x80-0xFF

constexpr THighHalf kCp1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98 (0x98 unassigned)
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

constexpr THighHalf kCp866 = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 80
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 88
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 90
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 98
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // A0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, // D8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // E0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // E8
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E, // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0, // F8
};

// Byte for every UTF-16 unit; 0 marks "not representable" (NUL itself is handled apart).
using TReverse = std::array<uint8_t, 0x10000>;

TReverse MakeReverse(const THighHalf &high)
{
    TReverse reverse{};
    for (int c = 1; c < 0x80; ++c)
        reverse[size_t(c)] = uint8_t(c);
    for (int b = 0; b < 0x80; ++b)
        reverse[high[size_t(b)]] = uint8_t(0x80 + b);
    return reverse;
}

const TReverse &Reverse1251()
{
    static const TReverse table = MakeReverse(kCp1251);
    return table;
}

const TReverse &Reverse866()
{
    static const TReverse table = MakeReverse(kCp866);
    return table;
}

// All 256 characters of a code page, so decoding needs no branch per byte.
using TFullTable = std::array<char16_t, 256>;

TFullTable MakeFull(const THighHalf &high)
{
    TFullTable table{};
    for (int b = 0; b < 0x80; ++b)
        table[size_t(b)] = char16_t(b);
    for (int b = 0; b < 0x80; ++b)
        table[size_t(0x80 + b)] = high[size_t(b)];
    return table;
}

const TFullTable kFull1251 = MakeFull(kCp1251);
const TFullTable kFull866 = MakeFull(kCp866);

void Fill(char16_t *dst, QByteArrayView bytes, const TFullTable &table)
{
    const auto *src = reinterpret_cast<const uint8_t *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = table[src[i]];
}

QString Decode(QByteArrayView bytes, const TFullTable &table)
{
    QString result(bytes.size(), Qt::Uninitialized); // exactly sized: models keep many
    Fill(reinterpret_cast<char16_t *>(result.data()), bytes, table);
    return result;
}

// Appends text, unrepresentable characters as '?'; returns how many there were.
qsizetype Append(QByteArray &out, QStringView text, const TReverse &reverse)
{
    qsizetype failures = 0;
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *dst = out.data() + start;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        uint8_t b = reverse[c];
        if (b == 0 && c != 0) {
            ++failures;
            b = '?';
        }
        *dst++ = char(b);
    }
    return failures;
}

QByteArray Encode(QStringView text, const TReverse &reverse, bool *ok)
{
    QByteArray out;
    const bool fits = Append(out, text, reverse) == 0;
    if (ok)
        *ok = fits;
    return out;
}

bool IsContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence starting at p, or 0 when it is not one.
int Utf8SequenceLength(const uint8_t *p, const uint8_t *end)
{
    const uint8_t b = *p;
    int length = 0;
    uint32_t minimum = 0;
    uint32_t code = 0;
    if (b >= 0xC2 && b <= 0xDF)
        length = 2, minimum = 0x80, code = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF)
        length = 3, minimum = 0x800, code = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4)
        length = 4, minimum = 0x10000, code = b & 0x07;
    else
        return 0;
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(p[i]))
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < minimum || code > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

QString DecodeCp1251(QByteArrayView bytes) { return Decode(bytes, kFull1251); }
QString DecodeCp866(QByteArrayView bytes) { return Decode(bytes, kFull866); }

void DecodeCp1251Into(QString &out, QByteArrayView bytes)
{
    out.resize(bytes.size());
    Fill(reinterpret_cast<char16_t *>(out.data()), bytes, kFull1251);
}

QByteArray EncodeCp1251(QStringView text, bool *ok) { return Encode(text, Reverse1251(), ok); }
QByteArray EncodeCp866(QStringView text, bool *ok) { return Encode(text, Reverse866(), ok); }

bool AppendCp1251(QByteArray &out, QStringView text)
{
    return Append(out, text, Reverse1251()) == 0;
}

bool CanEncodeCp1251(QStringView text)
{
    const TReverse &reverse = Reverse1251();
    for (const QChar c : text)
        if (reverse[c.unicode()] == 0 && c.unicode() != 0)
            return false;
    return true;
}

QByteArrayView WithoutBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(kUtf8Bom)) ? bytes.sliced(3) : bytes;
}

TUtf8Shape Utf8Shape(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uint8_t *>(bytes.data());
    const auto *end = p + bytes.size();
    TUtf8Shape shape = TUtf8Shape::Ascii;
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = Utf8SequenceLength(p, end);
        if (length == 0)
            return TUtf8Shape::Invalid;
        shape = TUtf8Shape::Utf8;
        p += length;
    }
    return shape;
}

TTextEncoding DetectListEncoding(QByteArrayView bytes)
{
    const bool utf8 =
        bytes.startsWith(QByteArrayView(kUtf8Bom)) || Utf8Shape(bytes) == TUtf8Shape::Utf8;
    return utf8 ? TTextEncoding::Utf8 : TTextEncoding::Cp1251;
}

QString DecodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

QString DecodeText(TTextEncoding encoding, QByteArrayView bytes)
{
    return encoding == TTextEncoding::Utf8 ? DecodeUtf8(bytes) : DecodeCp1251(bytes);
}

QString DecodeListText(QByteArrayView bytes)
{
    return DecodeText(DetectListEncoding(bytes), WithoutBom(bytes));
}

QByteArray EncodeListText(QStringView text)
{
    if (CanEncodeCp1251(text)) {
        QByteArray bytes = EncodeCp1251(text);
        if (Utf8Shape(bytes) != TUtf8Shape::Utf8)
            return bytes;
    }
    return QByteArray(kUtf8Bom) + text.toUtf8();
}
