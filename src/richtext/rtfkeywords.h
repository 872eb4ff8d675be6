#pragma once
// The control words the reader acts on, sorted by what they act on. Any other word is ignored
// (and its group skipped when it follows \*).

#include <string_view>

enum class TKwClass {
    Destination, // a group the reader reads in a way of its own (id: TKwDest)
    Skip,        // a group whose content is never shown
    Document,    // id: TKwDoc
    Char,        // character formatting (id: TKwChar)
    Para,        // paragraph formatting (id: TKwPara)
    Row,         // table row definition (id: TKwRow)
    Break,       // paragraph, line, cell and row ends (id: TKwBreak)
    Special,     // a character of its own (id: the character)
    Picture,     // picture type and size (id: TKwPict)
};

enum TKwDest { DestFontTable, DestColorTable, DestPicture, DestShapePicture };

enum TKwDoc { DocAnsiCodePage, DocDefaultFont, DocUnicodeSkip, DocUnicode, DocBinary, DocFont,
              DocCharset, DocFontCodePage, DocRed, DocGreen, DocBlue };

enum TKwChar {
    CharPlain, CharBold, CharItalic, CharStrike, CharStrikeDouble, CharAllCaps, CharSmallCaps,
    CharHidden, CharUnderline, CharUnderlineDotted, CharUnderlineDashed, CharUnderlineWave,
    CharUnderlineDouble, CharUnderlineNone, CharSuper, CharSub, CharNoSuperSub, CharUp, CharDown,
    CharSize, CharForeground, CharBackground, CharHighlight, CharShading
};

enum TKwPara {
    ParaReset, ParaLeft, ParaCenter, ParaRight, ParaJustify, ParaFirstIndent, ParaLeftIndent,
    ParaRightIndent, ParaSpaceBefore, ParaSpaceAfter, ParaLineSpacing, ParaLineMultiple,
    ParaTabStop, ParaTabRight, ParaTabCenter, ParaTabDecimal, ParaInTable, ParaTableLevel
};

enum TKwRow {
    RowReset, RowCellRight, RowLeft, RowGap, RowAlignLeft, RowAlignCenter, RowAlignRight,
    RowCellBackground, RowMergeNext, RowVMergeNext, RowCellBorder,
    RowBorderStyle, RowBorderNone
};

enum TKwBreak { BreakPar, BreakLine, BreakTab, BreakPage, BreakCell, BreakRow, BreakNestCell,
                BreakNestRow };

enum TKwPict {
    PictPng, PictJpeg, PictDib, PictDdb, PictWmf, PictEmf, PictOther, PictWidth, PictHeight,
    PictGoalWidth, PictGoalHeight, PictScaleX, PictScaleY, PictBitsPerPixel, PictWidthBytes
};

struct TRtfKeyword {
    TKwClass cls;
    int id;
};

// The keyword of a control word, or nullptr for one the reader does not act on.
const TRtfKeyword *FindKeyword(std::string_view word);
