#pragma once
// The decoders behind the picture object, registered by format name and file extensions. A
// format is added in pictureformat.cpp's table alone.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QStringView>
#include <memory>

class QPainter;

// One opened picture of some format: its natural size is known, its pixels are produced when
// drawn or rendered (a JPEG decodes at the size it is drawn, a metafile plays its records).
class TPictureData {
public:
    virtual ~TPictureData() = default;
    virtual QSize NaturalSize() const = 0;
    // Draws the picture stretched into target of painter's current coordinates; a decode that
    // fails here draws nothing.
    virtual void Draw(QPainter &painter, const QRectF &target) const = 0;
    // The picture stretched to exactly size pixels; throws EPictureError when it cannot decode.
    virtual QImage Render(QSize size) const = 0;
};

// Opens bytes of the format; throws EPictureError when they are not a readable picture of it.
using TPictureOpener = std::unique_ptr<TPictureData> (*)(const QByteArray &bytes);

struct TPictureFormat {
    const char *name;            // registered name: "JPEG", "GIF", "BMP", ...
    const char *const *suffixes; // lower-case extensions without the dot, null-terminated
    TPictureOpener open;
};

// The format for a file extension (without the dot, any letter case); null when none.
const TPictureFormat *FormatForSuffix(QStringView suffix);
// The format of a registered name (any letter case); null when none.
const TPictureFormat *FormatForName(QStringView name);
