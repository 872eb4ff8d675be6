#include "imaging/jpegpicture.h"

#include "imaging/jpegdecoder.h"
#include "imaging/limits.h"
#include "imaging/pictureerror.h"
#include "imaging/rasterdata.h"

#include <QPainter>
#include <cmath>

namespace {

// Source pixels around the view that a smoothed (bilinear) scaled drawing reads.
constexpr int kSmoothingMargin = 2;
// The least a part decoded grows beyond the view on each side.
constexpr int kMinGrowth = 64;

// The part of the painter's coordinates that reaches its device: the clip, when there is one,
// within the device's rectangle.
QRectF VisibleArea(const QPainter &painter)
{
    QRectF visible = painter.combinedTransform().inverted().mapRect(QRectF(painter.viewport()));
    if (painter.hasClipping()) visible &= painter.clipBoundingRect();
    return visible;
}

// The pixels of a picture of size picture that drawing it stretched into target shows within
// visible (both in the painter's coordinates), with margin pixels more on each side for the
// smoothing of a scaled drawing; cut to the picture, empty when nothing of it shows.
QRect PixelsInView(QSize picture, const QRectF &target, const QRectF &visible, int margin)
{
    const QRectF shown = target & visible;
    if (shown.isEmpty() || picture.isEmpty()) return {};
    const double sx = picture.width() / target.width();
    const double sy = picture.height() / target.height();
    const int left = int(std::floor((shown.left() - target.left()) * sx)) - margin;
    const int top = int(std::floor((shown.top() - target.top()) * sy)) - margin;
    const int right = int(std::ceil((shown.right() - target.left()) * sx)) + margin;
    const int bottom = int(std::ceil((shown.bottom() - target.top()) * sy)) + margin;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & QRect(QPoint(), picture);
}

// The part to decode so that needed shows and scrolls by up to half of it need nothing more:
// needed grown by half its size on each side (kMinGrowth at least), cut to the picture; the
// whole picture when that part would cover half of it or more.
QRect PartToDecode(QSize picture, const QRect &needed)
{
    const QRect whole(QPoint(), picture);
    const int growX = std::max(kMinGrowth, needed.width() / 2);
    const int growY = std::max(kMinGrowth, needed.height() / 2);
    const QRect part = needed.adjusted(-growX, -growY, growX, growY) & whole;
    const qint64 partArea = qint64(part.width()) * part.height();
    return 2 * partArea >= qint64(picture.width()) * picture.height() ? whole : part;
}

// Where the part at rect of a picture of size picture lands when the whole is drawn into target.
QRectF PartTarget(const QRectF &target, QSize picture, const QRect &rect)
{
    const double sx = target.width() / picture.width();
    const double sy = target.height() / picture.height();
    return {target.x() + rect.x() * sx, target.y() + rect.y() * sy, rect.width() * sx,
            rect.height() * sy};
}

class TJpegData : public TPictureData {
public:
    TJpegData(QByteArray bytes, QSize size) : fBytes(std::move(bytes)), fSize(size) {}
    QSize NaturalSize() const override { return fSize; }

    void Draw(QPainter &painter, const QRectF &target) const override
    {
        const QSize device = painter.worldTransform().mapRect(target).size().toSize();
        const int denominator = JpegScaleDenominator(fSize, device);
        const QSize scaled = JpegScaledSize(fSize, denominator);
        const QRect needed = PixelsInView(scaled, target, VisibleArea(painter), kSmoothingMargin);
        if (needed.isEmpty()) return;
        const bool held = denominator == fPartDenominator &&
                          (fPart.Image.isNull() || fPartAsked.contains(needed));
        if (!held) Decode(denominator, PartToDecode(scaled, needed));
        DrawImageStretched(painter, PartTarget(target, scaled, fPart.Rect()), fPart.Image);
    }

    QImage Render(QSize size) const override
    {
        return ScaledExactly(DecodeJpeg(fBytes, JpegScaleDenominator(fSize, size)), size);
    }

private:
    // A part that fails to decode leaves none, and is not tried again at this scale.
    void Decode(int denominator, const QRect &rect) const
    {
        fPartDenominator = denominator;
        fPartAsked = rect;
        try {
            fPart = DecodeJpegPart(fBytes, denominator, rect);
        } catch (const EPictureError &) {
            fPart = {};
        }
    }

    QByteArray fBytes;
    QSize fSize;
    // The part last decoded for drawing, at 1/fPartDenominator, and the pixels asked of it (those
    // that are exact).
    mutable TJpegPart fPart;
    mutable QRect fPartAsked;
    mutable int fPartDenominator = 0;
};

} // namespace

std::unique_ptr<TPictureData> OpenJpeg(const QByteArray &bytes)
{
    const QSize size = ReadJpegSize(bytes);
    if (!IsAcceptablePictureSize(size))
        throw EPictureError(QStringLiteral("Рисунок JPEG слишком велик: %1x%2")
                                .arg(size.width())
                                .arg(size.height()));
    return std::make_unique<TJpegData>(bytes, size);
}
