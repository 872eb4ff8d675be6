#pragma once
// Windows metafiles (WMF), placeable (0x9AC6CDD7 header) or plain: the headers, and the records
// played onto a TMetaDc.

#include <QByteArrayView>
#include <QRectF>
#include <QSize>

class TMetaDc;

struct TWmfInfo {
    qsizetype recordsStart = 0; // offset of the first record
    QRectF window;              // the picture in logical units
    QSize naturalSize;          // pixels
};

// The picture's extent: the placeable header's box at its units per inch, or for a plain file
// the window its records set; throws EPictureError when bytes are no readable WMF.
TWmfInfo ReadWmfInfo(QByteArrayView bytes);
// Plays the records until the end record, a damaged record or the work limits.
void PlayWmf(QByteArrayView bytes, const TWmfInfo &info, TMetaDc &dc);
