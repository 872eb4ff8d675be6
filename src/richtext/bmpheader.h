#pragma once
// The 14-byte file header that turns a packed device-independent bitmap into a BMP file.

#include <QByteArray>

// fileSize: the whole file with this header; bitsOffset: where the pixel rows start in it.
QByteArray BmpFileHeader(quint32 fileSize, quint32 bitsOffset);
// Appends v to out as little-endian bytes.
void AppendLittleEndian(QByteArray &out, quint32 v, int bytes);
