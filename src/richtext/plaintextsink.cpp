#include "richtext/plaintextsink.h"

void TPlainTextSink::AddText(QStringView text, const TRtfCharProps &)
{
    const qsizetype start = fText.size();
    fText.append(text);
    const QChar lineBreak = fInRow ? QLatin1Char(' ') : QLatin1Char('\n');
    QChar *const end = fText.data() + fText.size();
    for (QChar *c = fText.data() + start; c != end; ++c)
        if (*c == QChar::LineSeparator)
            *c = lineBreak;
    fCellJustEnded = false;
}

void TPlainTextSink::EndParagraph(const TRtfParaProps &, const TRtfCharProps &, bool)
{
    fText.append(fInRow ? QLatin1Char(' ') : QLatin1Char('\n'));
    fCellJustEnded = false;
}

// A table starts on a line of its own, as it does in the document.
void TPlainTextSink::BeginRow(const TRtfRowDef &)
{
    if (!fText.isEmpty() && !fText.endsWith(QLatin1Char('\n')))
        fText.append(QLatin1Char('\n'));
    fInRow = true;
}

void TPlainTextSink::EndCell(const TRtfParaProps &)
{
    fText.append(QLatin1Char('\t'));
    fCellJustEnded = true;
}

// The tab after the row's last cell goes: tabs separate cells, they do not end them.
void TPlainTextSink::EndRow()
{
    if (fCellJustEnded)
        fText.chop(1);
    fText.append(QLatin1Char('\n'));
    fInRow = false;
    fCellJustEnded = false;
}
