// Character, paragraph and table-row formatting words. Parameters are held to sensible ranges so
// that a huge number in a broken file cannot make a huge layout.
#include "richtext/rtfreader.h"

#include <algorithm>

namespace {

// 22 inches, the widest page Word allows.
constexpr int kMaxTwips = 31680;

int Twips(int param)
{
    return std::clamp(param, -kMaxTwips, kMaxTwips);
}

int ColorIndex(int param)
{
    return std::max(param, 0);
}

TRtfUnderline UnderlineOf(int id)
{
    switch (id) {
    case CharUnderlineDotted: return TRtfUnderline::Dotted;
    case CharUnderlineDashed: return TRtfUnderline::Dashed;
    case CharUnderlineWave: return TRtfUnderline::Wave;
    case CharUnderlineDouble: return TRtfUnderline::Double;
    default: return TRtfUnderline::Single;
    }
}

} // namespace

void TRtfReader::ApplyChar(TRtfCharProps &chars, int id, const TRtfToken &token)
{
    // A toggle without a parameter switches on; with 0 it switches off.
    const bool on = !token.hasParam || token.param != 0;
    switch (id) {
    case CharPlain: chars = TRtfCharProps(); break;
    case CharBold: chars.bold = on; break;
    case CharItalic: chars.italic = on; break;
    case CharStrike: case CharStrikeDouble: chars.strike = on; break;
    case CharAllCaps: chars.allCaps = on; break;
    case CharSmallCaps: chars.smallCaps = on; break;
    case CharHidden: chars.hidden = on; break;
    case CharUnderline: case CharUnderlineDotted: case CharUnderlineDashed:
    case CharUnderlineWave: case CharUnderlineDouble:
        chars.underline = on ? UnderlineOf(id) : TRtfUnderline::None;
        break;
    case CharUnderlineNone: chars.underline = TRtfUnderline::None; break;
    case CharSuper: chars.script = TRtfScript::Super; break;
    case CharSub: chars.script = TRtfScript::Sub; break;
    case CharNoSuperSub: chars.script = TRtfScript::Normal; break;
    case CharUp: chars.script = on ? TRtfScript::Super : TRtfScript::Normal; break;
    case CharDown: chars.script = on ? TRtfScript::Sub : TRtfScript::Normal; break;
    case CharSize: chars.halfPoints = token.hasParam ? std::clamp(token.param, 2, 3276) : 24; break;
    case CharForeground: chars.foreground = ColorIndex(token.param); break;
    case CharBackground: chars.background = ColorIndex(token.param); break;
    case CharHighlight: chars.highlight = ColorIndex(token.param); break;
    case CharShading: chars.shading = ColorIndex(token.param); break;
    default: break;
    }
}

void TRtfReader::ApplyPara(TRtfParaProps &para, int id, const TRtfToken &token)
{
    const int twips = Twips(token.param);
    switch (id) {
    case ParaReset:
        para = TRtfParaProps();
        fNextTabKind = TRtfTabKind::Left;
        break;
    case ParaLeft: para.align = TRtfAlign::Left; break;
    case ParaCenter: para.align = TRtfAlign::Center; break;
    case ParaRight: para.align = TRtfAlign::Right; break;
    case ParaJustify: para.align = TRtfAlign::Justify; break;
    case ParaFirstIndent: para.firstIndent = twips; break;
    case ParaLeftIndent: para.leftIndent = twips; break;
    case ParaRightIndent: para.rightIndent = twips; break;
    case ParaSpaceBefore: para.spaceBefore = std::max(twips, 0); break;
    case ParaSpaceAfter: para.spaceAfter = std::max(twips, 0); break;
    case ParaLineSpacing: para.lineSpacing = twips; break;
    case ParaLineMultiple: para.lineMultiple = token.param != 0; break;
    case ParaTabRight: fNextTabKind = TRtfTabKind::Right; break;
    case ParaTabCenter: fNextTabKind = TRtfTabKind::Center; break;
    case ParaTabDecimal: fNextTabKind = TRtfTabKind::Decimal; break;
    case ParaTabStop:
        if (para.tabCount < TRtfParaProps::kMaxTabs)
            para.tabs[size_t(para.tabCount++)] = {std::max(twips, 0), fNextTabKind};
        fNextTabKind = TRtfTabKind::Left;
        break;
    case ParaInTable: para.inTable = !token.hasParam || token.param != 0; break;
    case ParaTableLevel: para.inTable = token.param > 0; break;
    default: break;
    }
}

void TRtfReader::ApplyRow(int id, int param)
{
    switch (id) {
    case RowReset:
        fRowDef = TRtfRowDef();
        fCellDef = TRtfCellDef();
        fCellBorder = false;
        break;
    case RowCellRight:
        fCellDef.right = Twips(param);
        if (fRowDef.cells.size() < TRtfRowDef::kMaxCells)
            fRowDef.cells.append(fCellDef);
        fCellDef = TRtfCellDef();
        fCellBorder = false;
        break;
    case RowLeft: fRowDef.left = Twips(param); break;
    case RowGap: fRowDef.cellGap = std::max(Twips(param), 0); break;
    case RowAlignLeft: fRowDef.align = TRtfAlign::Left; break;
    case RowAlignCenter: fRowDef.align = TRtfAlign::Center; break;
    case RowAlignRight: fRowDef.align = TRtfAlign::Right; break;
    case RowCellBackground: fCellDef.background = ColorIndex(param); break;
    case RowMergeNext: fCellDef.mergeNext = true; break;
    case RowVMergeNext: fCellDef.vMergeNext = true; break;
    case RowCellBorder: fCellBorder = true; break;
    case RowBorderStyle: fCellDef.borders = fCellDef.borders || fCellBorder; break;
    case RowBorderNone: fCellBorder = false; break;
    default: break;
    }
}
