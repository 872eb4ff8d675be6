// Text of metafiles: fonts from LOGFONT, character sets, alignment, escapement, character
// advances, and the opaque background.
#include "imaging/metadc.h"

#include "platform/codepage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

enum : unsigned { kTaUpdateCp = 1, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24 };
enum : int { kRussianCharset = 204, kDefaultCharset = 1, kOemCharset = 255 };

// Smaller device heights than this are not worth drawing; larger ones are damaged.
constexpr double kSmallestTextPixels = 0.5;
constexpr double kLargestTextPixels = 20000;

QFont MakeFont(const TLogFont &logFont, int pixelSize)
{
    QFont font(logFont.face.isEmpty() ? QStringLiteral("Sans Serif") : logFont.face);
    static const QFont::StyleHint kFamilies[] = {QFont::AnyStyle,  QFont::Serif,
                                                 QFont::SansSerif, QFont::Monospace,
                                                 QFont::Cursive,   QFont::Decorative};
    const int family = (logFont.pitchAndFamily >> 4) & 0xF;
    font.setStyleHint(family < 6 ? kFamilies[family] : QFont::AnyStyle);
    font.setFixedPitch((logFont.pitchAndFamily & 3) == 1);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(std::clamp(logFont.weight ? logFont.weight : 400, 100, 900)));
    font.setItalic(logFont.italic);
    font.setUnderline(logFont.underline);
    font.setStrikeOut(logFont.strikeOut);
    return font;
}

} // namespace

QString DecodeMetaText(QByteArrayView bytes, int charSet)
{
    if (charSet == kRussianCharset || charSet == kDefaultCharset) return DecodeCp1251(bytes);
    if (charSet == kOemCharset) return DecodeCp866(bytes);
    return QString::fromLatin1(bytes);
}

void TMetaDc::TextOut(QPointF point, const QString &text, const std::vector<double> &dx,
                      const TTextOptions &options)
{
    if (fRecording || !Prepare(text.size(), options.opaque ? options.rect : QRectF())) return;
    if (options.opaque) fPainter->fillRect(options.rect.normalized(), fState.bkColor);
    if (options.clipped) {
        fPainter->setClipRect(options.rect.normalized(), Qt::IntersectClip);
        fClipDirty = true;
    }
    const QPointF anchor = (fState.textAlign & kTaUpdateCp) ? fState.current : point;
    if (!text.isEmpty()) DrawTextRun(text, dx, anchor);
}

// Draws in a frame at the anchor on the device, turned by the escapement and scaled from the
// font's pixel size to its size on the device: text stays upright whatever the mapping mirrors.
void TMetaDc::DrawTextRun(const QString &text, const std::vector<double> &dx, QPointF anchor)
{
    const QTransform toDevice = fPainter->worldTransform();
    const double sx = std::hypot(toDevice.m11(), toDevice.m12());
    const double sy = std::hypot(toDevice.m21(), toDevice.m22());
    const TLogFont &logFont = fState.font;
    const double height = (logFont.height ? std::abs(logFont.height) : 12) * sy;
    if (!(height >= kSmallestTextPixels && height <= kLargestTextPixels) || sx <= 0) return;
    const int pixelSize = height >= 8 ? int(std::lround(std::min(height, 2000.0))) : 32;
    const QFont font = MakeFont(logFont, pixelSize);
    const QFontMetricsF metrics(font);
    // A positive height is the character cell (ascent and descent), a negative one the em.
    const double k =
        logFont.height > 0 ? height / (metrics.ascent() + metrics.descent()) : height / pixelSize;
    std::vector<double> positions; // in font units (device pixels / k)
    double width = 0;
    if (!dx.empty()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            positions.push_back(width);
            width += (std::size_t(i) < dx.size() ? dx[std::size_t(i)] : 0) * sx / k;
        }
    } else {
        width = metrics.horizontalAdvance(text);
    }
    const unsigned align = fState.textAlign;
    const double left = (align & kTaCenter) == kTaCenter ? -width / 2
                        : (align & kTaRight)             ? -width
                                                         : 0;
    const double baseline = (align & kTaBaseline) == kTaBaseline ? 0
                            : (align & kTaBottom)                ? -metrics.descent()
                                                                 : metrics.ascent();
    const QPointF device = toDevice.map(anchor);
    QTransform frame = QTransform::fromTranslate(device.x(), device.y());
    frame.rotate(-logFont.escapement / 10.0);
    frame.scale(k, k);
    fPainter->setWorldTransform(frame);
    fAreaLeft -= std::abs(width * k * height) + height * height;
    if (fAreaLeft < 0) fPointsLeft = 0;
    if (fState.opaqueBackground)
        fPainter->fillRect(QRectF(left, baseline - metrics.ascent(), width, metrics.height()),
                           fState.bkColor);
    fPainter->setFont(font);
    fPainter->setPen(fState.textColor);
    if (positions.empty()) {
        fPainter->drawText(QPointF(left, baseline), text);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            fPainter->drawText(QPointF(left + positions[std::size_t(i)], baseline),
                               QString(text[i]));
    }
    if (align & kTaUpdateCp) fState.current.rx() += (align & kTaRight) ? 0 : width * k / sx;
}
