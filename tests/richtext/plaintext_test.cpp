// Which files are RTF, how other files decode, and loading files from disc.
#include "rtftesting.h"

#include "platform/codepage.h"
#include "platform/ioerror.h"
#include "richtext/richtext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TPlainCase {
    QByteArray bytes;
    const char16_t *text;
};

QString WriteFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

} // namespace

TEST(RtfPlainText, OnlyFilesStartingWithTheRtfHeaderAreRtf)
{
    EXPECT_TRUE(IsRtf("{\\rtf1\\ansi x}"));
    EXPECT_TRUE(IsRtf("{\\rtf x}"));
    EXPECT_TRUE(IsRtf("\xEF\xBB\xBF{\\rtf1 x}"));
    EXPECT_TRUE(IsRtf(" \r\n\t{\\rtf1 x}"));
    EXPECT_FALSE(IsRtf("{\\RTF1 x}"));
    EXPECT_FALSE(IsRtf("x{\\rtf1}"));
    EXPECT_FALSE(IsRtf("{\\rt"));
    EXPECT_FALSE(IsRtf(""));
    EXPECT_EQ(Plain("\xEF\xBB\xBF  {\\rtf1 \\b x}"), "x");
}

TEST(RtfPlainText, ADocumentIsCutWhenItsGroupNeverCloses)
{
    const struct {
        QByteArray bytes;
        bool cut;
    } cases[] = {
        {"{\\rtf1\\ansi x\\par}", false},
        {"{\\rtf1 x}\r\n\r\ntrailing bytes {", false},
        {"{\\rtf1 {\\b x} {\\i y}}", false},
        {"{\\rtf1 \\'7b x \\{ y\\}}", false}, // escaped braces are text
        {"{\\rtf1 {\\b x} y", true},
        {"{\\rtf1 {\\b x}", true},
        {"{\\rtf1 \\bin4 }}}}", true}, // braces inside binary data count for nothing
        {"{\\rtf1 {\\pict\\wmetafile8 0102", true},
        {"plain text {", false}, // not RTF at all
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsCutRtf(c.bytes), c.cut) << c.bytes.constData();
}

TEST(RtfPlainText, OtherFilesAreWindows1251UnlessTheyAreUtf8)
{
    const TPlainCase cases[] = {
        {"\xCF\xF0\xE8\xE2\xE5\xF2", u"Привет"},
        {"\xD0\x9F\xD1\x80\xD0\xB8", u"При"},
        {"\xEF\xBB\xBF\xD0\x9F", u"П"},
        {"\xEF\xBB\xBFplain", u"plain"},
        // Bytes that only look like UTF-8 in part are Windows-1251.
        {"\xD0\x9F\xFF", u"Рџя"},
        {"plain {\\b not rtf}", u"plain {\\b not rtf}"},
        {"one\r\ntwo\rthree\nfour", u"one\ntwo\nthree\nfour"},
        {"", u""},
    };
    for (const TPlainCase &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(Plain(c.bytes), text) << c.bytes.toHex().constData();
        const auto document = Document(c.bytes);
        EXPECT_EQ(document->toPlainText(), text) << c.bytes.toHex().constData();
    }
}

TEST(RtfPlainText, PlainTextKeepsTheViewsFontAndReplacesTheLastDocument)
{
    QTextDocument document;
    document.setDefaultFont(QFont("Courier New", 8));
    ReadTextDocument("{\\rtf1\\b bold}", document);
    ReadTextDocument("plain", document);
    EXPECT_EQ(document.toPlainText(), "plain");
    EXPECT_FALSE(CharFormatOf(document, "plain").font().bold());
    EXPECT_EQ(document.defaultFont().family(), "Courier New");
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_TRUE(document.isUndoRedoEnabled());
    document.setUndoRedoEnabled(false); // a read-only view's
    ReadTextDocument("{\\rtf1 x}", document);
    EXPECT_FALSE(document.isUndoRedoEnabled());
}

TEST(RtfPlainText, LoadingReadsTheFileOrEmptiesTheDocumentAndSaysWhy)
{
    QTemporaryDir dir;
    const QString rtf = WriteFile(dir, "text.rtf", "{\\rtf1\\ansicpg1251 \\'cf\\'e5\\'f1\\'ed\\'ff}");
    const QString txt = WriteFile(dir, "text.txt", EncodeCp1251(u"Песня"));
    QTextDocument document;
    LoadTextDocument(rtf, document);
    EXPECT_EQ(document.toPlainText(), u"Песня");
    LoadTextDocument(txt, document);
    EXPECT_EQ(document.toPlainText(), u"Песня");

    const QString missing = dir.filePath("none.rtf");
    for (const QString &path : {missing, dir.path(), QStringLiteral("/dev/null")}) {
        document.setPlainText("old");
        try {
            LoadTextDocument(path, document);
            ADD_FAILURE() << "loaded " << path.toStdString();
        } catch (const EIOError &e) {
            EXPECT_TRUE(e.Message().contains(path)) << e.what();
        }
        EXPECT_TRUE(document.isEmpty());
    }
}
