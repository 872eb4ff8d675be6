#include "imaging/metafile.h"

#include "imaging/emfplayer.h"
#include "imaging/metadc.h"
#include "imaging/pictureerror.h"
#include "imaging/wmfplayer.h"

#include <QPainter>

namespace {

// Renders a metafile's drawing into an image of exactly size (transparent where it draws
// nothing).
QImage RenderMetafile(const TPictureData &picture, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw EPictureError(QStringLiteral("Недостаточно памяти для рисунка"));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.Draw(painter, QRectF(QPointF(0, 0), size));
    return image;
}

class TWmfData : public TPictureData {
public:
    explicit TWmfData(const QByteArray &bytes) : fBytes(bytes), fInfo(ReadWmfInfo(bytes)) {}
    QSize NaturalSize() const override { return fInfo.naturalSize; }
    void Draw(QPainter &painter, const QRectF &target) const override
    {
        TMetaDc dc(painter, target);
        dc.SetupWmf(fInfo.window);
        PlayWmf(fBytes, fInfo, dc);
    }
    QImage Render(QSize size) const override { return RenderMetafile(*this, size); }

private:
    QByteArray fBytes;
    TWmfInfo fInfo;
};

class TEmfData : public TPictureData {
public:
    explicit TEmfData(const QByteArray &bytes) : fBytes(bytes), fInfo(ReadEmfInfo(bytes)) {}
    QSize NaturalSize() const override { return fInfo.naturalSize; }
    void Draw(QPainter &painter, const QRectF &target) const override
    {
        const QRectF &frame = fInfo.frame;
        const QTransform deviceToTarget =
            QTransform::fromTranslate(-frame.left(), -frame.top()) *
            QTransform::fromScale(target.width() / frame.width(),
                                  target.height() / frame.height()) *
            QTransform::fromTranslate(target.left(), target.top());
        TMetaDc dc(painter, target);
        dc.SetupEmf(deviceToTarget, fInfo.pixelsPerMm);
        PlayEmf(fBytes, fInfo, dc);
    }
    QImage Render(QSize size) const override { return RenderMetafile(*this, size); }

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
