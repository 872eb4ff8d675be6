// The font table (\fonttbl) and the colour table (\colortbl).
#include "richtext/rtfreader.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Longer font names are cut: no font has one, and a broken file must not grow without end.
constexpr qsizetype kMaxFontName = 256;

// Windows names a font's character-set variant by a suffix ("Arial Cyr", "Times New Roman CYR");
// the family itself is what the fonts here know.
QString FamilyName(const QString &name)
{
    static const QRegularExpression suffix(
        QStringLiteral(" (Cyr|CE|Greek|Tur|Baltic|\\(Hebrew\\)|\\(Arabic\\)|\\(Vietnamese\\))$"),
        QRegularExpression::CaseInsensitiveOption);
    QString family = name.trimmed();
    family.remove(suffix);
    return family;
}

QString DecodeIn(int codePage, int fallback, const QByteArray &bytes)
{
    const TCodePageTable *table = FindCodePage(codePage);
    if (!table || codePage == kSymbolCodePage)
        table = FindCodePage(fallback);
    if (!table)
        table = FindCodePage(1251);
    QString text;
    for (const char b : bytes)
        text.append(QChar((*table)[static_cast<unsigned char>(b)]));
    return text;
}

} // namespace

void TRtfReader::FontTableWord(const TRtfKeyword &keyword, int param)
{
    if (keyword.cls != TKwClass::Document)
        return;
    switch (keyword.id) {
    case DocFont:
        CommitFont();
        fFontPending = true;
        fFontIndex = param;
        fFontCharset = -1;
        fFontCodePage = 0;
        fFontName.clear();
        break;
    case DocCharset: fFontCharset = param; break;
    case DocFontCodePage: fFontCodePage = param; break;
    default: break;
    }
}

void TRtfReader::FontTableBytes(std::string_view bytes)
{
    for (const char b : bytes) {
        if (b == ';')
            CommitFont();
        else if (fFontPending && fFontName.size() < kMaxFontName)
            fFontName.append(b);
    }
}

// A \cpg names the code page itself and wins over the character set.
void TRtfReader::CommitFont()
{
    if (!fFontPending)
        return;
    fFontPending = false;
    TRtfFont font;
    font.codePage = FindCodePage(fFontCodePage) ? fFontCodePage : CodePageOfCharset(fFontCharset);
    font.family = FamilyName(DecodeIn(font.codePage, fTables.ansiCodePage, fFontName));
    fTables.fonts.insert(fFontIndex, font);
}

void TRtfReader::ColorTableWord(const TRtfKeyword &keyword, int param)
{
    if (keyword.cls != TKwClass::Document)
        return;
    const int value = std::clamp(param, 0, 255);
    switch (keyword.id) {
    case DocRed: fRed = value; break;
    case DocGreen: fGreen = value; break;
    case DocBlue: fBlue = value; break;
    default: return;
    }
    fColorGiven = true;
}

// Each ";" ends an entry; one without colour words is "automatic".
void TRtfReader::ColorTableBytes(std::string_view bytes)
{
    for (const char b : bytes) {
        if (b != ';')
            continue;
        fTables.colors.append(fColorGiven ? fRed << 16 | fGreen << 8 | fBlue : TRtfTables::kAutomatic);
        fColorGiven = false;
        fRed = fGreen = fBlue = 0;
    }
}
