#pragma once
// Splitting text into lines the way list files end them: CR LF, a lone LF or a lone CR. Works on
// byte views and string views alike, without copying.

#include <QByteArrayView>
#include <QStringView>

// A forward cursor over the lines of text; the last line may lack its line end, and text that
// ends with a line end has no empty line after it.
template <class TView> class TLineCursor {
public:
    explicit TLineCursor(TView text) : fText(text) { Find(); }

    bool AtEnd() const { return fStart > fText.size() || fText.isEmpty(); }
    TView Line() const { return fText.sliced(fStart, fLength); }
    // Where the current line starts in the text.
    qsizetype Position() const { return fStart; }
    void Next()
    {
        if (AtEnd())
            return;
        fPrevious = fStart;
        fStart = fNext;
        Find();
    }
    // Returns to the line before; valid once, right after a Next() that did not reach the end.
    void Back()
    {
        fStart = fPrevious;
        Find();
    }

private:
    void Find()
    {
        if (fStart >= fText.size()) {
            fStart = fText.size() + 1; // past the end: text ending in a line end has no more lines
            fLength = 0;
            return;
        }
        qsizetype i = fStart;
        while (i < fText.size() && fText[i] != '\n' && fText[i] != '\r')
            ++i;
        fLength = i - fStart;
        fNext = i + 1;
        if (i + 1 < fText.size() && fText[i] == '\r' && fText[i + 1] == '\n')
            ++fNext;
    }

    TView fText;
    qsizetype fStart = 0;
    qsizetype fLength = 0;
    qsizetype fNext = 0;
    qsizetype fPrevious = 0;
};

// Calls f(line) for every line of text.
template <class TView, class F> void ForEachLine(TView text, F &&f)
{
    for (TLineCursor<TView> cursor(text); !cursor.AtEnd(); cursor.Next())
        f(cursor.Line());
}
