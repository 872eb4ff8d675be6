#pragma once
// The seam through which RTF pictures become images. The program installs the picture
// component's decoder at start-up; until then PNG, JPEG and bitmaps decode through Qt's own
// readers and metafiles stay undecoded.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

// Decodes a picture's bytes. format is one of "PNG", "JPEG", "DIB" (a packed bitmap: header,
// colours and rows, no file header), "BMP" (a whole BMP file), "WMF" (a Windows metafile
// starting at its METAHEADER, without the placeable header) and "EMF". goalPixels is the size the
// document shows the picture at, empty when the document gives none (metafiles then pick their
// own). Returns a null image for a picture it cannot decode; the picture is then left out.
using TPictureDecoder =
    std::function<QImage(const QByteArray &data, const QString &format, const QSize &goalPixels)>;

// Installs the decoder every reader uses from then on; an empty one restores the default.
// Not thread-safe: call it before documents are read.
void SetPictureDecoder(TPictureDecoder decoder);
const TPictureDecoder &PictureDecoder();

// PNG, JPEG, DIB and BMP through Qt's image readers; a null image for the rest.
QImage DefaultPictureDecoder(const QByteArray &data, const QString &format, const QSize &goalPixels);

// A packed bitmap with the BMP file header that makes it a BMP file; empty when its header is
// too short to tell where its rows start.
QByteArray DibAsBmpFile(const QByteArray &dib);
