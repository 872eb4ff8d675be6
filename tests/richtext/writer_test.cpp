// Files saved by LibreOffice Writer (tests/data/richtext/make-fixtures.sh): Unicode escapes,
// Writer's style sheet and page-style tables, its tables and pictures.
#include "rtftesting.h"

#include <QTextBlock>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <gtest/gtest.h>

TEST(RtfWriterFiles, FormattedTextReadsAsWriterShowsIt)
{
    const QByteArray rtf = Fixture("writer-formatted.rtf");
    EXPECT_EQ(Plain(rtf), u"Первый снег\n"
                          u"Обычный, жирный, курсив, подчёркнутый, зачёркнутый, E=mc2, H2O.\n"
                          u"красный выделенный крупный моноширинный\n"
                          u"Справа\n"
                          u"Строка с отступом\nпосле переноса\tи табуляции.\n"
                          u"Новая страница: Ελληνικά, Zażółć, Ёжик № 5 — «ёлка».\n");
    const auto document = Document(rtf);
    const auto format = [&](const char16_t *text) {
        return CharFormatOf(*document, QString::fromUtf16(text));
    };
    EXPECT_TRUE(format(u"Первый").font().bold());
    EXPECT_EQ(format(u"Первый").fontPointSize(), 16);
    EXPECT_EQ(BlockFormatOf(*document, u"Первый"_qs).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(format(u"Обычный").fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    EXPECT_FALSE(format(u"Обычный").font().bold());
    EXPECT_TRUE(format(u"жирный").font().bold());
    EXPECT_TRUE(format(u"курсив").fontItalic());
    EXPECT_EQ(format(u"подчёркнутый").underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(format(u"зачёркнутый").fontStrikeOut());
    EXPECT_EQ(format(u"2,").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(format(u"2O").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(format(u"красный").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(format(u"выделенный").background().color(), QColor(255, 255, 0));
    EXPECT_EQ(format(u"крупный").fontPointSize(), 20);
    EXPECT_EQ(format(u"моноширинный").fontFamilies().toStringList(),
              QStringList{"Liberation Mono"});
    EXPECT_EQ(BlockFormatOf(*document, u"Справа"_qs).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    const QTextBlockFormat indented = BlockFormatOf(*document, u"Строка"_qs);
    EXPECT_EQ(indented.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_NEAR(indented.leftMargin(), 2 / 2.54 * 96, 1);
    EXPECT_NEAR(indented.rightMargin(), 1 / 2.54 * 96, 1);
    EXPECT_NEAR(indented.textIndent(), 1 / 2.54 * 96, 1);
    EXPECT_NEAR(indented.topMargin(), 0.5 / 2.54 * 96, 1);
    EXPECT_EQ(indented.lineHeight(), 150);
    EXPECT_EQ(BlockFormatOf(*document, u"Справа"_qs).pageBreakPolicy() |
                  BlockFormatOf(*document, u"Строка"_qs).pageBreakPolicy(),
              QTextFormat::PageBreak_Auto);
}

TEST(RtfWriterFiles, TableBecomesAQTextTable)
{
    const QByteArray rtf = Fixture("writer-table.rtf");
    EXPECT_EQ(Plain(rtf), u"До таблицы\nПесня\tАльбом\tГод\nСнег\tВетер (переиздание)\t2004\n"
                          u"После таблицы\n");
    const auto document = Document(rtf);
    QTextTable *table = nullptr;
    for (QTextFrame *frame : document->rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->format().border(), 1);
    EXPECT_EQ(table->cellAt(1, 1).firstCursorPosition().block().text(), u"Ветер");
    EXPECT_EQ(table->cellAt(1, 1).lastCursorPosition().block().text(), u"(переиздание)");
}

TEST(RtfWriterFiles, PictureIsShownAtItsSizeInTheDocument)
{
    const auto document = Document(Fixture("writer-picture.rtf"));
    QList<QTextImageFormat> images;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images << it.fragment().charFormat().toImageFormat();
    ASSERT_EQ(images.size(), 1) << "Writer's copy for older readers is not shown again";
    EXPECT_NEAR(images[0].width(), 2 / 2.54 * 96, 1);
    EXPECT_NEAR(images[0].height(), 1 / 2.54 * 96, 1);
    const QImage image = document->resource(QTextDocument::ImageResource, QUrl(images[0].name()))
                             .value<QImage>();
    EXPECT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(document->toPlainText(),
              u"Обложка: "_qs + QChar::ObjectReplacementCharacter + u" конец.\n"_qs);
}
