#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace {

struct TByteCase {
    const char *Bytes;
    const char16_t *Text;
};

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

TEST(Cp1251, DecodesAndEncodesTableCases)
{
    const TByteCase cases[] = {
        {"plain", u"plain"},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", u"Привет"},
        {"\xC0\xDF\xE0\xFF", u"АЯая"},
        {"\xA8\xB8", u"Ёё"},
        {"\xB9 \x88 \x96 \x97", u"№ € – —"},
        {"\xAA\xBA\xAF\xBF\xB2\xB3\xA5\xB4", u"ЄєЇїІіҐґ"},
        {"\xA1\xA2\x80\x90", u"ЎўЂђ"},
    };
    for (const TByteCase &c : cases) {
        const QString text = QString::fromUtf16(c.Text);
        EXPECT_EQ(DecodeCp1251(c.Bytes), text) << c.Bytes;
        bool ok = false;
        EXPECT_EQ(EncodeCp1251(text, &ok), QByteArray(c.Bytes));
        EXPECT_TRUE(ok);
    }
}

TEST(Cp1251, EveryByteRoundTrips)
{
    const QByteArray bytes = AllBytes();
    bool ok = false;
    EXPECT_EQ(EncodeCp1251(DecodeCp1251(bytes), &ok), bytes);
    EXPECT_TRUE(ok);
}

TEST(Cp1251, UnrepresentableCharactersBecomeQuestionMarks)
{
    bool ok = true;
    EXPECT_EQ(EncodeCp1251(u"a日b", &ok), "a?b");
    EXPECT_FALSE(ok);
    EXPECT_FALSE(CanEncodeCp1251(u"Ω"));
    EXPECT_TRUE(CanEncodeCp1251(u"Лорванта №1"));
    QByteArray out = "x";
    EXPECT_FALSE(AppendCp1251(out, u"日я"));
    EXPECT_EQ(out, "x?\xFF");
}

TEST(Cp866, DecodesAndEncodesTableCases)
{
    const TByteCase cases[] = {
        {"\x8F\xE0\xA8\xA2\xA5\xE2", u"Привет"},
        {"\xF0\xF1", u"Ёё"},
        {"\xC4\xB3\xDB", u"─│█"},
        {"\xFC\xF8\xFF", u"№°\u00A0"},
    };
    for (const TByteCase &c : cases) {
        const QString text = QString::fromUtf16(c.Text);
        EXPECT_EQ(DecodeCp866(c.Bytes), text);
        EXPECT_EQ(EncodeCp866(text), QByteArray(c.Bytes));
    }
    const QByteArray bytes = AllBytes();
    EXPECT_EQ(EncodeCp866(DecodeCp866(bytes)), bytes);
    bool ok = true;
    EXPECT_EQ(EncodeCp866(u"€", &ok), "?");
    EXPECT_FALSE(ok);
}

TEST(ListEncoding, DetectsUtf8OnlyWhenValidOrMarked)
{
    struct TCase {
        QByteArray Bytes;
        TTextEncoding Expected;
    };
    const TCase cases[] = {
        {"", TTextEncoding::Cp1251},
        {"ascii only", TTextEncoding::Cp1251},
        {"\xEF\xBB\xBF" "ascii", TTextEncoding::Utf8},
        {"\xD0\x9F\xD1\x80\xD0\xB8", TTextEncoding::Utf8},        // "При"
        {"\xCF\xF0\xE8", TTextEncoding::Cp1251},                  // "При" in Windows-1251
        {"\xD0\x9F\xD0", TTextEncoding::Cp1251},                  // cut inside a sequence
        {"\xC0\x80", TTextEncoding::Cp1251},                      // overlong NUL
        {"\xED\xA0\x80", TTextEncoding::Cp1251},                  // a surrogate
        {"\xF4\x90\x80\x80", TTextEncoding::Cp1251},              // beyond U+10FFFF
        {"\xF0\x9F\x8E\xB5", TTextEncoding::Utf8},                // a four-byte character
    };
    for (const TCase &c : cases)
        EXPECT_EQ(DetectListEncoding(c.Bytes), c.Expected) << c.Bytes.toHex().constData();
}

TEST(ListEncoding, DecodesAndEncodesWholeTexts)
{
    EXPECT_EQ(DecodeListText("\xEF\xBB\xBF\xD0\xAF"), u"Я");
    EXPECT_EQ(DecodeListText("\xDF"), u"Я");
    EXPECT_EQ(EncodeListText(u"Я\r\n"), "\xDF\r\n");
    EXPECT_EQ(EncodeListText(u"Я日"), "\xEF\xBB\xBF\xD0\xAF\xE6\x97\xA5");
    EXPECT_EQ(EncodeListText(u"Рђ"), "\xEF\xBB\xBF\xD0\xA0\xD1\x92"); // D0 90 reads as UTF-8
}
