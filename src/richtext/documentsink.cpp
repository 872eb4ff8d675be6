#include "richtext/documentsink.h"

#include "richtext/picturedecoder.h"

#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace {

Qt::Alignment AlignmentOf(TRtfAlign align)
{
    switch (align) {
    case TRtfAlign::Center: return Qt::AlignHCenter;
    case TRtfAlign::Right: return Qt::AlignRight;
    case TRtfAlign::Justify: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

QTextCharFormat::UnderlineStyle UnderlineStyleOf(TRtfUnderline underline)
{
    switch (underline) {
    case TRtfUnderline::None: return QTextCharFormat::NoUnderline;
    case TRtfUnderline::Dotted: return QTextCharFormat::DotLine;
    case TRtfUnderline::Dashed: return QTextCharFormat::DashUnderline;
    case TRtfUnderline::Wave: return QTextCharFormat::WaveUnderline;
    default: return QTextCharFormat::SingleUnderline; // Qt draws no double line
    }
}

QTextOption::TabType TabTypeOf(TRtfTabKind kind)
{
    switch (kind) {
    case TRtfTabKind::Center: return QTextOption::CenterTab;
    case TRtfTabKind::Right: return QTextOption::RightTab;
    case TRtfTabKind::Decimal: return QTextOption::DelimiterTab;
    default: return QTextOption::LeftTab;
    }
}

void SetLineSpacing(QTextBlockFormat &format, const TRtfParaProps &para)
{
    if (para.lineSpacing == 0)
        return;
    if (para.lineMultiple) {
        const int percent = std::clamp(para.lineSpacing * 100 / 240, 10, 1000);
        format.setLineHeight(percent, QTextBlockFormat::ProportionalHeight);
        return;
    }
    const double pixels = TwipsToPixels(std::abs(para.lineSpacing));
    format.setLineHeight(pixels, para.lineSpacing < 0 ? QTextBlockFormat::FixedHeight
                                                      : QTextBlockFormat::MinimumHeight);
}

} // namespace

TDocumentSink::TDocumentSink(QTextDocument &document, const TRtfTables &tables)
    : fDocument(document), fTables(tables), fCursor(&document)
{
}

QColor TDocumentSink::ColorOf(int index) const
{
    const int rgb = fTables.Color(index);
    return rgb == TRtfTables::kAutomatic ? QColor() : QColor(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF);
}

const QTextCharFormat &TDocumentSink::CharFormat(const TRtfCharProps &chars)
{
    if (fCharFormatMade && chars == fCharProps)
        return fCharFormat;
    QTextCharFormat format;
    if (const TRtfFont *font = fTables.Font(chars.font); font && !font->family.isEmpty())
        format.setFontFamilies({font->family});
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setUnderlineStyle(UnderlineStyleOf(chars.underline));
    format.setFontStrikeOut(chars.strike);
    if (chars.allCaps || chars.smallCaps)
        format.setFontCapitalization(chars.allCaps ? QFont::AllUppercase : QFont::SmallCaps);
    if (chars.script != TRtfScript::Normal)
        format.setVerticalAlignment(chars.script == TRtfScript::Super
                                        ? QTextCharFormat::AlignSuperScript
                                        : QTextCharFormat::AlignSubScript);
    if (const QColor color = ColorOf(chars.foreground); color.isValid())
        format.setForeground(color);
    // Word's highlighting wins over character shading, which wins over the older \cb.
    for (const int index : {chars.highlight, chars.shading, chars.background}) {
        if (const QColor color = ColorOf(index); color.isValid()) {
            format.setBackground(color);
            break;
        }
    }
    fCharProps = chars;
    fCharFormat = format;
    fCharFormatMade = true;
    return fCharFormat;
}

const QTextBlockFormat &TDocumentSink::BlockFormat(const TRtfParaProps &para)
{
    if (fBlockFormatMade && para == fParaProps)
        return fBlockFormat;
    QTextBlockFormat format;
    format.setAlignment(AlignmentOf(para.align));
    format.setTextIndent(TwipsToPixels(para.firstIndent));
    format.setLeftMargin(TwipsToPixels(para.leftIndent));
    format.setRightMargin(TwipsToPixels(para.rightIndent));
    format.setTopMargin(TwipsToPixels(para.spaceBefore));
    format.setBottomMargin(TwipsToPixels(para.spaceAfter));
    SetLineSpacing(format, para);
    if (para.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        for (int i = 0; i < para.tabCount; ++i) {
            const TRtfTab &tab = para.tabs[size_t(i)];
            tabs.append(QTextOption::Tab(TwipsToPixels(tab.position), TabTypeOf(tab.kind),
                                         tab.kind == TRtfTabKind::Decimal ? QChar('.') : QChar()));
        }
        format.setTabPositions(tabs);
    }
    fParaProps = para;
    fBlockFormat = format;
    fBlockFormatMade = true;
    return fBlockFormat;
}

void TDocumentSink::AddText(QStringView text, const TRtfCharProps &chars)
{
    if (EnterCell())
        fCursor.insertText(text.toString(), CharFormat(chars));
}

void TDocumentSink::AddPicture(const TRtfPicture &picture)
{
    if (!EnterCell() || fPictureBytes > kMaxPictureBytes)
        return;
    const QImage image = PictureDecoder()(picture.data, picture.format, picture.goalPixels);
    if (image.isNull())
        return;
    fPictureBytes += image.sizeInBytes();
    const QUrl name(QStringLiteral("rtfpicture:%1").arg(++fPictures));
    fDocument.addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat format;
    format.setName(name.toString());
    const QSize size = picture.goalPixels.isEmpty() ? image.size() : picture.goalPixels;
    format.setWidth(size.width());
    format.setHeight(size.height());
    fCursor.insertImage(format);
}

void TDocumentSink::EndParagraph(const TRtfParaProps &para, const TRtfCharProps &mark,
                                 bool pageBreak)
{
    if (!EnterCell())
        return;
    if (fCursor.block().length() == 1)
        fCursor.setBlockCharFormat(CharFormat(mark));
    QTextBlockFormat format = BlockFormat(para);
    if (pageBreak)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    fCursor.setBlockFormat(format);
    fCursor.insertBlock(format);
}

void TDocumentSink::Finish(const TRtfParaProps &para)
{
    fCursor.setBlockFormat(BlockFormat(para));
}
