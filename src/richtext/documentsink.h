#pragma once
// Builds a QTextDocument from the reader's events through one cursor: a run of text is one
// insertion, formats are made once per change of properties, tables are QTextTables.

#include "richtext/rtfsink.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextTableFormat>

class QTextDocument;
class QTextTable;

class TDocumentSink : public TRtfSink {
public:
    // Decoded pictures past this many bytes in one document are left out.
    static constexpr qint64 kMaxPictureBytes = 256 * 1024 * 1024;

    // document: empty; tables: the reader's, filled before the text that uses them.
    TDocumentSink(QTextDocument &document, const TRtfTables &tables);

    void AddText(QStringView text, const TRtfCharProps &chars) override;
    void AddPicture(const TRtfPicture &picture) override;
    void EndParagraph(const TRtfParaProps &para, const TRtfCharProps &mark,
                      bool pageBreak) override;
    void BeginRow(const TRtfRowDef &row) override;
    void EndCell(const TRtfParaProps &para) override;
    void EndRow() override;
    void EndTable() override;
    void Finish(const TRtfParaProps &para) override;

private:
    QColor ColorOf(int index) const; // invalid for automatic
    const QTextCharFormat &CharFormat(const TRtfCharProps &chars);
    const QTextBlockFormat &BlockFormat(const TRtfParaProps &para);
    bool EnterCell();
    void NoteMerges(const TRtfRowDef &row);
    void JoinCell(int row, int column, int intoRow, int intoColumn);
    void SetColumnWidths(const TRtfRowDef &row);
    void SetCellBackgrounds(const TRtfRowDef &row);

    QTextDocument &fDocument;
    const TRtfTables &fTables;
    QTextCursor fCursor;

    TRtfCharProps fCharProps;
    QTextCharFormat fCharFormat;
    bool fCharFormatMade = false;
    TRtfParaProps fParaProps;
    QTextBlockFormat fBlockFormat;
    bool fBlockFormatMade = false;

    QTextTable *fTable = nullptr;
    int fRow = -1;
    int fColumn = 0;
    bool fCellEntered = false; // fCursor stands in the cell at fRow, fColumn
    QList<int> fColumnWidths;  // twips, from the first row that gives them

    // Merged cells are merged when the table is complete: Qt's table breaks when columns are
    // added after a merge. Each merge is a rectangle; fMergeOf maps every cell in one to it.
    struct TMerge {
        int row, column, rows, columns;
    };
    QList<TMerge> fMerges;
    QHash<QPair<int, int>, qsizetype> fMergeOf;
    int fPictures = 0;
    qint64 fPictureBytes = 0;
};
