// Tables: one QTextTable per run of table rows, a column per cell, widths from the first row that
// gives them, merged cells merged.
#include "richtext/documentsink.h"

#include <QTextTable>

namespace {

QTextTableFormat TableFormat(const TRtfRowDef &row)
{
    QTextTableFormat format;
    const bool borders = std::any_of(row.cells.begin(), row.cells.end(),
                                     [](const TRtfCellDef &c) { return c.borders; });
    format.setBorder(borders ? 1 : 0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(std::max(TwipsToPixels(row.cellGap), 2.0));
    format.setLeftMargin(std::max(TwipsToPixels(row.left), 0.0));
    switch (row.align) {
    case TRtfAlign::Center: format.setAlignment(Qt::AlignHCenter); break;
    case TRtfAlign::Right: format.setAlignment(Qt::AlignRight); break;
    default: format.setAlignment(Qt::AlignLeft); break;
    }
    return format;
}

} // namespace

void TDocumentSink::BeginRow(const TRtfRowDef &row)
{
    const int columns = std::max<int>(1, int(row.cells.size()));
    if (!fTable) {
        fTable = fCursor.insertTable(1, columns, TableFormat(row));
        fRow = 0;
    } else {
        fTable->appendRows(1);
        ++fRow;
        if (fTable->columns() < columns)
            fTable->appendColumns(columns - fTable->columns());
    }
    fColumn = 0;
    fCellEntered = false;
    SetColumnWidths(row);
    SetCellBackgrounds(row);
    NoteMerges(row);
}

// Widths in twips from the cells' right edges; a row with more cells than the ones before adds
// its own widths for the new columns.
void TDocumentSink::SetColumnWidths(const TRtfRowDef &row)
{
    if (row.cells.size() <= fColumnWidths.size())
        return;
    for (qsizetype i = fColumnWidths.size(); i < row.cells.size(); ++i) {
        const int left = i == 0 ? row.left : row.cells[i - 1].right;
        fColumnWidths.append(std::max(row.cells[i].right - left, 0));
    }
    QList<QTextLength> constraints;
    for (int i = 0; i < fTable->columns(); ++i) {
        const int width = i < fColumnWidths.size() ? fColumnWidths[i] : 0;
        constraints.append(width > 0 ? QTextLength(QTextLength::FixedLength, TwipsToPixels(width))
                                     : QTextLength());
    }
    QTextTableFormat format = fTable->format();
    format.setColumnWidthConstraints(constraints);
    fTable->setFormat(format);
}

void TDocumentSink::SetCellBackgrounds(const TRtfRowDef &row)
{
    for (int i = 0; i < row.cells.size(); ++i) {
        const QColor color = ColorOf(row.cells[i].background);
        if (!color.isValid())
            continue;
        QTextTableCell cell = fTable->cellAt(fRow, i);
        QTextCharFormat format = cell.format();
        format.setBackground(color);
        cell.setFormat(format);
    }
}

// \clmrg joins a cell to the one before it, \clvmrg to the one above.
void TDocumentSink::NoteMerges(const TRtfRowDef &row)
{
    for (int i = 0; i < row.cells.size(); ++i) {
        if (row.cells[i].mergeNext && i > 0)
            JoinCell(fRow, i, fRow, i - 1);
        else if (row.cells[i].vMergeNext && fRow > 0)
            JoinCell(fRow, i, fRow - 1, i);
    }
}

// Joins the cell to the merge that holds its neighbour (one is begun there when there is none),
// growing it when the cell lies just past its edge.
void TDocumentSink::JoinCell(int row, int column, int intoRow, int intoColumn)
{
    qsizetype index = fMergeOf.value({intoRow, intoColumn}, -1);
    if (index < 0) {
        index = fMerges.size();
        fMerges.append({intoRow, intoColumn, 1, 1});
        fMergeOf.insert({intoRow, intoColumn}, index);
    }
    TMerge &merge = fMerges[index];
    if (row == merge.row && column == merge.column + merge.columns)
        ++merge.columns;
    else if (column == merge.column && row == merge.row + merge.rows)
        ++merge.rows;
    else
        return;
    fMergeOf.insert({row, column}, index);
}

// Moves the cursor into the current cell; false when that cell is merged into another, whose
// own content it is not.
bool TDocumentSink::EnterCell()
{
    if (!fTable || fCellEntered)
        return true;
    const qsizetype merge = fMergeOf.value({fRow, fColumn}, -1);
    if (merge >= 0 && (fMerges[merge].row != fRow || fMerges[merge].column != fColumn))
        return false;
    if (fColumn >= fTable->columns())
        fTable->appendColumns(fColumn - fTable->columns() + 1);
    fCursor = fTable->cellAt(fRow, fColumn).lastCursorPosition();
    fCellEntered = true;
    return true;
}

void TDocumentSink::EndCell(const TRtfParaProps &para)
{
    if (EnterCell())
        fCursor.setBlockFormat(BlockFormat(para));
    ++fColumn;
    fCellEntered = false;
}

void TDocumentSink::EndRow()
{
    fCellEntered = false;
}

void TDocumentSink::EndTable()
{
    for (const TMerge &merge : std::as_const(fMerges))
        fTable->mergeCells(merge.row, merge.column, merge.rows, merge.columns);
    fMerges.clear();
    fMergeOf.clear();
    fTable = nullptr;
    fRow = -1;
    fColumnWidths.clear();
    fCellEntered = false;
    fCursor.movePosition(QTextCursor::End);
}
