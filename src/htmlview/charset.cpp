#include "htmlview/charset.h"

#include "htmlview/htmltags.h"
#include "platform/codepage.h"

#include <QStringDecoder>

namespace {

// Only the head of a file is searched for its <meta>: it must come early to count.
constexpr qsizetype kPrescanBytes = 4096;

// KOI8-R, bytes 0x80 to 0xFF (Russian pages of the time often used it).
constexpr char16_t kKoi8RHigh[128] = {
    0x2500, 0x2502, 0x250C, 0x2510, 0x2514, 0x2518, 0x251C, 0x2524, 0x252C, 0x2534, 0x253C, 0x2580,
    0x2584, 0x2588, 0x258C, 0x2590, 0x2591, 0x2592, 0x2593, 0x2320, 0x25A0, 0x2219, 0x221A, 0x2248,
    0x2264, 0x2265, 0x00A0, 0x2321, 0x00B0, 0x00B2, 0x00B7, 0x00F7, 0x2550, 0x2551, 0x2552, 0x0451,
    0x2553, 0x2554, 0x2555, 0x2556, 0x2557, 0x2558, 0x2559, 0x255A, 0x255B, 0x255C, 0x255D, 0x255E,
    0x255F, 0x2560, 0x2561, 0x0401, 0x2562, 0x2563, 0x2564, 0x2565, 0x2566, 0x2567, 0x2568, 0x2569,
    0x256A, 0x256B, 0x256C, 0x00A9, 0x044E, 0x0430, 0x0431, 0x0446, 0x0434, 0x0435, 0x0444, 0x0433,
    0x0445, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x044F, 0x0440, 0x0441,
    0x0442, 0x0443, 0x0436, 0x0432, 0x044C, 0x044B, 0x0437, 0x0448, 0x044D, 0x0449, 0x0447, 0x044A,
    0x042E, 0x0410, 0x0411, 0x0426, 0x0414, 0x0415, 0x0424, 0x0413, 0x0425, 0x0418, 0x0419, 0x041A,
    0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x042F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0416, 0x0412,
    0x042C, 0x042B, 0x0417, 0x0428, 0x042D, 0x0429, 0x0427, 0x042A,
};

QString DecodeKoi8R(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b < 0x80 ? char16_t(b) : kKoi8RHigh[b - 0x80]);
    }
    return text;
}

struct TBom {
    QByteArrayView Bytes;
    THtmlCharset Charset;
};

constexpr TBom kBoms[] = {
    {"\xEF\xBB\xBF", THtmlCharset::Utf8},
    {"\xFF\xFE", THtmlCharset::Utf16LE},
    {"\xFE\xFF", THtmlCharset::Utf16BE},
};

const TBom *BomOf(QByteArrayView bytes)
{
    for (const TBom &bom : kBoms)
        if (bytes.startsWith(bom.Bytes)) return &bom;
    return nullptr;
}

// The label after "charset=" in a Content-Type value.
QString CharsetParameter(QStringView content)
{
    const qsizetype at = content.indexOf(u"charset", 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    QStringView rest = content.mid(at + 7).trimmed();
    if (!rest.startsWith(u'=')) return {};
    rest = rest.mid(1).trimmed();
    if (rest.startsWith(u'"') || rest.startsWith(u'\'')) rest = rest.mid(1);
    qsizetype end = 0;
    while (end < rest.size() && !rest[end].isSpace() && rest[end] != u';' && rest[end] != u'"' &&
           rest[end] != u'\'')
        ++end;
    return rest.left(end).toString();
}

std::optional<THtmlCharset> MetaCharset(QByteArrayView bytes)
{
    const QString head = QString::fromLatin1(bytes.first(qMin(bytes.size(), kPrescanBytes)));
    std::optional<THtmlCharset> found;
    ScanHtmlTags(head, [&found](const THtmlTag &tag) {
        if (tag.Name != u"meta" || tag.Closing) return true;
        QString label = tag.Attr(u"charset").value_or(QString());
        if (label.isEmpty()) label = CharsetParameter(tag.Attr(u"content").value_or(QString()));
        found = HtmlCharsetByName(label.trimmed());
        // A file whose bytes could be read as its head was read is never UTF-16.
        if (found == THtmlCharset::Utf16LE || found == THtmlCharset::Utf16BE)
            found = THtmlCharset::Utf8;
        return !found;
    });
    return found;
}

} // namespace

std::optional<THtmlCharset> HtmlCharsetByName(QStringView label)
{
    static const std::pair<const char16_t *, THtmlCharset> names[] = {
        {u"windows-1251", THtmlCharset::Cp1251}, {u"cp1251", THtmlCharset::Cp1251},
        {u"x-cp1251", THtmlCharset::Cp1251},     {u"win-1251", THtmlCharset::Cp1251},
        {u"utf-8", THtmlCharset::Utf8},          {u"utf8", THtmlCharset::Utf8},
        {u"utf-16", THtmlCharset::Utf16LE},      {u"utf-16le", THtmlCharset::Utf16LE},
        {u"utf-16be", THtmlCharset::Utf16BE},    {u"iso-8859-1", THtmlCharset::Latin1},
        {u"latin1", THtmlCharset::Latin1},       {u"windows-1252", THtmlCharset::Latin1},
        {u"us-ascii", THtmlCharset::Latin1},     {u"ibm866", THtmlCharset::Cp866},
        {u"cp866", THtmlCharset::Cp866},         {u"koi8-r", THtmlCharset::Koi8R},
        {u"koi8r", THtmlCharset::Koi8R},
    };
    for (const auto &[name, charset] : names)
        if (label.compare(QStringView(name), Qt::CaseInsensitive) == 0) return charset;
    return std::nullopt;
}

THtmlCharset DetectHtmlCharset(QByteArrayView bytes)
{
    if (const TBom *bom = BomOf(bytes)) return bom->Charset;
    return MetaCharset(bytes).value_or(THtmlCharset::Cp1251);
}

QString DecodeHtml(QByteArrayView bytes)
{
    const THtmlCharset charset = DetectHtmlCharset(bytes);
    if (const TBom *bom = BomOf(bytes)) bytes = bytes.sliced(bom->Bytes.size());
    switch (charset) {
    case THtmlCharset::Cp1251:
        return DecodeCp1251(bytes);
    case THtmlCharset::Cp866:
        return DecodeCp866(bytes);
    case THtmlCharset::Koi8R:
        return DecodeKoi8R(bytes);
    case THtmlCharset::Latin1:
        return QString::fromLatin1(bytes);
    case THtmlCharset::Utf8:
        return QString::fromUtf8(bytes);
    case THtmlCharset::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
    case THtmlCharset::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes);
    }
    return DecodeCp1251(bytes);
}
