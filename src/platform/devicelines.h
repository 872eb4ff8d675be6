#pragma once
// List text read from a device in bounded chunks, so that a reader of a large list never holds
// the whole file: one pass finds how the text is encoded, a second walks its lines.

#include "platform/codepage.h"

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// How the text from a device's current position is to be read, and where it starts (after a
// UTF-8 byte-order mark). Detection as DetectListEncoding, on the bytes before the first NUL.
struct TDeviceText {
    TTextEncoding Encoding = TTextEncoding::Cp1251;
    qint64 Start = 0;
};
// Reads the device onwards until the verdict is certain; its position is left anywhere.
TDeviceText ScanListText(QIODevice &device);

// A forward cursor over the lines of a device from start up to its end or its first NUL byte,
// split as TLineCursor splits them. Only the current line and the one before it are held (a
// buffer of a few chunks, longer only for lines that are). Positions count the device's bytes.
class TDeviceLineCursor {
public:
    TDeviceLineCursor(QIODevice &device, qint64 start);

    bool AtEnd() const { return fAtEnd; }
    QByteArrayView Line() const;
    qint64 Position() const { return fStart; }
    void Next();
    // Returns to the line before; valid once, right after a Next() that did not reach the end.
    void Back();

private:
    void Find();
    // Appends the next chunk, dropping the bytes before the previous line; false at the end.
    bool Fill();

    QIODevice &fDevice;
    QByteArray fBuffer; // the device's bytes from fBase on
    qint64 fBase = 0;
    qint64 fStart = 0;
    qint64 fLength = 0;
    qint64 fNext = 0;
    qint64 fPrevious = 0;
    bool fExhausted = false; // no byte after the buffer belongs to the text
    bool fAtEnd = false;
};
