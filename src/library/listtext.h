#pragma once
// Writing list text (own lists and M3U lists alike): Windows-1251 with CR LF, or UTF-8 with a
// byte-order mark when some text does not fit Windows-1251 or when the Windows-1251 bytes would
// read back as UTF-8. The text is produced once in Windows-1251 and produced again in UTF-8 only
// when needed, so the common case needs no scan beforehand.

#include "platform/codepage.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <functional>

class TListTextSink {
public:
    using TFlush = std::function<void(QByteArrayView)>;
    // Utf8 output starts with a byte-order mark. Without flush everything stays in Bytes().
    explicit TListTextSink(TTextEncoding encoding, TFlush flush = {});

    void Ascii(const char *text) { fBuffer.append(text); }
    void Text(QStringView text);
    void EndLine();
    // Hands the rest to flush (when there is one).
    void Finish();
    // Whether the Windows-1251 text cannot stand: some text did not fit (it was written as "?"),
    // or all of it is valid UTF-8 with non-ASCII characters, which readers take for UTF-8.
    bool NeedsUtf8() const { return fLossy || (fReadableAsUtf8 && fSawNonAscii); }
    QByteArray &Bytes() { return fBuffer; }

private:
    TTextEncoding fEncoding;
    TFlush fFlush;
    QByteArray fBuffer;
    bool fLossy = false;
    bool fReadableAsUtf8 = true;
    bool fSawNonAscii = false;
};

// Writes the whole text into a sink; called once or twice (see above).
using TListProducer = std::function<void(TListTextSink &sink)>;

QByteArray ListText(const TListProducer &produce);
// Saves the text atomically, streaming it to the file; throws EIOError on failure.
void SaveListText(const QString &fileName, const TListProducer &produce);
