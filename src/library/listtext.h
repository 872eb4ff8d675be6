#pragma once
// Writing list text (own lists and M3U lists alike): Windows-1251 or UTF-8, lines ended by
// CR LF, gathered in a buffer that is handed on in large pieces.

#include "platform/codepage.h"

#include <QByteArray>
#include <QStringView>
#include <functional>

class TListTextSink {
public:
    using TFlush = std::function<void(QByteArrayView)>;
    // Utf8 output starts with a byte-order mark. Without flush everything stays in Bytes().
    explicit TListTextSink(TTextEncoding encoding, TFlush flush = {});

    void Ascii(const char *text) { fBuffer.append(text); }
    // Characters Windows-1251 lacks become "?": callers choose Utf8 when any text needs it.
    void Text(QStringView text);
    void EndLine();
    // Hands the rest to flush (when there is one).
    void Finish();
    QByteArray &Bytes() { return fBuffer; }

private:
    TTextEncoding fEncoding;
    TFlush fFlush;
    QByteArray fBuffer;
};
