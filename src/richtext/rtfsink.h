#pragma once
// The receiving end of the RTF reader: the document builder and the plain-text extractor see the
// same stream of events, so both show the same text.
//
// Order: text and pictures fill the current paragraph; EndParagraph closes it. Table rows come as
// BeginRow, then cells whose paragraphs end with EndParagraph except the last, which ends with
// EndCell; EndRow closes the row and EndTable the table (before the next paragraph outside it).
// Finish closes the last paragraph, which has no paragraph mark of its own.

#include "richtext/rtftypes.h"

#include <QStringView>

class TRtfSink {
public:
    virtual ~TRtfSink() = default;

    // A run of text in one format. Holds "\t" for tabs and U+2028 for line breaks, no other
    // control characters.
    virtual void AddText(QStringView text, const TRtfCharProps &chars) = 0;
    // False when pictures are of no use to the sink: the reader then skips their data.
    virtual bool WantsPictures() const { return true; }
    virtual void AddPicture(const TRtfPicture &picture) = 0;
    // mark: the format of the paragraph mark, which sets an empty paragraph's height;
    // pageBreak: the paragraph ends with a page break (\page).
    virtual void EndParagraph(const TRtfParaProps &para, const TRtfCharProps &mark,
                              bool pageBreak) = 0;

    virtual void BeginRow(const TRtfRowDef &row) = 0;
    virtual void EndCell(const TRtfParaProps &para) = 0;
    virtual void EndRow() = 0;
    virtual void EndTable() = 0;

    virtual void Finish(const TRtfParaProps &para) = 0;
};
