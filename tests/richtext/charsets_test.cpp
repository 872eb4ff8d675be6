// Escapes, code pages and Unicode: what characters the reader makes of the bytes.
#include "rtftesting.h"

#include <gtest/gtest.h>

namespace {

struct TTextCase {
    const char *rtf;
    const char16_t *text;
};

void ExpectTexts(const std::initializer_list<TTextCase> &cases)
{
    for (const TTextCase &c : cases)
        EXPECT_EQ(Plain(c.rtf), QString::fromUtf16(c.text)) << c.rtf;
}

} // namespace

TEST(RtfCharsets, HexEscapesDecodeInTheCurrentFontsCodePage)
{
    ExpectTexts({
        {R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", u"Привет"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset204 Arial;}}\f0 \'e0\'ff})", u"ая"},
        {R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 Arial;}}\f0 \'e0})", u"à"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset238 Arial CE;}}\f0 \'b9\'9c})", u"ąś"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset161 Arial Greek;}}\f0 \'e1\'d9})", u"αΩ"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset162 Arial Tur;}}\f0 \'fe\'dd})", u"şİ"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset177 Arial;}}\f0 \'e0})", u"א"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset178 Arial;}}\f0 \'c7})", u"ا"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset186 Arial Baltic;}}\f0 \'e0})", u"ą"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset2 Symbol;}}\f0 \'b7 \'61\'57})", u"• αΩ"},
        // \cpg names the code page outright and wins over the character set.
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset0\cpg1251 X;}}\f0 \'e0})", u"а"},
    });
}

TEST(RtfCharsets, FontsWithoutCharsetUseTheDocumentsCodePageAndWindows1251WithoutOne)
{
    ExpectTexts({
        {R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0 Arial;}}\f0 \'b9})", u"ą"},
        {R"({\rtf1\ansi\ansicpg1253{\fonttbl{\f0\fcharset1 Arial;}}\f0 \'e1})", u"α"},
        {R"({\rtf1\ansi \'e0})", u"а"},
        // An unknown document code page falls back to Windows-1251 as well.
        {R"({\rtf1\ansi\ansicpg932 \'e0})", u"а"},
        // A font the table does not name decodes as the document does.
        {R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset204 A;}}\f7 \'e0})", u"à"},
        // \deff makes text before any \f use that font.
        {R"({\rtf1\ansi\ansicpg1252\deff1{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\'e0\f0\'e0\plain\'e0})",
         u"аàа"},
    });
}

TEST(RtfCharsets, RawEightBitBytesDecodeLikeHexEscapes)
{
    EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0\xE8 \\'e2}"), u"При в");
}

TEST(RtfCharsets, UnicodeEscapesSkipTheirStandInCharacters)
{
    ExpectTexts({
        {R"({\rtf1\uc1\u1055\'cf\u1088\'f0\u1080?})", u"При"},
        {R"({\rtf1\u1055?x})", u"Пx"}, // \uc1 is the default
        {R"({\rtf1\uc2\u1055\'3f\'3fx})", u"Пx"},
        {R"({\rtf1\uc0\u1055 x})", u"Пx"},
        {R"({\rtf1\uc2\u1055 abcd})", u"Пcd"},
        // \uc belongs to the group it stands in.
        {R"({\rtf1{\uc2\u1055??}\u1088?})", u"Пр"},
        // An escaped character and a control word count one each; a brace ends the skipping.
        {R"({\rtf1\u1055\\x})", u"Пx"},
        {R"({\rtf1\uc2\u1055\{\par x})", u"Пx"},
        {R"({\rtf1\uc3\u1055{a}b})", u"Пab"},
        // Negative values count from 65536; two in a row make a surrogate pair.
        {R"({\rtf1\u-4064?})", u"\uF020"},
        {R"({\rtf1\u-10179?\u-8704?})", u"\U0001F600"},
    });
}

TEST(RtfCharsets, BrokenUnicodeBecomesReplacementCharacters)
{
    ExpectTexts({
        {R"({\rtf1\u70000?x})", u"\uFFFDx"},
        {R"({\rtf1\u-70000?x})", u"\uFFFDx"},
        {R"({\rtf1\u99999999999999?x})", u"\uFFFDx"},
        {R"({\rtf1\u-10179?x})", u"\uFFFDx"},
        {R"({\rtf1\u-8704?x})", u"\uFFFDx"},
        {R"({\rtf1\u0?x})", u"x"},
    });
}

TEST(RtfCharsets, ControlSymbolsAndSpecialCharacters)
{
    ExpectTexts({
        {R"({\rtf1 \{\}\\})", u"{}\\"},
        {R"({\rtf1 a\~b\-c\_d})", u"a\u00A0b\u00ADc\u2011d"},
        {R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})", u"—–•‘’“”"},
        {R"({\rtf1 a\tab b\line c\par d})", u"a\tb\nc\nd"},
        {"{\\rtf1 a\\\r\nb}", u"a\nb"}, // a backslash before a line end is a paragraph mark
        {"{\\rtf1 a\r\nb\rc\nd}", u"abcd"}, // line ends in the file are not text
        {"{\\rtf1 a\tb}", u"a\tb"},
        {"{\\rtf1 a\\'01\\'1fb}", u"ab"}, // control characters are no text
    });
}

TEST(RtfCharsets, FontNamesDecodeInTheirOwnCodePageAndLoseTheirCharsetSuffix)
{
    const auto document = Document(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset204 Times New Roman CYR;}
{\f1\fcharset204 \'d8\'f0\'e8\'f4\'f2;}{\f2\fcharset238 Arial CE}}
\f0 one \f1 two \f2 three})");
    EXPECT_EQ(CharFormatOf(*document, "one").fontFamilies().toStringList(),
              QStringList{"Times New Roman"});
    EXPECT_EQ(CharFormatOf(*document, "two").fontFamilies().toStringList(), QStringList{"Шрифт"});
    EXPECT_EQ(CharFormatOf(*document, "three").fontFamilies().toStringList(), QStringList{"Arial"});
}
