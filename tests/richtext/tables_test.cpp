// Tables become QTextTables; in plain text a row is one line with a tab between cells, and a
// paragraph break inside a cell is a blank.
#include "rtftesting.h"

#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

namespace {

QList<QTextTable *> Tables(const QTextDocument &document)
{
    QList<QTextTable *> tables;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables << table;
    return tables;
}

QString CellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('|'));
}

const char kTwoByTwo[] = R"({\rtf1\ansi\ansicpg1251 before\par
\trowd\trgaph108\trleft-108\clbrdrt\brdrs\brdrw10\cellx1332\cellx4212
\pard\intbl \'e0\cell b\cell\row
\trowd\trgaph108\trleft-108\clcbpat1\cellx1332\cellx4212
\pard\intbl c\par second\cell d\cell\row
\pard after\par})";

} // namespace

TEST(RtfTables, RowsAndCellsBecomeATableBetweenTheParagraphs)
{
    EXPECT_EQ(Plain(kTwoByTwo), u"before\nа\tb\nc second\td\nafter\n");
    const auto document = Document(kTwoByTwo);
    const QList<QTextTable *> tables = Tables(*document);
    ASSERT_EQ(tables.size(), 1);
    QTextTable *table = tables[0];
    ASSERT_EQ(table->rows(), 2);
    ASSERT_EQ(table->columns(), 2);
    EXPECT_EQ(CellText(table, 0, 0), u"а");
    EXPECT_EQ(CellText(table, 0, 1), "b");
    EXPECT_EQ(CellText(table, 1, 0), "c|second");
    EXPECT_EQ(CellText(table, 1, 1), "d");
    EXPECT_EQ(document->begin().text(), "before");
    EXPECT_EQ(document->lastBlock().previous().text(), "after");
    EXPECT_FALSE(QTextCursor(document->lastBlock().previous()).currentTable());
}

TEST(RtfTables, CellBoundariesBordersAndShadingShapeTheTable)
{
    const auto document =
        Document(QByteArray(R"({\rtf1{\colortbl;\red200\green0\blue0;})") + (kTwoByTwo + 6));
    QTextTable *table = Tables(*document).value(0);
    ASSERT_TRUE(table);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_EQ(widths[0].type(), QTextLength::FixedLength);
    EXPECT_NEAR(widths[0].rawValue(), 1440 / 15.0, 0.01);
    EXPECT_NEAR(widths[1].rawValue(), 2880 / 15.0, 0.01);
    EXPECT_EQ(table->format().border(), 1);
    EXPECT_EQ(table->cellAt(1, 0).format().background().color(), QColor(200, 0, 0));

    const auto plain = Document(R"({\rtf1\trowd\cellx1000\intbl a\cell\row})");
    EXPECT_EQ(Tables(*plain).value(0)->format().border(), 0);
}

TEST(RtfTables, MergedCellsAreMerged)
{
    const auto document = Document(R"({\rtf1
\trowd\clmgf\cellx1000\clmrg\cellx2000\cellx3000\intbl wide\cell\cell c\cell\row
\trowd\clvmgf\cellx1000\cellx2000\cellx3000\intbl tall\cell e\cell f\cell\row
\trowd\clvmrg\cellx1000\cellx2000\cellx3000\intbl\cell h\cell i\cell\row
\pard end})");
    QTextTable *table = Tables(*document).value(0);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    EXPECT_EQ(CellText(table, 0, 0), "wide");
    EXPECT_EQ(CellText(table, 0, 2), "c");
    EXPECT_EQ(table->cellAt(1, 0).rowSpan(), 2);
    EXPECT_EQ(CellText(table, 1, 0), "tall");
    EXPECT_EQ(CellText(table, 2, 1), "h");
}

TEST(RtfTables, RowsOfDifferentWidthAndLooseCellMarksStillMakeOneTable)
{
    const auto document = Document(R"({\rtf1\trowd\cellx1000\intbl a\cell\row
\trowd\cellx1000\cellx2000\cellx3000\intbl b\cell c\cell d\cell\row
x\cell y\cell\row})");
    const QList<QTextTable *> tables = Tables(*document);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(tables[0]->rows(), 3);
    EXPECT_EQ(tables[0]->columns(), 3);
    EXPECT_EQ(CellText(tables[0], 2, 1), "y");
}

TEST(RtfTables, TwoTablesApartStayApartAndAnOpenTableIsClosedAtTheEnd)
{
    const char rtf[] = R"({\rtf1\trowd\cellx1000\intbl a\cell\row\pard between\par
\trowd\cellx1000\intbl b\cell c)";
    EXPECT_EQ(Plain(rtf), "a\nbetween\nb\tc\n");
    EXPECT_EQ(Tables(*Document(rtf)).size(), 2);
}

TEST(RtfTables, NestedTablesAreKeptAsTextInTheOuterCell)
{
    const char rtf[] = R"({\rtf1\trowd\cellx4000\pard\intbl outer\par
\pard\intbl\itap2 n1\nestcell n2\nestcell{\*\nesttableprops\trowd\cellx1000\cellx2000\nestrow}{\nonesttables\par}
\pard\intbl\itap1 \cell\row\pard after})";
    EXPECT_EQ(Plain(rtf), "outer n1\tn2\t\nafter");
    const auto document = Document(rtf);
    ASSERT_EQ(Tables(*document).size(), 1);
    EXPECT_EQ(Tables(*document)[0]->columns(), 1);
}

TEST(RtfTables, RowsOfMoreCellsThanWordAllowsKeepTheRestInTheLastCell)
{
    QByteArray rtf = R"({\rtf1\trowd\cellx1000\intbl )";
    for (int i = 0; i < 200; ++i)
        rtf += "x\\cell ";
    rtf += "\\row}";
    const auto document = Document(rtf);
    QTextTable *table = Tables(*document).value(0);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->columns(), 63);
}

// Qt's table breaks when a column is added after cells are merged; merges wait for the table's end.
TEST(RtfTables, MergesBeforeACellPastTheRowDefinitionLayOut)
{
    for (const char *rtf : {"{\\rtf1 \\intbl\\cellx\\clmrg\\cellx\\par\\cell\\cell  x}",
                            "{\\rtf1\\trowd\\cellx1\\clmrg\\cellx2\\intbl a\\cell\\cell b\\cell"
                            "\\row\\trowd\\cellx1\\clvmrg\\cellx2\\clvmrg\\cellx3\\intbl c\\cell"
                            "d\\cell e\\cell f\\cell\\row}"}) {
        const auto document = Document(rtf);
        document->setTextWidth(400);
        EXPECT_GT(document->size().height(), 0) << rtf;
        QTextTable *table = Tables(*document).value(0);
        ASSERT_TRUE(table) << rtf;
        EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2) << rtf;
    }
}
