#include "richtext/rtftokenizer.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The longest control word RTF defines has 32 letters; longer runs are still read whole.
constexpr qsizetype kMaxWordLength = 32;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

TRtfTokenizer::TRtfTokenizer(QByteArrayView bytes)
    : fPos(bytes.data()), fEnd(bytes.data() + bytes.size())
{
}

void TRtfTokenizer::ExpectBinary(qsizetype count)
{
    fBinary = count;
}

qsizetype TRtfTokenizer::BytesBeforeGroupEnd() const
{
    const void *close = std::memchr(fPos, '}', size_t(fEnd - fPos));
    return (close ? static_cast<const char *>(close) : fEnd) - fPos;
}

TRtfToken TRtfTokenizer::Next()
{
    TRtfToken token;
    if (fBinary >= 0) {
        const qsizetype count = std::min(fBinary, qsizetype(fEnd - fPos));
        fBinary = -1;
        token.kind = TRtfTokenKind::Binary;
        token.word = std::string_view(fPos, size_t(count));
        fPos += count;
        return token;
    }
    while (fPos < fEnd && (*fPos == '\r' || *fPos == '\n'))
        ++fPos;
    if (fPos >= fEnd)
        return token;
    switch (*fPos) {
    case '{': ++fPos; token.kind = TRtfTokenKind::GroupOpen; return token;
    case '}': ++fPos; token.kind = TRtfTokenKind::GroupClose; return token;
    case '\\': return ReadControl();
    default: return ReadText();
    }
}

TRtfToken TRtfTokenizer::ReadText()
{
    const char *start = fPos;
    while (fPos < fEnd && *fPos != '\\' && *fPos != '{' && *fPos != '}' && *fPos != '\r' &&
           *fPos != '\n')
        ++fPos;
    TRtfToken token;
    token.kind = TRtfTokenKind::Text;
    token.word = std::string_view(start, size_t(fPos - start));
    return token;
}

TRtfToken TRtfTokenizer::ReadControl()
{
    ++fPos; // the backslash
    TRtfToken token;
    if (fPos >= fEnd)
        return token;
    if (IsLetter(*fPos))
        return ReadWord();
    const char c = *fPos++;
    if (c == '\'') {
        int value = 0;
        for (int digits = 0; digits < 2 && fPos < fEnd && HexValue(*fPos) >= 0; ++digits)
            value = value * 16 + HexValue(*fPos++);
        token.kind = TRtfTokenKind::Hex;
        token.hex = static_cast<unsigned char>(value);
        return token;
    }
    // A backslash before a line end is a paragraph mark.
    if (c == '\r' || c == '\n') {
        token.kind = TRtfTokenKind::Word;
        token.word = "par";
        return token;
    }
    token.kind = TRtfTokenKind::Symbol;
    token.symbol = c;
    return token;
}

TRtfToken TRtfTokenizer::ReadWord()
{
    const char *start = fPos;
    while (fPos < fEnd && IsLetter(*fPos))
        ++fPos;
    TRtfToken token;
    token.kind = TRtfTokenKind::Word;
    token.word = std::string_view(start, size_t(std::min(qsizetype(fPos - start), kMaxWordLength)));
    bool negative = false;
    if (fPos + 1 < fEnd && *fPos == '-' && IsDigit(fPos[1])) {
        negative = true;
        ++fPos;
    }
    long long value = 0;
    while (fPos < fEnd && IsDigit(*fPos)) {
        token.hasParam = true;
        value = std::min(value * 10 + (*fPos++ - '0'), (long long)(INT_MAX) + 1);
    }
    value = negative ? -value : std::min(value, (long long)(INT_MAX));
    token.param = int(value);
    if (fPos < fEnd && *fPos == ' ')
        ++fPos;
    return token;
}
