#pragma once
// What the RTF reader hands to its sinks: character and paragraph properties in the document's
// own units (twips, half-points, colour-table indices), the font and colour tables, table rows
// and pictures. A sink turns them into whatever it builds. QtCore only: the plain-text side needs
// no GUI library.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

// Twips (1/1440 inch) to the document's pixels at 96 per inch.
inline constexpr double TwipsToPixels(int twips)
{
    return twips / 15.0;
}

enum class TRtfUnderline : uint8_t { None, Single, Dotted, Dashed, Wave, Double };
enum class TRtfScript : uint8_t { Normal, Super, Sub };
enum class TRtfAlign : uint8_t { Left, Center, Right, Justify };
enum class TRtfTabKind : uint8_t { Left, Center, Right, Decimal };

// Character formatting. Colours are indices into the colour table, 0 meaning "automatic".
struct TRtfCharProps {
    int font = -1; // index into the font table; -1 before any \f and without \deff
    int halfPoints = 24;
    int foreground = 0;
    int background = 0; // \cb
    int highlight = 0;  // \highlight
    int shading = 0;    // \chcbpat
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool allCaps = false;
    bool smallCaps = false;
    bool hidden = false;
    TRtfUnderline underline = TRtfUnderline::None;
    TRtfScript script = TRtfScript::Normal;

    bool operator==(const TRtfCharProps &) const = default;
};

struct TRtfTab {
    int position = 0; // twips from the left indent
    TRtfTabKind kind = TRtfTabKind::Left;
    bool operator==(const TRtfTab &) const = default;
};

// Paragraph formatting; lengths in twips.
struct TRtfParaProps {
    static constexpr int kMaxTabs = 32;

    TRtfAlign align = TRtfAlign::Left;
    bool inTable = false;
    int firstIndent = 0; // may be negative (a hanging first line)
    int leftIndent = 0;
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;        // \sl: 0 single, > 0 at least, < 0 exactly (twips)
    bool lineMultiple = false;  // \slmult1: lineSpacing counts 240ths of single spacing
    int tabCount = 0;
    std::array<TRtfTab, kMaxTabs> tabs{};

    bool operator==(const TRtfParaProps &) const = default;
};

// One cell of a table row definition (\cellx and the \cl words before it).
struct TRtfCellDef {
    int right = 0;      // right boundary in twips from the row's origin
    int background = 0; // \clcbpat colour index
    bool borders = false;
    bool mergeNext = false;  // \clmrg: merged into the cell before
    bool vMergeNext = false; // \clvmrg: merged into the cell above
};

// A table row definition (\trowd ... \cellx ...).
struct TRtfRowDef {
    static constexpr int kMaxCells = 63; // as many as Word allows in a row
    int left = 0;      // \trleft
    int cellGap = 0;   // \trgaph: half the space between cells
    TRtfAlign align = TRtfAlign::Left;
    QList<TRtfCellDef> cells;
};

struct TRtfFont {
    QString family;
    int codePage = 0; // 0: the document's \ansicpg
};

// The document's tables, complete before its body.
struct TRtfTables {
    QHash<int, TRtfFont> fonts;
    static constexpr int kAutomatic = -1;
    QList<int> colors; // 0xRRGGBB or kAutomatic; index 0 is automatic when the table starts ";"
    // \ansicpg; without it Windows-1251, the code page the disc's documents were written in.
    int ansiCodePage = 1251;
    int defaultFont = -1; // \deff

    // The font of an index (-1: the default font), nullptr when the table lacks it.
    const TRtfFont *Font(int index) const
    {
        const auto it = fonts.constFind(index < 0 ? defaultFont : index);
        return it == fonts.constEnd() ? nullptr : &*it;
    }

    // The colour of an index as 0xRRGGBB; kAutomatic for automatic or an index the table lacks.
    int Color(int index) const
    {
        return index > 0 && index < colors.size() ? colors[index] : kAutomatic;
    }
};

// A picture's bytes as the file holds them, and the size the document shows it at.
struct TRtfPicture {
    QByteArray data;
    QString format; // "PNG", "JPEG", "DIB", "BMP", "WMF" or "EMF"
    QSize goalPixels; // from \picwgoal/\pichgoal and \picscalex/y; empty when the file gives none
};
