#include "richtext/rtfkeywords.h"

#include <unordered_map>

namespace {

using TKeywordMap = std::unordered_map<std::string_view, TRtfKeyword>;

template <typename TId, size_t N>
void AddWords(TKeywordMap &map, TKwClass cls, const std::pair<std::string_view, TId> (&words)[N])
{
    for (const auto &[name, id] : words)
        map.insert({name, {cls, int(id)}});
}

void AddDestinations(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwDest> destinations[] = {
        {"fonttbl", DestFontTable}, {"colortbl", DestColorTable}, {"pict", DestPicture},
        {"shppict", DestShapePicture}};
    AddWords(map, TKwClass::Destination, destinations);
    // Groups of metadata, page furniture and duplicates kept for older readers. \nonshppict
    // repeats a \shppict picture; \nonesttables repeats nested tables as plain text.
    for (std::string_view name :
         {"info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer", "footerl",
          "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "atnref", "atndate",
          "fldinst", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pgdsctbl",
          "xmlnstbl", "generator", "template", "objdata", "objclass", "datafield", "themedata",
          "colorschememapping", "latentstyles", "docvar", "userprops", "bkmkstart", "bkmkend",
          "nonshppict", "nonesttables", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
          "aftncn", "xe", "tc", "txe", "private", "pn", "pnseclvl", "listpicture", "shpinst",
          "blipuid", "picprop", "mmathPr", "falt", "panose", "fname"})
        map.insert({name, {TKwClass::Skip, 0}});
}

void AddDocumentWords(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwDoc> words[] = {
        {"ansicpg", DocAnsiCodePage}, {"deff", DocDefaultFont}, {"uc", DocUnicodeSkip},
        {"u", DocUnicode}, {"bin", DocBinary}, {"f", DocFont}, {"fcharset", DocCharset},
        {"cpg", DocFontCodePage}, {"red", DocRed}, {"green", DocGreen}, {"blue", DocBlue}};
    AddWords(map, TKwClass::Document, words);
}

void AddCharWords(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwChar> words[] = {
        {"plain", CharPlain}, {"b", CharBold}, {"i", CharItalic}, {"strike", CharStrike},
        {"striked", CharStrikeDouble}, {"caps", CharAllCaps}, {"scaps", CharSmallCaps},
        {"v", CharHidden}, {"ul", CharUnderline}, {"ulw", CharUnderline}, {"ulth", CharUnderline},
        {"uld", CharUnderlineDotted}, {"ulthd", CharUnderlineDotted},
        {"uldash", CharUnderlineDashed}, {"uldashd", CharUnderlineDashed},
        {"uldashdd", CharUnderlineDashed}, {"ulldash", CharUnderlineDashed},
        {"ulthdash", CharUnderlineDashed}, {"ulwave", CharUnderlineWave},
        {"ulhwave", CharUnderlineWave}, {"ululdbwave", CharUnderlineWave},
        {"uldb", CharUnderlineDouble}, {"ulnone", CharUnderlineNone}, {"super", CharSuper},
        {"sub", CharSub}, {"nosupersub", CharNoSuperSub}, {"up", CharUp}, {"dn", CharDown},
        {"fs", CharSize}, {"cf", CharForeground}, {"cb", CharBackground},
        {"highlight", CharHighlight}, {"chcbpat", CharShading}};
    AddWords(map, TKwClass::Char, words);
}

void AddParaWords(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwPara> words[] = {
        {"pard", ParaReset}, {"ql", ParaLeft}, {"qc", ParaCenter}, {"qr", ParaRight},
        {"qj", ParaJustify}, {"qd", ParaJustify}, {"fi", ParaFirstIndent},
        {"li", ParaLeftIndent}, {"lin", ParaLeftIndent}, {"ri", ParaRightIndent},
        {"rin", ParaRightIndent}, {"sb", ParaSpaceBefore}, {"sa", ParaSpaceAfter},
        {"sl", ParaLineSpacing}, {"slmult", ParaLineMultiple}, {"tx", ParaTabStop},
        {"tqr", ParaTabRight}, {"tqc", ParaTabCenter}, {"tqdec", ParaTabDecimal},
        {"intbl", ParaInTable}, {"itap", ParaTableLevel}};
    AddWords(map, TKwClass::Para, words);
}

void AddRowWords(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwRow> words[] = {
        {"trowd", RowReset}, {"cellx", RowCellRight}, {"trleft", RowLeft}, {"trgaph", RowGap},
        {"trql", RowAlignLeft}, {"trqc", RowAlignCenter}, {"trqr", RowAlignRight},
        {"clcbpat", RowCellBackground}, {"clmrg", RowMergeNext}, {"clvmrg", RowVMergeNext}, {"clbrdrt", RowCellBorder},
        {"clbrdrb", RowCellBorder}, {"clbrdrl", RowCellBorder}, {"clbrdrr", RowCellBorder},
        {"brdrs", RowBorderStyle}, {"brdrth", RowBorderStyle}, {"brdrsh", RowBorderStyle},
        {"brdrdb", RowBorderStyle}, {"brdrdot", RowBorderStyle}, {"brdrdash", RowBorderStyle},
        {"brdrhair", RowBorderStyle}, {"brdrinset", RowBorderStyle},
        {"brdroutset", RowBorderStyle}, {"brdrnone", RowBorderNone}, {"brdrnil", RowBorderNone},
        {"brdrtbl", RowBorderNone}};
    AddWords(map, TKwClass::Row, words);
}

void AddBreaksAndSpecials(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwBreak> breaks[] = {
        {"par", BreakPar}, {"sect", BreakPar}, {"line", BreakLine}, {"tab", BreakTab},
        {"page", BreakPage}, {"cell", BreakCell}, {"row", BreakRow}, {"nestcell", BreakNestCell},
        {"nestrow", BreakNestRow}};
    AddWords(map, TKwClass::Break, breaks);
    const std::pair<std::string_view, char16_t> specials[] = {
        {"emdash", u'\u2014'}, {"endash", u'\u2013'}, {"bullet", u'\u2022'},
        {"lquote", u'\u2018'}, {"rquote", u'\u2019'}, {"ldblquote", u'\u201C'},
        {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
        {"qmspace", u'\u2005'}, {"zwj", u'\u200D'}, {"zwnj", u'\u200C'},
        {"ltrmark", u'\u200E'}, {"rtlmark", u'\u200F'}};
    AddWords(map, TKwClass::Special, specials);
}

void AddPictureWords(TKeywordMap &map)
{
    const std::pair<std::string_view, TKwPict> words[] = {
        {"pngblip", PictPng}, {"jpegblip", PictJpeg}, {"dibitmap", PictDib},
        {"wbitmap", PictDdb}, {"wmetafile", PictWmf}, {"emfblip", PictEmf},
        {"macpict", PictOther}, {"pmmetafile", PictOther}, {"picw", PictWidth},
        {"pich", PictHeight}, {"picwgoal", PictGoalWidth}, {"pichgoal", PictGoalHeight},
        {"picscalex", PictScaleX}, {"picscaley", PictScaleY}, {"wbmbitspixel", PictBitsPerPixel},
        {"wbmwidthbytes", PictWidthBytes}};
    AddWords(map, TKwClass::Picture, words);
}

TKeywordMap MakeKeywords()
{
    TKeywordMap map;
    AddDestinations(map);
    AddDocumentWords(map);
    AddCharWords(map);
    AddParaWords(map);
    AddRowWords(map);
    AddBreaksAndSpecials(map);
    AddPictureWords(map);
    return map;
}

} // namespace

const TRtfKeyword *FindKeyword(std::string_view word)
{
    static const TKeywordMap keywords = MakeKeywords();
    const auto it = keywords.find(word);
    return it == keywords.end() ? nullptr : &it->second;
}
