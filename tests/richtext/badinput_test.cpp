// Broken and hostile files: read without a crash, a hang or memory out of proportion, keeping
// what can be read.
#include "rtftesting.h"

#include "richtext/picturedecoder.h"
#include "richtext/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Lays the document out at a page's width, as the view would.
QSizeF Layout(QTextDocument &document)
{
    document.setTextWidth(600);
    return document.documentLayout()->documentSize();
}

QByteArray Nested(int depth, const QByteArray &inside)
{
    return QByteArray(depth, '{') + inside + QByteArray(depth, '}');
}

} // namespace

TEST(RtfBadInput, DeepNestingIsReadWithoutRecursionAndTooDeepGroupsAreSkipped)
{
    EXPECT_EQ(Plain("{\\rtf1 " + Nested(100000, "deep") + "after}"), "after");
    EXPECT_EQ(Plain("{\\rtf1 " + Nested(400, "{\\b x}") + "after}"), "xafter");
    EXPECT_EQ(Plain("{\\rtf1 " + QByteArray(100000, '{') + "lost"), "");
    const auto document = Document("{\\rtf1 " + Nested(100000, "\\b deep\\par") + "after}");
    EXPECT_EQ(document->toPlainText(), "after");
    EXPECT_FALSE(CharFormatOf(*document, "after").font().bold());
}

TEST(RtfBadInput, CutFilesGiveWhatWasRead)
{
    EXPECT_EQ(Plain("{\\rtf1 {\\b abc"), "abc");
    EXPECT_TRUE(CharFormatOf(*Document("{\\rtf1 {\\b abc"), "abc").font().bold());
    EXPECT_EQ(Plain("{\\rtf1 a\\"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\'"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\'4"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\'g1"), "ag1");
    EXPECT_EQ(Plain("{\\rtf1{\\fonttbl{\\f0\\fcharset204 Ari"), "");
    EXPECT_EQ(Plain("{\\rtf1 a{\\pict\\pngblip 89504e47"), "a");
    // What follows the document's closing brace is not part of it.
    EXPECT_EQ(Plain("{\\rtf1 a}}}b{c}"), "a");
}

TEST(RtfBadInput, BinaryCountsPastTheEndOrBelowZeroAreHeldToTheInput)
{
    EXPECT_EQ(Plain("{\\rtf1 a\\bin2147483647 xyz}"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin99999999999999999999 xyz}"), "a");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin-5 xyz}"), "axyz");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin3 }}}b}"), "ab");
    EXPECT_EQ(Plain("{\\rtf1 {\\*\\skipped\\bin3 }}}b}c}"), "c");
}

TEST(RtfBadInput, FontTablesThatNameNoFontsLeaveTheDocumentsCodePage)
{
    EXPECT_EQ(Plain("{\\rtf1{\\fonttbl}\\f0 \\'e0}"), u"а");
    EXPECT_EQ(Plain("{\\rtf1\\ansicpg1252{\\fonttbl;;;}\\f0 \\'e0}"), u"à");
    EXPECT_EQ(Plain("{\\rtf1{\\fonttbl{\\f0}{\\fcharset0 x;}}\\f0 \\'e0}"), u"а");
    const auto document = Document("{\\rtf1{\\fonttbl{\\f0;}}\\f0 text}");
    EXPECT_TRUE(CharFormatOf(*document, "text").fontFamilies().toStringList().isEmpty());
}

TEST(RtfBadInput, HugeParametersAreHeldToSensibleRanges)
{
    const QByteArray rtf =
        "{\\rtf1{\\colortbl;\\red99999\\green-5\\blue300;}\\fs999999999\\li-2147483648"
        "\\ri2147483647\\fi99999999\\sb99999999\\sl-99999999\\cf2147483647\\f99999999999"
        "{\\uc2147483647\\u1055 abc}\\trowd\\trgaph99999999\\cellx2147483647\\cellx-2147483648"
        "\\intbl x\\cell\\row\\pard{\\pict\\pngblip\\picscalex2147483647\\picwgoal2147483647 00}}";
    EXPECT_EQ(Plain(rtf), u"П\nx\n");
    const auto document = Document(rtf);
    EXPECT_LE(CharFormatOf(*document, "П").fontPointSize(), 1638);
    EXPECT_LE(BlockFormatOf(*document, "П").rightMargin(), 31680 / 15.0);
    const QSizeF size = Layout(*document);
    EXPECT_LT(size.height(), 1e6);
}

TEST(RtfBadInput, OverlongWordsAndUnknownSymbolsAreIgnored)
{
    EXPECT_EQ(Plain("{\\rtf1 \\" + QByteArray(1000, 'p') + "123456789012345678901234 a\\|\\:\\$b}"),
              "ab");
}

TEST(RtfBadInput, AHugePictureIsHeldOnceAndATooLargeOneDropped)
{
    qsizetype seen = -1;
    SetPictureDecoder([&](const QByteArray &data, const QString &, const QSize &) {
        seen = data.size();
        return QImage();
    });
    QByteArray rtf = "{\\rtf1 a{\\pict\\pngblip\\picwgoal100\\pichgoal100\r\n";
    const QByteArray line = QByteArray(128, 'f') + "\r\n";
    qsizetype lines = 0;
    for (; rtf.size() < 50 * 1024 * 1024; ++lines)
        rtf += line;
    rtf += "}b}";
    EXPECT_EQ(Document(rtf)->toPlainText(), "ab");
    EXPECT_EQ(seen, lines * 64);

    seen = -1;
    rtf = "{\\rtf1 a{\\pict\\pngblip " +
          QByteArray(2 * TRtfPictureReader::kMaxBytes + 2, 'a') + "}b}";
    EXPECT_EQ(Document(rtf)->toPlainText(), "ab");
    EXPECT_EQ(seen, -1);
    SetPictureDecoder({});
}

TEST(RtfBadInput, EndlessParagraphsStopAtTheLimit)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < TRtfReader::kMaxParagraphs + 1000; ++i)
        rtf += "\\par ";
    rtf += "end}";
    EXPECT_EQ(Plain(rtf).count('\n'), TRtfReader::kMaxParagraphs);
}

TEST(RtfBadInput, GarbageAfterTheHeaderNeverCrashes)
{
    QRandomGenerator random(2024);
    const QByteArray alphabet = "{}\\'*abcdefuxp0123456789- ;\r\n\xCF\xE0";
    for (int round = 0; round < 200; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        const int length = random.bounded(1, 3000);
        for (int i = 0; i < length; ++i)
            rtf += random.bounded(4) == 0 ? char(random.bounded(256))
                                          : alphabet[random.bounded(int(alphabet.size()))];
        const auto document = Document(rtf);
        Layout(*document);
        Plain(rtf);
    }
}
