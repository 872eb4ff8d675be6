#pragma once
// The picture object: loads a picture file with the decoder its extension names (never by its
// content), reports its natural size and draws it stretched into any rectangle. Copies share the
// loaded picture (and what it has decoded for drawing): copying a cached picture is cheap.

#include "imaging/pictureerror.h"
#include "library/pictures.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;
class TPictureData;

class TImagePicture final : public TPicture {
public:
    TImagePicture();
    TImagePicture(const TImagePicture &other);
    TImagePicture &operator=(const TImagePicture &other);
    ~TImagePicture() override;

    // Loads the file by its extension ("JPEG" for .jpg/.jpeg, "GIF", "BMP" for .bmp/.dib, "WMF",
    // "EMF"; any letter case); throws EPictureError and keeps the old picture when it cannot.
    void Load(const QString &fileName);
    // Loads bytes of a registered format ("JPEG", "GIF", "BMP", "DIB" (packed, as documents embed
    // it), "PNG", "WMF", "EMF"); throws EPictureError and keeps the old picture when it cannot.
    void LoadFromData(const QByteArray &bytes, const QString &formatName);

    bool LoadFromFile(const QString &fileName) override; // Load; false and emptied on failure
    QSize NaturalSize() const override;                  // pixels; empty when empty
    bool IsEmpty() const override;
    void Clear() override;

    // The registered format name of the loaded picture; empty when empty.
    QString FormatName() const { return fFormatName; }
    // Draws the picture stretched into target (painter coordinates); nothing when empty.
    void Draw(QPainter &painter, const QRectF &target) const;
    // The picture stretched to size (natural size when size is empty); throws EPictureError
    // when empty or when its pixels cannot be decoded.
    QImage ToImage(QSize size = QSize()) const;

private:
    std::shared_ptr<const TPictureData> fData;
    QString fFormatName;
};

// Makes every new picture item of the core hold a TImagePicture; called once at start-up.
void InstallPictureFactory();

// The picture in bytes of a registered format, as an image of goal pixels (its natural size when
// goal is empty); a null image when it cannot be decoded. The shape of the document readers'
// picture decoders.
QImage DecodePictureBytes(const QByteArray &bytes, const QString &formatName, const QSize &goal);
