#pragma once
// Enhanced metafiles (EMF): the header, and the records played onto a TMetaDc.

#include <QByteArrayView>
#include <QRectF>
#include <QSize>

class TMetaDc;

struct TEmfInfo {
    qsizetype recordsStart = 0; // offset of the record after the header
    QRectF frame;               // the picture in reference-device units
    QSizeF pixelsPerMm;         // of the reference device
    QSize naturalSize;          // pixels
};

// The picture's frame (or, when it has none, its bounds); throws EPictureError when bytes are
// no readable EMF.
TEmfInfo ReadEmfInfo(QByteArrayView bytes);
// Plays the records until the end record, a damaged record or the work limits.
void PlayEmf(QByteArrayView bytes, const TEmfInfo &info, TMetaDc &dc);
