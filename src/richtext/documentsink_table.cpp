// Tables: one QTextTable per run of table rows, a column per cell, widths from the first row that
// gives them, merged cells merged.
#include "richtext/documentsink.h"

#include <QTextTable>

namespace {

QTextTableFormat TableFormat(const TRtfRowDef &row)
{
    QTextTableFormat format;
    const bool borders =
        std::any_of(row.cells.begin(), row.cells.end(), [](const TRtfCellDef &c) { return c.borders; });
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
    for (int i = 0; i < row.cells.size(); ++i) {
        const QColor color = fTables.Color(row.cells[i].background);
        if (!color.isValid())
            continue;
        QTextTableCell cell = fTable->cellAt(fRow, i);
        QTextCharFormat format = cell.format();
        format.setBackground(color);
        cell.setFormat(format);
    }
    MergeCells(row);
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

// \clmrg joins a cell to the one before it, \clvmrg to the one above.
void TDocumentSink::MergeCells(const TRtfRowDef &row)
{
    for (int i = 0; i < row.cells.size(); ++i) {
        const TRtfCellDef &def = row.cells[i];
        if (def.mergeNext && i > 0) {
            const QTextTableCell before = fTable->cellAt(fRow, i - 1);
            fTable->mergeCells(fRow, before.column(), 1, i - before.column() + 1);
        } else if (def.vMergeNext && fRow > 0) {
            const QTextTableCell above = fTable->cellAt(fRow - 1, i);
            fTable->mergeCells(above.row(), above.column(), fRow - above.row() + 1,
                               above.columnSpan());
        }
    }
}

// Moves the cursor into the current cell; false when that cell is merged into another, whose
// own content it is not.
bool TDocumentSink::EnterCell()
{
    if (!fTable || fCellEntered)
        return true;
    if (fColumn >= fTable->columns())
        fTable->appendColumns(fColumn - fTable->columns() + 1);
    const QTextTableCell cell = fTable->cellAt(fRow, fColumn);
    if (cell.row() != fRow || cell.column() != fColumn)
        return false;
    fCursor = cell.lastCursorPosition();
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
    fTable = nullptr;
    fRow = -1;
    fColumnWidths.clear();
    fCellEntered = false;
    fCursor.movePosition(QTextCursor::End);
}
