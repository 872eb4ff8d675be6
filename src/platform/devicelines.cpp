#include "platform/devicelines.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr qint64 kChunk = 64 * 1024;

TUtf8Shape Combined(TUtf8Shape a, TUtf8Shape b)
{
    if (a == TUtf8Shape::Invalid || b == TUtf8Shape::Invalid)
        return TUtf8Shape::Invalid;
    return a == TUtf8Shape::Utf8 || b == TUtf8Shape::Utf8 ? TUtf8Shape::Utf8 : TUtf8Shape::Ascii;
}

// Index of the last ASCII byte of bytes, -1 when there is none.
qsizetype LastAscii(QByteArrayView bytes)
{
    qsizetype i = bytes.size() - 1;
    while (i >= 0 && uchar(bytes[i]) >= 0x80)
        --i;
    return i;
}

} // namespace

TDeviceText ScanListText(QIODevice &device)
{
    TDeviceText text{TTextEncoding::Cp1251, device.pos()};
    QByteArray chunk(kChunk, Qt::Uninitialized);
    // Bytes after the last ASCII byte seen: a sequence that began there may go on in the next
    // chunk. An ASCII byte ends every sequence, so what comes before it can be judged now.
    QByteArray pending;
    TUtf8Shape shape = TUtf8Shape::Ascii;
    bool first = true;
    qint64 got = 0;
    while (shape != TUtf8Shape::Invalid && (got = device.read(chunk.data(), kChunk)) > 0) {
        QByteArrayView part(chunk.constData(), got);
        if (std::exchange(first, false) && part.startsWith(QByteArrayView(kUtf8Bom))) {
            text.Encoding = TTextEncoding::Utf8;
            text.Start += 3;
            return text;
        }
        const qsizetype nul = part.indexOf('\0');
        pending.append(nul < 0 ? part : part.first(nul));
        const qsizetype judged = LastAscii(pending) + 1;
        shape = Combined(shape, Utf8Shape(QByteArrayView(pending).first(judged)));
        pending.remove(0, judged);
        if (nul >= 0)
            break;
    }
    shape = Combined(shape, Utf8Shape(pending));
    if (shape == TUtf8Shape::Utf8)
        text.Encoding = TTextEncoding::Utf8;
    return text;
}

TDeviceLineCursor::TDeviceLineCursor(QIODevice &device, qint64 start)
    : fDevice(device), fBase(start), fStart(start), fPrevious(start)
{
    fExhausted = !fDevice.seek(start);
    Find();
}

QByteArrayView TDeviceLineCursor::Line() const
{
    if (fAtEnd)
        return {};
    return QByteArrayView(fBuffer).sliced(fStart - fBase, fLength);
}

void TDeviceLineCursor::Next()
{
    if (fAtEnd)
        return;
    fPrevious = fStart;
    fStart = fNext;
    Find();
}

void TDeviceLineCursor::Back()
{
    fStart = fPrevious;
    Find();
}

void TDeviceLineCursor::Find()
{
    qint64 i = fStart; // device position; the buffer holds it at i - fBase
    for (;;) {
        const char *bytes = fBuffer.constData();
        const qint64 end = fBase + fBuffer.size();
        while (i < end && bytes[i - fBase] != '\n' && bytes[i - fBase] != '\r')
            ++i;
        // A line end is certain once the byte after a CR is known too.
        if (i < end && (bytes[i - fBase] == '\n' || i + 1 < end))
            break;
        if (!Fill())
            break;
    }
    const char *bytes = fBuffer.constData();
    const qint64 end = fBase + fBuffer.size();
    fAtEnd = fStart >= end;
    fLength = i - fStart;
    fNext = i + 1;
    if (i + 1 < end && bytes[i - fBase] == '\r' && bytes[i + 1 - fBase] == '\n')
        ++fNext;
}

bool TDeviceLineCursor::Fill()
{
    if (fExhausted)
        return false;
    // Moving the kept bytes to the front reuses the buffer's room instead of growing it.
    const qsizetype dropped = fPrevious - fBase;
    const qsizetype kept = fBuffer.size() - dropped;
    std::memmove(fBuffer.data(), fBuffer.constData() + dropped, size_t(kept));
    fBase = fPrevious;
    fBuffer.resize(kept + kChunk);
    const qint64 got = fDevice.read(fBuffer.data() + kept, kChunk);
    QByteArrayView fresh(fBuffer.constData() + kept, std::max<qint64>(got, 0));
    const qsizetype nul = fresh.indexOf('\0');
    fExhausted = got <= 0 || nul >= 0;
    fBuffer.resize(kept + (nul >= 0 ? nul : fresh.size()));
    return fBuffer.size() > kept;
}
