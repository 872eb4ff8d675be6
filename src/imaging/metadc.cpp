#include "imaging/metadc.h"

#include "imaging/limits.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

enum TMapMode {
    kMmText = 1,
    kMmLoMetric,
    kMmHiMetric,
    kMmLoEnglish,
    kMmHiEnglish,
    kMmTwips,
    kMmIsotropic,
    kMmAnisotropic
};
enum TRegionMode { kRgnAnd = 1, kRgnOr, kRgnXor, kRgnDiff, kRgnCopy };

double NonZero(double value)
{
    return value == 0 ? 1 : value;
}

// Millimetres per logical unit of the metric and English mapping modes.
double MillimetresPerUnit(int mode)
{
    switch (mode) {
    case kMmLoMetric:
        return 0.1;
    case kMmHiMetric:
        return 0.01;
    case kMmLoEnglish:
        return 0.254;
    case kMmHiEnglish:
        return 0.0254;
    default:
        return 25.4 / 1440; // twips
    }
}

// The angle (degrees, counter-clockwise, y down) at which the ray from the box's centre through
// point meets the ellipse, as QPainterPath::arcTo measures it.
double EllipseAngle(const QRectF &box, QPointF point)
{
    const QPointF c = box.center();
    const double a = NonZero(box.width() / 2), b = NonZero(box.height() / 2);
    return std::atan2(-(point.y() - c.y()) / b, (point.x() - c.x()) / a) * 180 / M_PI;
}

QPainterPath RectPath(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    return path;
}

QPainterPath PolygonPath(const QPolygonF &points, bool closed)
{
    QPainterPath path;
    path.addPolygon(points);
    if (closed) path.closeSubpath();
    return path;
}

// Cubic pieces of a Bézier chain that starts at the path's current point.
void AddBeziers(QPainterPath &path, const QPolygonF &points, qsizetype first)
{
    for (qsizetype i = first; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

} // namespace

TMetaDc::TMetaDc(QPainter &painter, const QRectF &target)
    : fPainter(&painter), fTarget(target), fPointsLeft(kMaxMetaPoints)
{
    painter.save();
    fBase = painter.worldTransform();
    fDeviceTarget = fBase.mapRect(target);
    fAreaLeft = std::max(kMaxMetaFillPixels,
                         kMetaFillLayers * fDeviceTarget.width() * fDeviceTarget.height());
    painter.setClipRect(target, Qt::IntersectClip);
    fBaseClip = painter.clipPath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

TMetaDc::~TMetaDc()
{
    fPainter->restore();
}

void TMetaDc::SetupWmf(const QRectF &defaultWindow)
{
    fWmf = true;
    fState.windowOrg = defaultWindow.topLeft();
    fState.windowExt = defaultWindow.size();
}

void TMetaDc::SetupEmf(const QTransform &deviceToTarget, QSizeF pixelsPerMm)
{
    fWmf = false;
    fDeviceToTarget = deviceToTarget;
    fPixelsPerMm = pixelsPerMm;
}

// --- mapping

QTransform TMetaDc::PageToDevice() const
{
    const TState &s = fState;
    double sx = 1, sy = 1;
    if (s.mapMode >= kMmLoMetric && s.mapMode <= kMmTwips) {
        const double mm = MillimetresPerUnit(s.mapMode);
        sx = mm * fPixelsPerMm.width(), sy = -mm * fPixelsPerMm.height();
    } else if (s.mapMode == kMmIsotropic || s.mapMode == kMmAnisotropic) {
        sx = s.viewportExt.width() / NonZero(s.windowExt.width());
        sy = s.viewportExt.height() / NonZero(s.windowExt.height());
        if (s.mapMode == kMmIsotropic) {
            const double scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx), sy = std::copysign(scale, sy);
        }
    }
    return QTransform::fromTranslate(-s.windowOrg.x(), -s.windowOrg.y()) *
           QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(s.viewportOrg.x(), s.viewportOrg.y());
}

QTransform TMetaDc::LogicalToTarget() const
{
    if (!fWmf) return fState.world * PageToDevice() * fDeviceToTarget;
    // A WMF's window is the picture: it fills the target whatever the mapping mode says.
    const QPointF org = fState.windowOrg;
    return QTransform::fromTranslate(-org.x(), -org.y()) *
           QTransform::fromScale(fTarget.width() / NonZero(fState.windowExt.width()),
                                 fTarget.height() / NonZero(fState.windowExt.height())) *
           QTransform::fromTranslate(fTarget.left(), fTarget.top());
}

void TMetaDc::SetMapMode(int mode)
{
    if (mode < kMmText || mode > kMmAnisotropic) return;
    fState.mapMode = mode;
    if (mode != kMmIsotropic && mode != kMmAnisotropic)
        fState.windowExt = fState.viewportExt = QSizeF(1, 1);
}

void TMetaDc::SetWindowOrg(QPointF origin)
{
    fState.windowOrg = origin;
}

void TMetaDc::SetWindowExt(QSizeF extent)
{
    if (extent.width() != 0 && extent.height() != 0) fState.windowExt = extent;
}

void TMetaDc::SetViewportOrg(QPointF origin)
{
    fState.viewportOrg = origin;
}

void TMetaDc::SetViewportExt(QSizeF extent)
{
    if (extent.width() != 0 && extent.height() != 0) fState.viewportExt = extent;
}

void TMetaDc::OffsetWindowOrg(QPointF by)
{
    fState.windowOrg += by;
}

void TMetaDc::OffsetViewportOrg(QPointF by)
{
    fState.viewportOrg += by;
}

void TMetaDc::ScaleExt(bool window, double xNum, double xDenom, double yNum, double yDenom)
{
    const QSizeF extent = window ? fState.windowExt : fState.viewportExt;
    const QSizeF scaled(extent.width() * xNum / NonZero(xDenom),
                        extent.height() * yNum / NonZero(yDenom));
    if (window)
        SetWindowExt(scaled);
    else
        SetViewportExt(scaled);
}

void TMetaDc::SetWorldTransform(const QTransform &transform)
{
    if (transform.isInvertible()) fState.world = transform;
}

void TMetaDc::ModifyWorldTransform(const QTransform &transform, int mode)
{
    enum { kIdentity = 1, kLeftMultiply, kRightMultiply, kSet };
    if (mode == kIdentity)
        fState.world = QTransform();
    else if (mode == kLeftMultiply)
        SetWorldTransform(transform * fState.world);
    else if (mode == kRightMultiply)
        SetWorldTransform(fState.world * transform);
    else if (mode == kSet)
        SetWorldTransform(transform);
}

void TMetaDc::SetPolyFillMode(int mode)
{
    fState.fillRule = mode == 2 ? Qt::WindingFill : Qt::OddEvenFill;
}

// --- objects

void TMetaDc::AddObject(TGdiObject object)
{
    std::size_t slot = fFirstFree;
    while (slot < fObjects.size() && fObjects[slot].kind != TGdiObject::Kind::Empty)
        ++slot;
    if (slot == fObjects.size()) {
        if (slot >= std::size_t(kMaxMetaObjects)) return;
        fObjects.emplace_back();
    }
    fObjects[slot] = std::move(object);
    fFirstFree = slot + 1;
}

void TMetaDc::SetObject(quint32 index, TGdiObject object)
{
    if (index >= quint32(kMaxMetaObjects)) return;
    if (index >= fObjects.size()) fObjects.resize(index + 1);
    fObjects[index] = std::move(object);
}

void TMetaDc::SelectObject(quint32 index)
{
    if (index & 0x80000000u) {
        SelectStockObject(index & 0x7FFFFFFFu);
        return;
    }
    if (index >= fObjects.size()) return;
    const TGdiObject &object = fObjects[index];
    if (object.kind == TGdiObject::Kind::Pen)
        fState.pen = object.pen;
    else if (object.kind == TGdiObject::Kind::Brush)
        fState.brush = object.brush;
    else if (object.kind == TGdiObject::Kind::Font)
        fState.font = object.font;
}

void TMetaDc::SelectStockObject(quint32 stock)
{
    static const int kBrushGreys[] = {255, 192, 128, 64, 0};
    if (stock < 5)
        fState.brush = QBrush(QColor(kBrushGreys[stock], kBrushGreys[stock], kBrushGreys[stock]));
    else if (stock == 5)
        fState.brush = Qt::NoBrush;
    else if (stock == 6 || stock == 7)
        fState.pen = QPen(QBrush(stock == 6 ? Qt::white : Qt::black), 0);
    else if (stock == 8)
        fState.pen = Qt::NoPen;
    else if (stock >= 10 && stock <= 17)
        fState.font = TLogFont();
    else if (stock == 18)
        fState.brush = QBrush(Qt::white);
    else if (stock == 19)
        fState.pen = QPen(QBrush(Qt::black), 0);
}

void TMetaDc::DeleteObject(quint32 index)
{
    if (index >= fObjects.size()) return;
    fObjects[index] = TGdiObject();
    fFirstFree = std::min<std::size_t>(fFirstFree, index);
}

// --- saved states

void TMetaDc::SaveDC()
{
    if (fSaved.size() < std::size_t(kMaxMetaSavedStates)) fSaved.push_back(fState);
}

void TMetaDc::RestoreDC(int level)
{
    const qsizetype size = qsizetype(fSaved.size());
    const qsizetype keep = level < 0 ? size + level : qsizetype(level) - 1;
    if (level == 0 || keep < 0 || keep >= size) return;
    fState = fSaved[std::size_t(keep)];
    fSaved.resize(std::size_t(keep));
    fClipDirty = true;
}

// --- clipping

void TMetaDc::SetClip(std::optional<QPainterPath> clip)
{
    Spend(clip ? clip->elementCount() : 1); // repeated exclusions make ever longer paths
    fState.clip = std::move(clip);
    fClipDirty = true;
}

void TMetaDc::IntersectClipRect(const QRectF &rect)
{
    const QPainterPath mapped = LogicalToTarget().map(RectPath(rect));
    SetClip(fState.clip ? fState.clip->intersected(mapped) : mapped);
}

void TMetaDc::ExcludeClipRect(const QRectF &rect)
{
    const QPainterPath mapped = LogicalToTarget().map(RectPath(rect));
    SetClip((fState.clip ? *fState.clip : RectPath(fTarget)).subtracted(mapped));
}

void TMetaDc::SelectClipRects(const std::vector<QRectF> &deviceRects, bool replace)
{
    if (deviceRects.empty()) {
        if (replace) SetClip(std::nullopt);
        return;
    }
    QPainterPath region;
    for (const QRectF &rect : deviceRects)
        region.addRect(rect.normalized());
    region = fDeviceToTarget.map(region.simplified());
    SetClip(replace || !fState.clip ? region : fState.clip->intersected(region));
}

void TMetaDc::SelectClipPath(int mode)
{
    const QPainterPath path = LogicalToTarget().map(fPath);
    const QPainterPath current = fState.clip ? *fState.clip : RectPath(fTarget);
    fPath = QPainterPath();
    fRecording = false;
    switch (mode) {
    case kRgnAnd:
        SetClip(current.intersected(path));
        break;
    case kRgnOr:
        SetClip(current.united(path));
        break;
    case kRgnXor:
        SetClip(current.united(path).subtracted(current.intersected(path)));
        break;
    case kRgnDiff:
        SetClip(current.subtracted(path));
        break;
    case kRgnCopy:
        SetClip(path);
        break;
    default:
        break;
    }
}

// --- drawing

bool TMetaDc::Prepare(qsizetype points, const QRectF &bounds)
{
    if (fPointsLeft <= 0) return false;
    fPointsLeft -= std::max<qsizetype>(points, 1);
    const QRectF area = (LogicalToTarget() * fBase).mapRect(bounds.normalized()) & fDeviceTarget;
    fAreaLeft -= area.width() * area.height();
    if (fAreaLeft < 0) fPointsLeft = 0;
    if (fClipDirty) {
        fPainter->setWorldTransform(fBase);
        fPainter->setClipPath(fBaseClip, Qt::ReplaceClip);
        if (fState.clip) fPainter->setClipPath(*fState.clip, Qt::IntersectClip);
        fClipDirty = false;
    }
    fPainter->setWorldTransform(LogicalToTarget() * fBase);
    return true;
}

void TMetaDc::ApplyPen(bool stroke, const QTransform &toDevice)
{
    if (!stroke || fState.pen.style() == Qt::NoPen) {
        fPainter->setPen(Qt::NoPen);
        return;
    }
    QPen pen = fState.pen;
    // GDI draws a line no thinner than a pixel, however small its width in logical units.
    if (pen.widthF() * std::sqrt(std::abs(toDevice.determinant())) < 1) pen.setWidthF(0);
    pen.setMiterLimit(fState.miterLimit);
    fPainter->setPen(pen);
}

void TMetaDc::Shape(const QPainterPath &path, bool fill, bool stroke)
{
    if (fRecording) {
        if (fPath.elementCount() + path.elementCount() <= kMaxMetaPathPoints) fPath.addPath(path);
        return;
    }
    const double grow = stroke ? fState.pen.widthF() / 2 : 0;
    if (!Prepare(path.elementCount(), path.controlPointRect().adjusted(-grow, -grow, grow, grow)))
        return;
    ApplyPen(stroke, fPainter->worldTransform());
    fPainter->setBrush(fill ? fState.brush : QBrush(Qt::NoBrush));
    fPainter->setBackgroundMode(fState.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    fPainter->setBackground(fState.bkColor);
    QPainterPath filled = path;
    filled.setFillRule(fState.fillRule);
    fPainter->drawPath(filled);
}

void TMetaDc::MoveTo(QPointF point)
{
    fState.current = point;
    if (fRecording) fPath.moveTo(point);
}

void TMetaDc::LineTo(QPointF point)
{
    PolylineTo(QPolygonF{point});
}

void TMetaDc::Polyline(const QPolygonF &points)
{
    if (points.size() >= 2) Shape(PolygonPath(points, false), false, true);
}

void TMetaDc::PolylineTo(const QPolygonF &points)
{
    if (points.isEmpty()) return;
    if (fRecording) {
        if (fPath.elementCount() == 0) fPath.moveTo(fState.current);
        if (fPath.elementCount() + points.size() <= kMaxMetaPathPoints)
            for (const QPointF &p : points)
                fPath.lineTo(p);
    } else {
        Shape(PolygonPath(QPolygonF{fState.current} + points, false), false, true);
    }
    fState.current = points.last();
}

void TMetaDc::PolyBezier(const QPolygonF &points)
{
    if (points.size() < 4) return;
    QPainterPath path(points[0]);
    AddBeziers(path, points, 1);
    Shape(path, false, true);
}

void TMetaDc::PolyBezierTo(const QPolygonF &points)
{
    if (points.size() < 3) return;
    if (fRecording) {
        if (fPath.elementCount() == 0) fPath.moveTo(fState.current);
        if (fPath.elementCount() + points.size() <= kMaxMetaPathPoints)
            AddBeziers(fPath, points, 0);
    } else {
        QPainterPath path(fState.current);
        AddBeziers(path, points, 0);
        Shape(path, false, true);
    }
    fState.current = points[points.size() - 1 - points.size() % 3];
}

void TMetaDc::Polygon(const QPolygonF &points)
{
    if (points.size() >= 2) Shape(PolygonPath(points, true), true, true);
}

void TMetaDc::PolyPolygon(const std::vector<QPolygonF> &polygons)
{
    QPainterPath path;
    for (const QPolygonF &points : polygons) {
        path.addPolygon(points);
        path.closeSubpath();
    }
    Shape(path, true, true);
}

void TMetaDc::PolyPolyline(const std::vector<QPolygonF> &lines)
{
    QPainterPath path;
    for (const QPolygonF &points : lines)
        path.addPolygon(points);
    Shape(path, false, true);
}

void TMetaDc::Rectangle(const QRectF &rect)
{
    Shape(RectPath(rect), true, true);
}

void TMetaDc::RoundRect(const QRectF &rect, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(rect.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    Shape(path, true, true);
}

void TMetaDc::Ellipse(const QRectF &rect)
{
    QPainterPath path;
    path.addEllipse(rect.normalized());
    Shape(path, true, true);
}

QPainterPath TMetaDc::ArcPath(const QRectF &box, QPointF start, QPointF end, TArcKind kind) const
{
    const QRectF r = box.normalized();
    const double from = EllipseAngle(r, start);
    double sweep = EllipseAngle(r, end) - from;
    // Counter-clockwise on the device unless the arc direction says otherwise; a mapping that
    // mirrors turns the logical direction round.
    const bool mirrored = LogicalToTarget().determinant() < 0;
    if (fState.clockwise != mirrored)
        sweep = sweep >= 0 ? sweep - 360 : sweep;
    else
        sweep = sweep <= 0 ? sweep + 360 : sweep;
    QPainterPath path;
    if (kind == TArcKind::Pie)
        path.moveTo(r.center());
    else if (kind == TArcKind::ArcTo)
        path.moveTo(fState.current);
    else
        path.arcMoveTo(r, from);
    path.arcTo(r, from, sweep);
    if (kind == TArcKind::Chord || kind == TArcKind::Pie) path.closeSubpath();
    return path;
}

void TMetaDc::Arc(const QRectF &box, QPointF start, QPointF end, TArcKind kind)
{
    const QPainterPath path = ArcPath(box, start, end, kind);
    const bool closed = kind == TArcKind::Chord || kind == TArcKind::Pie;
    if (kind == TArcKind::ArcTo && fRecording && fPath.elementCount() > 0)
        fPath.connectPath(path);
    else
        Shape(path, closed, true);
    if (kind == TArcKind::ArcTo) fState.current = path.currentPosition();
}

void TMetaDc::AngleArc(QPointF center, double radius, double startDegrees, double sweepDegrees)
{
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(fState.current);
    path.arcTo(box, startDegrees, sweepDegrees);
    if (fRecording && fPath.elementCount() > 0)
        fPath.connectPath(path);
    else
        Shape(path, false, true);
    fState.current = path.currentPosition();
}

void TMetaDc::SetPixel(QPointF point, QColor color)
{
    if (fRecording || !Prepare(1, QRectF(point, QSizeF(1, 1)))) return;
    fPainter->setPen(QPen(QBrush(color), 0));
    fPainter->drawPoint(point);
}

void TMetaDc::PatBlt(const QRectF &rect, quint32 rop)
{
    enum : quint32 { kPatCopy = 0x00F00021, kBlackness = 0x00000042, kWhiteness = 0x00FF0062 };
    if (fRecording || !Prepare(4, rect)) return;
    if (rop == kPatCopy)
        fPainter->fillRect(rect.normalized(), fState.brush);
    else if (rop == kBlackness || rop == kWhiteness)
        fPainter->fillRect(rect.normalized(), rop == kBlackness ? Qt::black : Qt::white);
}

void TMetaDc::DrawBitmap(const QRectF &dest, const QImage &image, const QRectF &source)
{
    if (image.isNull() || fRecording || !Prepare(4, dest)) return;
    const QRect part = (source.isEmpty() ? QRectF(image.rect()) : source.normalized())
                           .toAlignedRect()
                           .intersected(image.rect());
    if (part.isEmpty()) return;
    const QImage piece = image.copy(part).mirrored(dest.width() < 0, dest.height() < 0);
    fPainter->drawImage(dest.normalized(), piece);
}

// --- paths

void TMetaDc::BeginPath()
{
    fPath = QPainterPath();
    fRecording = true;
}

void TMetaDc::AbortPath()
{
    fPath = QPainterPath();
    fRecording = false;
}

void TMetaDc::CloseFigure()
{
    if (fRecording) fPath.closeSubpath();
}

void TMetaDc::FillPath()
{
    fRecording = false;
    Shape(fPath, true, false);
    fPath = QPainterPath();
}

void TMetaDc::StrokePath()
{
    fRecording = false;
    Shape(fPath, false, true);
    fPath = QPainterPath();
}

void TMetaDc::StrokeAndFillPath()
{
    fRecording = false;
    Shape(fPath, true, true);
    fPath = QPainterPath();
}

// --- objects from GDI styles

QPen MakePen(quint32 style, double width, QColor color)
{
    static const Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                           Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                           Qt::SolidLine,   Qt::SolidLine,      Qt::DotLine};
    const quint32 kind = style & 0xF;
    QPen pen(QBrush(color), std::max(0.0, width), kind < 9 ? kStyles[kind] : Qt::SolidLine);
    const quint32 cap = style & 0xF00, join = style & 0xF000;
    pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                     : join == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return pen;
}

QBrush MakeBrush(quint32 style, QColor color, quint32 hatch)
{
    enum { kSolid = 0, kNull = 1, kHatched = 2 };
    static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                              Qt::FDiagPattern, Qt::BDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
    if (style == kNull) return Qt::NoBrush;
    if (style == kHatched && hatch < 6) return QBrush(color, kHatches[hatch]);
    return QBrush(color);
}
