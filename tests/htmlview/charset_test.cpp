// The character set of HTML files, and the tags read to find it.
#include "htmlview/charset.h"
#include "htmlview/htmltags.h"

#include "printqstring.h"
#include <QStringList>
#include <gtest/gtest.h>

TEST(HtmlCharset, ByteOrderMarkThenMetaThenWindows1251)
{
    using enum THtmlCharset;
    const struct {
        QByteArray Bytes;
        THtmlCharset Charset;
    } cases[] = {
        {"<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>", Cp1251},
        {"<p>\xD0\x9F\xD1\x80</p>", Cp1251}, // no declaration: UTF-8 bytes alone do not count
        {"<meta charset=\"utf-8\">", Utf8},
        {"<META CHARSET=UTF8>", Utf8},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">", Cp1251},
        {"<meta content='text/html;charset = \"koi8-r\"' http-equiv=Content-Type>", Koi8R},
        {"<meta http-equiv=Content-Type content=\"text/html; charset=ibm866\">", Cp866},
        {"<meta charset=iso-8859-1>", Latin1},
        {"<meta charset=x-unknown><meta charset=utf-8>", Utf8},
        {"<meta charset=utf-16>", Utf8}, // a head read as ASCII is no UTF-16
        {"<!-- <meta charset=utf-8> --><p>", Cp1251},
        {"<meta name=description content=\"charset\">", Cp1251},
        {"\xEF\xBB\xBF<meta charset=koi8-r>", Utf8},
        {QByteArray("\xFF\xFE<\0p\0", 6), Utf16LE},
        {QByteArray("\xFE\xFF\0<", 4), Utf16BE},
        {QByteArray(5000, ' ') + "<meta charset=utf-8>", Cp1251}, // too late to count
        {"<meta charset=\"", Cp1251},
        {"", Cp1251},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DetectHtmlCharset(c.Bytes), c.Charset) << c.Bytes.toStdString();
}

TEST(HtmlCharset, DecodesWithoutTheByteOrderMark)
{
    const QString text = "Ёлка №1";
    EXPECT_EQ(DecodeHtml("\xA8\xEB\xEA\xE0 \xB9"
                         "1"),
              text);
    EXPECT_EQ(DecodeHtml("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(DecodeHtml(QByteArray("\xFF\xFE", 2) +
                         QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)),
              text);
    EXPECT_EQ(DecodeHtml("<meta charset=koi8-r>\xB3\xCC\xCB\xC1"), "<meta charset=koi8-r>Ёлка");
    EXPECT_EQ(DecodeHtml("<meta charset=cp866>\xF0\xAB\xAA\xA0"), "<meta charset=cp866>Ёлка");
}

TEST(HtmlTags, ScanningSurvivesBrokenMarkup)
{
    const struct {
        const char *Html;
        const char *Tags; // the tags found, by name, "/" for end tags, "=" before a value
    } cases[] = {
        {"<a href=x.htm TARGET='main'>t</a>", "a href=x.htm target=main /a"},
        {"<img src = \"a b.gif\" alt>", "img src=a b.gif alt"},
        {"< p><3 <!doctype html><?xml x?><b>", "b"},
        {"<a href=\"unclosed><b>", "a href=unclosed><b>"},
        {"<style>a<b{}</style><i>", "style /style i"},
        {"<title>x <b> y</TITLE><p>", "title /title p"},
        {"<br/><input value=\"&lt;&#x41;&#66;&amp&bogus;&#;\"/>", "br input value=<AB&&bogus;&#;"},
        {"<a", "a"},
    };
    for (const auto &c : cases) {
        QStringList found;
        ScanHtmlTags(QString(c.Html), [&found](const THtmlTag &tag) {
            found << (tag.Closing ? "/" : "") + tag.Name;
            for (const THtmlAttr &attr : tag.Attrs)
                found << attr.Name + (attr.HasValue ? "=" + attr.Value : "");
            return true;
        });
        EXPECT_EQ(found.join(' '), c.Tags) << c.Html;
    }
}
