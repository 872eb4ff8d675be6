#pragma once
// Collects a document's text as plain text: each paragraph ends in "\n", a line break is "\n";
// a table row is one line with its cells separated by a tab, so a paragraph or line break inside
// a cell becomes a blank. Pictures leave nothing.

#include "richtext/rtfsink.h"

#include <QString>

class TPlainTextSink : public TRtfSink {
public:
    QString Text() const { return fText; }

    void AddText(QStringView text, const TRtfCharProps &chars) override;
    bool WantsPictures() const override { return false; }
    void AddPicture(const TRtfPicture &) override {}
    void EndParagraph(const TRtfParaProps &para, const TRtfCharProps &mark,
                      bool pageBreak) override;
    void BeginRow(const TRtfRowDef &row) override;
    void EndCell(const TRtfParaProps &para) override;
    void EndRow() override;
    void EndTable() override {}
    void Finish(const TRtfParaProps &) override {}

private:
    QString fText;
    bool fInRow = false;
    bool fCellJustEnded = false; // the text ends with the tab after a cell
};
