#pragma once
// Writing list text: lines ended by CR LF, in Windows-1251 or in UTF-8 with a byte-order mark.
// Own lists are Windows-1251, as discs made on Windows have them, unless some text does not fit
// Windows-1251 or its bytes would read back as UTF-8. M3U lists with any non-ASCII text are UTF-8:
// the players of a Linux desktop read M3U lists as UTF-8 (and those on Windows honour the mark).
// The text is produced once in Windows-1251 and produced again in UTF-8 only when needed, so the
// common case needs no scan beforehand.

#include "platform/codepage.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <functional>

// A text as one list line can hold it: a line break would end the value early and let the rest
// read as a line of its own, a NUL would end the whole list; each becomes a blank. The text itself
// (shared, not copied) when it holds none.
QString OneLineText(const QString &text);

// How a list written in Windows-1251 treats text beyond ASCII.
enum class TNonAscii {
    Cp1251, // stays Windows-1251 where it fits (own lists)
    Utf8,   // makes the whole list UTF-8 (M3U lists)
};

class TListTextSink {
public:
    using TFlush = std::function<void(QByteArrayView)>;
    // Utf8 output starts with a byte-order mark. Without flush everything stays in Bytes().
    TListTextSink(TTextEncoding encoding, TNonAscii nonAscii, TFlush flush = {});

    void Ascii(const char *text) { fBuffer.append(text); }
    // Writes text as one line can hold it (see OneLineText).
    void Text(QStringView text);
    void EndLine();
    // Hands the rest to flush (when there is one).
    void Finish();
    // Whether the Windows-1251 text cannot stand: some text did not fit (it was written as "?"),
    // or it holds non-ASCII text that must be UTF-8 or that readers would take for UTF-8 (all of
    // it valid UTF-8).
    bool NeedsUtf8() const
    {
        return fLossy || (fSawNonAscii && (fNonAscii == TNonAscii::Utf8 || fReadableAsUtf8));
    }
    QByteArray &Bytes() { return fBuffer; }

private:
    TTextEncoding fEncoding;
    TNonAscii fNonAscii;
    TFlush fFlush;
    QByteArray fBuffer;
    bool fLossy = false;
    bool fReadableAsUtf8 = true;
    bool fSawNonAscii = false;
};

// Writes the whole text into a sink; called once or twice (see above).
using TListProducer = std::function<void(TListTextSink &sink)>;

QByteArray ListText(const TListProducer &produce, TNonAscii nonAscii);
// Saves the text atomically, streaming it to the file; throws EIOError on failure.
void SaveListText(const QString &fileName, const TListProducer &produce, TNonAscii nonAscii);
