#include "imaging/metafile.h"

#include "imaging/emfplayer.h"
#include "imaging/metadc.h"
#include "imaging/pictureerror.h"
#include "imaging/wmfplayer.h"

#include <QPainter>

namespace {

// A metafile renders by drawing itself into an image (transparent where it draws nothing).
class TMetafileData : public TPictureData {
public:
    QImage Render(QSize size) const override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) throw EPictureError(QStringLiteral("Недостаточно памяти для рисунка"));
        image.fill(Qt::transparent);
        QPainter painter(&image);
        Draw(painter, QRectF(QPointF(0, 0), size));
        return image;
    }
};

class TWmfData : public TMetafileData {
public:
    explicit TWmfData(const QByteArray &bytes) : fBytes(bytes), fInfo(ReadWmfInfo(bytes)) {}
    QSize NaturalSize() const override { return fInfo.naturalSize; }
    void Draw(QPainter &painter, const QRectF &target) const override
    {
        TMetaDc dc(painter, target);
        dc.SetupWmf(fInfo.window);
        PlayWmf(fBytes, fInfo, dc);
    }

private:
    QByteArray fBytes;
    TWmfInfo fInfo;
};

class TEmfData : public TMetafileData {
public:
    explicit TEmfData(const QByteArray &bytes) : fBytes(bytes), fInfo(ReadEmfInfo(bytes)) {}
    QSize NaturalSize() const override { return fInfo.naturalSize; }
    void Draw(QPainter &painter, const QRectF &target) const override
    {
        const QRectF &frame = fInfo.frame;
        const QTransform deviceToTarget = QTransform::fromTranslate(-frame.left(), -frame.top()) *
                                          QTransform::fromScale(target.width() / frame.width(),
                                                                target.height() / frame.height()) *
                                          QTransform::fromTranslate(target.left(), target.top());
        TMetaDc dc(painter, target);
        dc.SetupEmf(deviceToTarget, fInfo.pixelsPerMm);
        PlayEmf(fBytes, fInfo, dc);
    }

private:
    QByteArray fBytes;
    TEmfInfo fInfo;
};

} // namespace

std::unique_ptr<TPictureData> OpenWmf(const QByteArray &bytes)
{
    return std::make_unique<TWmfData>(bytes);
}

std::unique_ptr<TPictureData> OpenEmf(const QByteArray &bytes)
{
    return std::make_unique<TEmfData>(bytes);
}
