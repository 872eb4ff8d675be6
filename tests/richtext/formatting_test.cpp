// Character and paragraph formatting, in files written the way WordPad and Word in Russian write
// them, and word by word.
#include "rtftesting.h"

#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

// As WordPad saves Russian text: \ansicpg1251, fonts with \fcharset204, every letter as \'hh.
const char kWordPad[] = R"({\rtf1\ansi\ansicpg1251\deff0\nouicompat\deflang1049{\fonttbl{\f0\fnil\fcharset204 Calibri;}{\f1\fnil\fcharset0 Calibri;}}
{\colortbl ;\red255\green0\blue0;\red0\green77\blue187;}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1 
\pard\sa200\sl276\slmult1\qc\b\f0\fs32\lang1049\'cf\'e5\'f0\'e2\'fb\'e9 \'f1\'ed\'e5\'e3\b0\fs22\par
\pard\sa200\sl276\slmult1\cf1\i\'cf\'f0\'e8\'ef\'e5\'e2\cf0\i0 : \ul\'e1\'e5\'eb\'fb\'e9\ulnone  \strike\'f5\'ee\'eb\'ee\'e4\strike0  \f1\lang1033 Caf\'e9\f0\lang1049\par
\pard\li720\ri360\fi-360\sa200\sl276\slmult1\cf2\'ea\'f0\'e0\'f1\'ed\'fb\'e9\cf0\par
}
)";

// As Word saves Russian text: \u with a \'hh stand-in under \uc1, many groups, metadata and
// destinations a reader skips, a field whose result is shown.
const char kWord[] = R"({\rtf1\adeflang1025\ansi\ansicpg1251\uc1\adeff31507\deff0\stshfdbch31505\stshfloch31506\stshfhich31506\stshfbi31507\deflang1049\deflangfe1049\themelang1049\themelangfe0\themelangcs0{\fonttbl{\f0\fbidi \froman\fcharset204\fprq2{\*\panose 02020603050405020304}Times New Roman;}{\f1\fbidi \fswiss\fcharset204\fprq2{\*\panose 020b0604020202020204}Arial;}
{\flomajor\f31500\fbidi \froman\fcharset204\fprq2{\*\panose 02020603050405020304}Times New Roman;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red255\green255\blue0;}
{\*\defchp \fs22\loch\af31506\hich\af31506\dbch\af31505 }{\*\defpap \ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 }
{\stylesheet{\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\itap0 \rtlch\fcs1 \af31507\afs22\alang1025 \ltrch\fcs0 \fs22\lang1049\langfe1049\loch\f31506\hich\af31506\dbch\af31505\cgrid\langnp1049\langfenp1049 \snext0 \sqformat \spriority0 Normal;}}
{\*\listtable{\list\listtemplateid-1{\listlevel\levelnfc23{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f3\fi-360\li720}{\listname ;}\listid1}}
{\info{\title \'cf\'e5\'f1\'ed\'ff}{\author Author}{\creatim\yr2024\mo1\dy2\hr3\min4}}
{\*\xmlnstbl {\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}
\paperw11906\paperh16838\margl1701\margr850\margt1134\margb1134\gutter0\ltrsect 
\widowctrl\ftnbj\aenddoc\trackmoves0\trackformatting1\donotembedsysfont1\relyonvml0\donotembedlingdata0\grfdocevents0\validatexml1
{\*\wgrffmtfilter 2450}\nofeaturethrottle1\ilfomacatclnup0\ltrpar \sectd \ltrsect\linex0\headery708\footery708\colsx708\endnhere\sectlinegrid360\sectdefaultcl\sftnbj {\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang {\pntxta .}}
\pard\plain \ltrpar\qc \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs22\alang1025 \ltrch\fcs0 \fs22\lang1049\langfe1049\loch\af31506\hich\af31506\dbch\af31505\cgrid\langnp1049\langfenp1049 {\rtlch\fcs1 \af0\afs28 \ltrch\fcs0 \b\f0\fs28\insrsid6569466 \u1055\'cf\u1077\'e5\u1089\'f1\u1085\'ed\u1103\'ff}{\rtlch\fcs1 \af0 \ltrch\fcs0 \f0\insrsid6569466 
\par }\pard \ltrpar\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 {\rtlch\fcs1 \af1 \ltrch\fcs0 \f1\highlight3\insrsid6569466 \u1058\'d2\u1077\'e5\u1082\'ea\u1089\'f1\u1090\'f2}{\rtlch\fcs1 \af1 \ltrch\fcs0 \f1\insrsid6569466  \u8212\'97 }{\rtlch\fcs1 \af1 \ltrch\fcs0 \f1\cf2\insrsid6569466 \u949\'3f\u955\'3f}{\*\bkmkstart a}{\*\bkmkend a}{\field{\*\fldinst {\rtlch\fcs1 \af1 \ltrch\fcs0 \f1\insrsid6569466  HYPERLINK "http://example.org/" }}{\fldrslt {\rtlch\fcs1 \af1 \ltrch\fcs0 \cs15\f1\ul\cf2\insrsid6569466 \u1089\'f1\u1089\'f1\u1099\'fb\u1083\'eb\u1082\'ea\u1072\'e0}}}\sectd \ltrsect\linex0\endnhere\sectlinegrid360\sectdefaultcl\sftnbj {\rtlch\fcs1 \af1 \ltrch\fcs0 \f1\insrsid6569466 
\par }{\*\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e74656e745f54797065735d2e786d6c}
{\*\latentstyles\lsdstimax376\lsdlockeddef0 {\lsdlockedexcept \lsdqformat1 \lsdpriority0 \lsdlocked0 Normal;}}
{\*\datastore 0105000002000000}}
)";

QColor Foreground(const QTextCharFormat &format)
{
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
}

QColor Background(const QTextCharFormat &format)
{
    return format.hasProperty(QTextFormat::BackgroundBrush) ? format.background().color() : QColor();
}

} // namespace

TEST(RtfFormatting, WordPadFileReadsAsItsAuthorSawIt)
{
    EXPECT_EQ(Plain(kWordPad), u"Первый снег\nПрипев: белый холод Café\nкрасный\n");
    const auto document = Document(kWordPad);
    const QTextCharFormat title = CharFormatOf(*document, "Первый");
    EXPECT_TRUE(title.font().bold());
    EXPECT_EQ(title.fontPointSize(), 16);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{"Calibri"});
    const QTextBlockFormat titleBlock = BlockFormatOf(*document, "Первый");
    EXPECT_EQ(titleBlock.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_NEAR(titleBlock.bottomMargin(), 200 / 15.0, 0.01);
    EXPECT_EQ(titleBlock.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_EQ(titleBlock.lineHeight(), 115);

    const QTextCharFormat chorus = CharFormatOf(*document, "Припев");
    EXPECT_TRUE(chorus.fontItalic());
    EXPECT_FALSE(chorus.font().bold());
    EXPECT_EQ(chorus.fontPointSize(), 11);
    EXPECT_EQ(Foreground(chorus), QColor(255, 0, 0));
    EXPECT_EQ(CharFormatOf(*document, "белый").underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(CharFormatOf(*document, "холод").fontStrikeOut());
    EXPECT_FALSE(CharFormatOf(*document, ": ").fontStrikeOut());

    EXPECT_EQ(Foreground(CharFormatOf(*document, "красный")), QColor(0, 77, 187));
    const QTextBlockFormat indented = BlockFormatOf(*document, "красный");
    EXPECT_NEAR(indented.leftMargin(), 48, 0.01);
    EXPECT_NEAR(indented.rightMargin(), 24, 0.01);
    EXPECT_NEAR(indented.textIndent(), -24, 0.01);
    EXPECT_EQ(indented.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfFormatting, WordFileReadsAsItsAuthorSawIt)
{
    EXPECT_EQ(Plain(kWord), u"Песня\nТекст — ελссылка\n");
    const auto document = Document(kWord);
    const QTextCharFormat title = CharFormatOf(*document, "Песня");
    EXPECT_TRUE(title.font().bold());
    EXPECT_EQ(title.fontPointSize(), 14);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(BlockFormatOf(*document, "Песня").alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    const QTextCharFormat marked = CharFormatOf(*document, "Текст");
    EXPECT_EQ(Background(marked), QColor(255, 255, 0));
    EXPECT_EQ(marked.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(Foreground(CharFormatOf(*document, "ελ")), QColor(0, 0, 255));
    const QTextCharFormat link = CharFormatOf(*document, "ссылка");
    EXPECT_EQ(link.underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_EQ(Foreground(link), QColor(0, 0, 255));
}

TEST(RtfFormatting, GroupsPlainAndPardRestoreAndResetFormatting)
{
    const auto document = Document(R"({\rtf1 {\b\i\fs40 bold}after\b\ul under\plain plain\par
\qc\li300 centred\par\pard left})");
    EXPECT_TRUE(CharFormatOf(*document, "bold").font().bold());
    EXPECT_EQ(CharFormatOf(*document, "bold").fontPointSize(), 20);
    const QTextCharFormat after = CharFormatOf(*document, "after");
    EXPECT_FALSE(after.font().bold());
    EXPECT_FALSE(after.fontItalic());
    EXPECT_EQ(after.fontPointSize(), 12); // RTF's default size
    EXPECT_TRUE(CharFormatOf(*document, "under").font().bold());
    const QTextCharFormat plain = CharFormatOf(*document, "plain");
    EXPECT_FALSE(plain.font().bold());
    EXPECT_EQ(plain.underlineStyle(), QTextCharFormat::NoUnderline);
    EXPECT_EQ(BlockFormatOf(*document, "centred").alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_NEAR(BlockFormatOf(*document, "centred").leftMargin(), 20, 0.01);
    EXPECT_EQ(BlockFormatOf(*document, "left").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(BlockFormatOf(*document, "left").leftMargin(), 0);
}

TEST(RtfFormatting, ScriptsCapsUnderlinesAndHiddenText)
{
    const auto document = Document(R"({\rtf1 a{\super AA}{\sub BB}{\up6 CC}{\dn6 DD}{\caps EE}{\scaps FF}{\uldb GG}{\ulwave HH}{\uld II}{\ul0 JJ}{\strike\striked0 KK}{\v hidden}z})");
    EXPECT_EQ(document->toPlainText(), "aAABBCCDDEEFFGGHHIIJJKKz");
    const auto format = [&](const char *text) { return CharFormatOf(*document, text); };
    EXPECT_EQ(format("AA").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(format("BB").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(format("CC").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(format("DD").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(format("EE").fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(format("FF").fontCapitalization(), QFont::SmallCaps);
    EXPECT_EQ(format("GG").underlineStyle(), QTextCharFormat::SingleUnderline); // no double line
    EXPECT_EQ(format("HH").underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_EQ(format("II").underlineStyle(), QTextCharFormat::DotLine);
    EXPECT_EQ(format("JJ").underlineStyle(), QTextCharFormat::NoUnderline);
    EXPECT_FALSE(format("KK").fontStrikeOut());
}

TEST(RtfFormatting, HighlightWinsOverShadingWhichWinsOverBackground)
{
    const auto document = Document(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green255\blue0;\red0\green0\blue255;}
{\cb1 cb}{\cb1\chcbpat2 pat}{\cb1\chcbpat2\highlight3 light}{\cf9\cb9 none}{\cf0 auto}})");
    EXPECT_EQ(Background(CharFormatOf(*document, "cb")), QColor(255, 0, 0));
    EXPECT_EQ(Background(CharFormatOf(*document, "pat")), QColor(0, 255, 0));
    EXPECT_EQ(Background(CharFormatOf(*document, "light")), QColor(0, 0, 255));
    // A colour the table lacks, and the automatic colour, leave the view's own.
    EXPECT_FALSE(Background(CharFormatOf(*document, "none")).isValid());
    EXPECT_FALSE(Foreground(CharFormatOf(*document, "none")).isValid());
    EXPECT_FALSE(Foreground(CharFormatOf(*document, "auto")).isValid());
}

TEST(RtfFormatting, LineSpacingTabsAndPageBreaks)
{
    const auto document = Document(R"({\rtf1\pard\sl-360 exact\par\pard\sl360 least\par
\pard\sl480\slmult1 double\par\pard\tqr\tx2880\tqc\tx4320\tx5760 tabs\page next})");
    const QTextBlockFormat exact = BlockFormatOf(*document, "exact");
    EXPECT_EQ(exact.lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_NEAR(exact.lineHeight(), 24, 0.01);
    EXPECT_EQ(BlockFormatOf(*document, "least").lineHeightType(), QTextBlockFormat::MinimumHeight);
    EXPECT_EQ(BlockFormatOf(*document, "double").lineHeightType(),
              QTextBlockFormat::ProportionalHeight);
    EXPECT_EQ(BlockFormatOf(*document, "double").lineHeight(), 200);
    const QTextBlockFormat tabs = BlockFormatOf(*document, "tabs");
    ASSERT_EQ(tabs.tabPositions().size(), 3);
    EXPECT_EQ(tabs.tabPositions()[0].type, QTextOption::RightTab);
    EXPECT_NEAR(tabs.tabPositions()[0].position, 192, 0.01);
    EXPECT_EQ(tabs.tabPositions()[1].type, QTextOption::CenterTab);
    EXPECT_EQ(tabs.tabPositions()[2].type, QTextOption::LeftTab);
    EXPECT_EQ(tabs.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysAfter);
    EXPECT_EQ(Plain(R"({\rtf1 tabs\page next})"), "tabs\nnext");
}

TEST(RtfFormatting, AnEmptyParagraphTakesTheHeightOfItsMark)
{
    const auto document = Document(R"({\rtf1\fs48 big\par\fs16\par small})");
    ASSERT_EQ(document->blockCount(), 3);
    EXPECT_EQ(document->findBlockByNumber(1).charFormat().fontPointSize(), 8);
}
