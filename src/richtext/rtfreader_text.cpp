// Body text: decoding in the current font's code page, runs of one format, paragraph and table
// structure.
#include "richtext/rtfreader.h"

void TRtfReader::BodyWord(const TRtfKeyword &keyword, const TRtfToken &token)
{
    TGroupState &state = Top();
    switch (keyword.cls) {
    case TKwClass::Document:
        switch (keyword.id) {
        case DocAnsiCodePage:
            fTables.ansiCodePage = token.param;
            fCodePage = nullptr;
            break;
        case DocDefaultFont:
            fTables.defaultFont = token.param;
            fCodePage = nullptr;
            break;
        case DocUnicodeSkip: state.unicodeSkip = std::clamp(token.param, 0, 16); break;
        case DocUnicode: AppendUnicode(token.param); break;
        case DocFont: state.chars.font = token.param; break;
        default: break;
        }
        break;
    case TKwClass::Char: ApplyChar(state.chars, keyword.id, token); break;
    case TKwClass::Para: ApplyPara(state.para, keyword.id, token); break;
    case TKwClass::Row: ApplyRow(keyword.id, token.param); break;
    case TKwClass::Break: Break(keyword.id); break;
    case TKwClass::Special: AppendUnit(char16_t(keyword.id)); break;
    default: break;
    }
}

// The table bytes of the current font decode through: the font's own code page, else the
// document's, else Windows-1251.
const TCodePageTable &TRtfReader::CodePage()
{
    const int font = Top().chars.font;
    if (!fCodePage || font != fCodePageFont) {
        fCodePageFont = font;
        const TRtfFont *entry = fTables.Font(font);
        fCodePage = entry ? FindCodePage(entry->codePage) : nullptr;
        if (!fCodePage)
            fCodePage = FindCodePage(fTables.ansiCodePage);
        if (!fCodePage)
            fCodePage = FindCodePage(1251);
    }
    return *fCodePage;
}

// Readies the run for text in the current format and place (in a table or not); false for text
// that is not shown.
bool TRtfReader::BeginText()
{
    const TGroupState &state = Top();
    if (state.chars.hidden)
        return false;
    if (!fRun.isEmpty() && (!(fRunProps == state.chars) || fRunInTable != state.para.inTable))
        FlushText();
    if (fRun.isEmpty()) {
        BeforeContent(state.para.inTable);
        fRunProps = state.chars;
        fRunInTable = state.para.inTable;
    }
    return true;
}

void TRtfReader::AppendBytes(std::string_view bytes)
{
    DropLoneSurrogate();
    if (!BeginText())
        return;
    const TCodePageTable &table = CodePage();
    const qsizetype start = fRun.size();
    fRun.resize(start + qsizetype(bytes.size()));
    char16_t *const first = reinterpret_cast<char16_t *>(fRun.data()) + start;
    char16_t *out = first;
    for (const char b : bytes) {
        const char16_t c = table[static_cast<unsigned char>(b)];
        if (c >= 0x20 || c == u'\t')
            *out++ = c;
    }
    fRun.truncate(start + (out - first));
}

// One UTF-16 unit; the halves of a pair must come one after the other, a lone half becomes
// U+FFFD.
void TRtfReader::AppendUnit(char16_t unit)
{
    if (QChar::isLowSurrogate(unit) && fHighSurrogate) {
        if (BeginText())
            fRun.append(QChar(fHighSurrogate)).append(QChar(unit));
        fHighSurrogate = 0;
        return;
    }
    DropLoneSurrogate();
    if (QChar::isHighSurrogate(unit)) {
        fHighSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit))
        unit = u'\uFFFD';
    if ((unit >= 0x20 || unit == u'\t') && BeginText())
        fRun.append(QChar(unit));
}

void TRtfReader::DropLoneSurrogate()
{
    if (fHighSurrogate) {
        fHighSurrogate = 0;
        AppendUnit(u'\uFFFD');
    }
}

// \uN: N is a signed 16-bit number (negative for the upper half); values past 16 bits are not
// characters.
void TRtfReader::AppendUnicode(int param)
{
    const int code = param < 0 ? param + 0x10000 : param;
    fSkipLeft = Top().unicodeSkip;
    AppendUnit(code >= 0 && code <= 0xFFFF ? char16_t(code) : u'\uFFFD');
}

void TRtfReader::FlushText()
{
    DropLoneSurrogate();
    if (fRun.isEmpty())
        return;
    fSink->AddText(fRun, fRunProps);
    fRun.clear();
}

// Opens a table row before content in a table, and closes the table before content after it.
void TRtfReader::BeforeContent(bool tableContent)
{
    if (tableContent && !fRowOpen) {
        fSink->BeginRow(fRowDef);
        fRowOpen = fTableOpen = true;
        fRowCells = 0;
    } else if (!tableContent && fTableOpen) {
        CloseTable();
    }
}

void TRtfReader::CloseTable()
{
    EndRow();
    if (fTableOpen)
        fSink->EndTable();
    fTableOpen = false;
}

void TRtfReader::Break(int id)
{
    switch (id) {
    case BreakPar: EndParagraph(false); break;
    case BreakPage: EndParagraph(true); break;
    case BreakLine: AppendUnit(u'\u2028'); break;
    case BreakTab: AppendUnit(u'\t'); break;
    case BreakCell: EndCell(); break;
    case BreakRow: EndRow(); break;
    // Nested tables are kept as text in the outer cell: a tab between cells, a line per row.
    case BreakNestCell: AppendUnit(u'\t'); break;
    case BreakNestRow: AppendUnit(u'\u2028'); break;
    default: break;
    }
}

void TRtfReader::EndParagraph(bool pageBreak)
{
    FlushText();
    if (++fParagraphs > kMaxParagraphs) {
        fDone = true;
        return;
    }
    BeforeContent(Top().para.inTable);
    fSink->EndParagraph(Top().para, Top().chars, pageBreak && !fTableOpen);
}

void TRtfReader::EndCell()
{
    if (fRowOpen && fRowCells + 1 >= TRtfRowDef::kMaxCells) {
        AppendUnit(u'\t'); // the row's last cell takes the rest
        return;
    }
    FlushText();
    if (++fCells > kMaxCells) {
        fDone = true;
        return;
    }
    BeforeContent(true);
    fSink->EndCell(Top().para);
    ++fRowCells;
}

void TRtfReader::EndRow()
{
    FlushText();
    if (fRowOpen)
        fSink->EndRow();
    fRowOpen = false;
}

void TRtfReader::EmitPicture()
{
    std::optional<TRtfPicture> picture = fPicture.Finish();
    if (!picture || Top().chars.hidden)
        return;
    FlushText();
    BeforeContent(Top().para.inTable);
    fSink->AddPicture(*picture);
}
