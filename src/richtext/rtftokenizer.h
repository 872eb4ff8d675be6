#pragma once
// Splits RTF bytes into tokens: braces, control words with their parameter, control symbols,
// runs of plain bytes and \bin data. Never reads past the end; every input, however broken, ends
// in an End token after at most one token per byte.

#include <QByteArrayView>
#include <string_view>

enum class TRtfTokenKind { GroupOpen, GroupClose, Word, Symbol, Hex, Text, Binary, End };

struct TRtfToken {
    TRtfTokenKind kind = TRtfTokenKind::End;
    std::string_view word;  // Word: the letters; Text and Binary: the bytes
    int param = 0;          // Word: the parameter, clamped to the int range
    bool hasParam = false;
    char symbol = 0;        // Symbol: the character after the backslash
    unsigned char hex = 0;  // Hex: the byte of \'hh
};

class TRtfTokenizer {
public:
    explicit TRtfTokenizer(QByteArrayView bytes);

    TRtfToken Next();
    // The next token is the count bytes of \bin data (fewer at the end of the input).
    void ExpectBinary(qsizetype count);
    // Bytes from the current position up to the next "}" or the end: room a picture's hex may
    // take.
    qsizetype BytesBeforeGroupEnd() const;

private:
    TRtfToken ReadControl();
    TRtfToken ReadWord();
    TRtfToken ReadText();

    const char *fPos;
    const char *fEnd;
    qsizetype fBinary = -1; // pending \bin count, -1 when none
};
