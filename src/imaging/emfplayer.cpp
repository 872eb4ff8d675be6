#include "imaging/emfplayer.h"

#include "imaging/lereader.h"
#include "imaging/limits.h"
#include "imaging/metadc.h"
#include "imaging/pictureerror.h"
#include "imaging/rasterdata.h"

#include <cmath>

namespace {

constexpr quint32 kSignature = 0x464D4520; // " EMF"
constexpr int kMinHeaderBytes = 88;
constexpr double kHundredthsMmPerPixel = 2540.0 / 96; // natural size at 96 pixels an inch

enum : quint32 {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExt = 9,
    kSetWindowOrg = 10,
    kSetViewportExt = 11,
    kSetViewportOrg = 12,
    kEof = 14,
    kSetPixel = 15,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kMoveTo = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kScaleViewportExt = 31,
    kScaleWindowExt = 32,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrush = 39,
    kDeleteObject = 40,
    kAngleArc = 41,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kCreatePalette = 49,
    kLineTo = 54,
    kArcTo = 55,
    kSetArcDirection = 57,
    kSetMiterLimit = 58,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kSelectClipPath = 67,
    kAbortPath = 68,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kSetDiBitsToDevice = 80,
    kStretchDiBits = 81,
    kCreateFont = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrush = 94,
    kExtCreatePen = 95,
    kAlphaBlend = 114,
};

QPointF ReadPoint(TLeReader &r)
{
    const int x = r.I32();
    return QPointF(x, r.I32());
}

QSizeF ReadSize(TLeReader &r)
{
    const int cx = r.I32();
    return QSizeF(cx, r.I32());
}

QRectF ReadRect(TLeReader &r)
{
    const int left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QTransform ReadXform(TLeReader &r)
{
    const double m11 = r.F32(), m12 = r.F32(), m21 = r.F32(), m22 = r.F32();
    const double dx = r.F32(), dy = r.F32();
    if (!std::isfinite(m11 + m12 + m21 + m22 + dx + dy)) return QTransform();
    return QTransform(m11, m12, m21, m22, dx, dy);
}

QPolygonF ReadPoints(TLeReader &r, qsizetype count, bool small)
{
    count = std::min<qsizetype>(count, r.Remaining() / (small ? 4 : 8));
    QPolygonF points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const int x = small ? r.I16() : r.I32();
        points.append(QPointF(x, small ? r.I16() : r.I32()));
    }
    return points;
}

std::vector<QPolygonF> ReadPolyPoints(TLeReader &r, bool small)
{
    r.Skip(16); // bounds
    const qsizetype groups = std::min<qsizetype>(r.U32(), r.Remaining() / 4);
    r.Skip(4); // total points
    std::vector<quint32> counts(std::size_t(std::max<qsizetype>(groups, 0)));
    for (quint32 &count : counts)
        count = r.U32();
    std::vector<QPolygonF> polygons;
    for (const quint32 count : counts)
        polygons.push_back(ReadPoints(r, count, small));
    return polygons;
}

// A packed DIB made of the record's header and bits at their offsets; null when damaged.
QImage ReadDib(QByteArrayView record, quint32 offBmi, quint32 cbBmi, quint32 offBits,
               quint32 cbBits)
{
    const auto inside = [&](quint32 offset, quint32 size) {
        return offset <= quint64(record.size()) && size <= quint64(record.size()) - offset;
    };
    if (cbBmi == 0 || !inside(offBmi, cbBmi) || !inside(offBits, cbBits)) return {};
    QByteArray dib(record.sliced(offBmi, cbBmi).toByteArray());
    dib.append(record.sliced(offBits, cbBits).data(), cbBits);
    return DecodePackedDib(dib);
}

class TEmfPlayer {
public:
    explicit TEmfPlayer(TMetaDc &dc) : fDc(dc) {}
    void Play(quint32 type, QByteArrayView record)
    {
        TLeReader r(record, 8);
        if (!Mapping(type, r) && !State(type, r) && !Objects(type, r, record) && !Shapes(type, r) &&
            !Polys(type, r) && !Paths(type, r) && !Text(type, r, record))
            Bitmaps(type, r, record);
    }

private:
    bool Mapping(quint32 type, TLeReader &r);
    bool State(quint32 type, TLeReader &r);
    bool Objects(quint32 type, TLeReader &r, QByteArrayView record);
    bool Shapes(quint32 type, TLeReader &r);
    bool Polys(quint32 type, TLeReader &r);
    bool Paths(quint32 type, TLeReader &r);
    bool Text(quint32 type, TLeReader &r, QByteArrayView record);
    void Bitmaps(quint32 type, TLeReader &r, QByteArrayView record);
    void SelectClipRegion(TLeReader &r);

    TMetaDc &fDc;
};

bool TEmfPlayer::Mapping(quint32 type, TLeReader &r)
{
    switch (type) {
    case kSetMapMode:
        fDc.SetMapMode(int(r.U32()));
        break;
    case kSetWindowExt:
        fDc.SetWindowExt(ReadSize(r));
        break;
    case kSetWindowOrg:
        fDc.SetWindowOrg(ReadPoint(r));
        break;
    case kSetViewportExt:
        fDc.SetViewportExt(ReadSize(r));
        break;
    case kSetViewportOrg:
        fDc.SetViewportOrg(ReadPoint(r));
        break;
    case kScaleViewportExt:
    case kScaleWindowExt: {
        const int xNum = r.I32(), xDenom = r.I32(), yNum = r.I32(), yDenom = r.I32();
        fDc.ScaleExt(type == kScaleWindowExt, xNum, xDenom, yNum, yDenom);
        break;
    }
    case kSetWorldTransform:
        fDc.SetWorldTransform(ReadXform(r));
        break;
    case kModifyWorldTransform: {
        const QTransform transform = ReadXform(r);
        fDc.ModifyWorldTransform(transform, int(r.U32()));
        break;
    }
    default:
        return false;
    }
    return true;
}

bool TEmfPlayer::State(quint32 type, TLeReader &r)
{
    switch (type) {
    case kSetBkMode:
        fDc.SetBkMode(int(r.U32()));
        break;
    case kSetPolyFillMode:
        fDc.SetPolyFillMode(int(r.U32()));
        break;
    case kSetTextAlign:
        fDc.SetTextAlign(r.U32());
        break;
    case kSetTextColor:
        fDc.SetTextColor(ColorRef(r.U32()));
        break;
    case kSetBkColor:
        fDc.SetBkColor(ColorRef(r.U32()));
        break;
    case kSetArcDirection:
        fDc.SetArcDirection(int(r.U32()));
        break;
    case kSetMiterLimit:
        fDc.SetMiterLimit(std::clamp<double>(r.U32(), 1, 100));
        break;
    case kSaveDc:
        fDc.SaveDC();
        break;
    case kRestoreDc:
        fDc.RestoreDC(r.I32());
        break;
    case kExcludeClipRect:
        fDc.ExcludeClipRect(ReadRect(r));
        break;
    case kIntersectClipRect:
        fDc.IntersectClipRect(ReadRect(r));
        break;
    case kExtSelectClipRgn:
        SelectClipRegion(r);
        break;
    case kSelectClipPath:
        fDc.SelectClipPath(int(r.U32()));
        break;
    case kSelectObject:
        fDc.SelectObject(r.U32());
        break;
    case kDeleteObject:
        fDc.DeleteObject(r.U32());
        break;
    default:
        return false;
    }
    return true;
}

void TEmfPlayer::SelectClipRegion(TLeReader &r)
{
    enum { kRgnCopy = 5 };
    const quint32 bytes = r.U32();
    const int mode = int(r.U32());
    std::vector<QRectF> rects;
    if (bytes >= 32) {
        r.Skip(8); // header size, type
        const qsizetype count = std::min<qsizetype>(r.U32(), r.Remaining() / 16);
        r.Skip(20); // region size, bounds
        for (qsizetype i = 0; i < count && !r.Failed(); ++i)
            rects.push_back(ReadRect(r));
    }
    fDc.SelectClipRects(rects, mode == kRgnCopy);
}

TLogFont ReadFont(TLeReader &r)
{
    TLogFont font;
    font.height = r.I32();
    r.Skip(4); // width
    font.escapement = r.I32();
    r.Skip(4); // orientation
    font.weight = r.I32();
    font.italic = r.U8(), font.underline = r.U8(), font.strikeOut = r.U8();
    font.charSet = r.U8();
    r.Skip(3);
    font.pitchAndFamily = r.U8();
    const QByteArrayView face = r.Bytes(std::min<qsizetype>(64, r.Remaining()));
    font.face =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(face.data()), face.size() / 2);
    font.face.truncate(font.face.indexOf(QChar(0)) < 0 ? font.face.size()
                                                       : font.face.indexOf(QChar(0)));
    return font;
}

TGdiObject ReadPen(quint32 type, TLeReader &r)
{
    TGdiObject object;
    object.kind = TGdiObject::Kind::Pen;
    if (type == kCreatePen) {
        const quint32 style = r.U32();
        const int width = r.I32();
        r.Skip(4);
        object.pen = MakePen(style, width, ColorRef(r.U32()));
        return object;
    }
    enum : quint32 { kGeometric = 0x10000, kBrushNull = 1, kBrushHatched = 2 };
    r.Skip(16); // the brush bitmap's offsets and sizes
    const quint32 style = r.U32(), width = r.U32(), brushStyle = r.U32();
    const QColor color = ColorRef(r.U32());
    const quint32 hatch = r.U32();
    object.pen =
        MakePen(style, (style & kGeometric) ? std::min<quint32>(width, 1u << 24) : 0, color);
    if (brushStyle == kBrushNull)
        object.pen = QPen(Qt::NoPen);
    else if (brushStyle == kBrushHatched)
        object.pen.setBrush(MakeBrush(brushStyle, color, hatch));
    return object;
}

bool TEmfPlayer::Objects(quint32 type, TLeReader &r, QByteArrayView record)
{
    if (type != kCreatePen && type != kExtCreatePen && type != kCreateBrush &&
        type != kCreateFont && type != kCreatePalette && type != kCreateMonoBrush &&
        type != kCreateDibPatternBrush)
        return false;
    const quint32 index = r.U32();
    TGdiObject object;
    if (type == kCreatePen || type == kExtCreatePen) {
        object = ReadPen(type, r);
    } else if (type == kCreateBrush) {
        object.kind = TGdiObject::Kind::Brush;
        const quint32 style = r.U32();
        const QColor color = ColorRef(r.U32());
        object.brush = MakeBrush(style, color, r.U32());
    } else if (type == kCreateFont) {
        object.kind = TGdiObject::Kind::Font;
        object.font = ReadFont(r);
    } else if (type == kCreatePalette) {
        object.kind = TGdiObject::Kind::Other;
    } else {
        r.Skip(4); // colour usage
        const quint32 offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
        const QImage pattern = ReadDib(record, offBmi, cbBmi, offBits, cbBits);
        object.kind = pattern.isNull() ? TGdiObject::Kind::Other : TGdiObject::Kind::Brush;
        object.brush = QBrush(pattern);
    }
    fDc.SetObject(index, std::move(object));
    return true;
}

bool TEmfPlayer::Shapes(quint32 type, TLeReader &r)
{
    switch (type) {
    case kMoveTo:
        fDc.MoveTo(ReadPoint(r));
        break;
    case kLineTo:
        fDc.LineTo(ReadPoint(r));
        break;
    case kEllipse:
        fDc.Ellipse(ReadRect(r));
        break;
    case kRectangle:
        fDc.Rectangle(ReadRect(r));
        break;
    case kRoundRect: {
        const QRectF rect = ReadRect(r);
        fDc.RoundRect(rect, ReadSize(r));
        break;
    }
    case kArc:
    case kChord:
    case kPie:
    case kArcTo: {
        const QRectF box = ReadRect(r);
        const QPointF start = ReadPoint(r), end = ReadPoint(r);
        const TArcKind kind = type == kArc     ? TArcKind::Arc
                              : type == kChord ? TArcKind::Chord
                              : type == kPie   ? TArcKind::Pie
                                               : TArcKind::ArcTo;
        fDc.Arc(box, start, end, kind);
        break;
    }
    case kAngleArc: {
        const QPointF center = ReadPoint(r);
        const double radius = r.U32();
        const double start = r.F32(), sweep = r.F32();
        if (std::isfinite(start) && std::isfinite(sweep))
            fDc.AngleArc(center, radius, start, sweep);
        break;
    }
    case kSetPixel: {
        const QPointF point = ReadPoint(r);
        fDc.SetPixel(point, ColorRef(r.U32()));
        break;
    }
    default:
        return false;
    }
    return true;
}

bool TEmfPlayer::Polys(quint32 type, TLeReader &r)
{
    const bool small = type >= kPolyBezier16 && type <= kPolyPolygon16;
    const quint32 kind = small ? type - kPolyBezier16 + kPolyBezier : type;
    if (kind < kPolyBezier || kind > kPolyPolygon) return false;
    if (kind == kPolyPolyline || kind == kPolyPolygon) {
        const std::vector<QPolygonF> polygons = ReadPolyPoints(r, small);
        if (kind == kPolyPolygon)
            fDc.PolyPolygon(polygons);
        else
            fDc.PolyPolyline(polygons);
        return true;
    }
    r.Skip(16); // bounds
    const QPolygonF points = ReadPoints(r, r.U32(), small);
    switch (kind) {
    case kPolyBezier:
        fDc.PolyBezier(points);
        break;
    case kPolygon:
        fDc.Polygon(points);
        break;
    case kPolyline:
        fDc.Polyline(points);
        break;
    case kPolyBezierTo:
        fDc.PolyBezierTo(points);
        break;
    default:
        fDc.PolylineTo(points);
        break;
    }
    return true;
}

bool TEmfPlayer::Paths(quint32 type, TLeReader &)
{
    switch (type) {
    case kBeginPath:
        fDc.BeginPath();
        break;
    case kEndPath:
        fDc.EndPath();
        break;
    case kCloseFigure:
        fDc.CloseFigure();
        break;
    case kFillPath:
        fDc.FillPath();
        break;
    case kStrokeAndFillPath:
        fDc.StrokeAndFillPath();
        break;
    case kStrokePath:
        fDc.StrokePath();
        break;
    case kAbortPath:
        fDc.AbortPath();
        break;
    default:
        return false;
    }
    return true;
}

bool TEmfPlayer::Text(quint32 type, TLeReader &r, QByteArrayView record)
{
    enum : quint32 { kEtoOpaque = 2, kEtoClipped = 4, kEtoPdy = 0x2000 };
    if (type != kExtTextOutW && type != kExtTextOutA) return false;
    r.Skip(28); // bounds, graphics mode, scales
    const QPointF reference = ReadPoint(r);
    const quint32 chars = r.U32(), offString = r.U32(), options = r.U32();
    const QRectF rect = ReadRect(r);
    const quint32 offDx = r.U32();
    const bool wide = type == kExtTextOutW;
    const quint64 bytes = quint64(chars) * (wide ? 2 : 1);
    if (offString > quint64(record.size()) || bytes > quint64(record.size()) - offString)
        return true;
    const QByteArrayView text = record.sliced(offString, qsizetype(bytes));
    const QString string =
        wide ? QString::fromUtf16(reinterpret_cast<const char16_t *>(text.data()), chars)
             : DecodeMetaText(text, fDc.Font().charSet);
    std::vector<double> dx;
    const int step = (options & kEtoPdy) ? 2 : 1;
    TLeReader dxReader(record, offDx);
    if (offDx && quint64(offDx) + quint64(chars) * 4 * step <= quint64(record.size()))
        for (quint32 i = 0; i < chars; ++i, dxReader.Skip(4 * (step - 1)))
            dx.push_back(dxReader.I32());
    fDc.TextOut(reference, string, dx,
                {bool(options & kEtoOpaque), bool(options & kEtoClipped), rect});
    return true;
}

void TEmfPlayer::Bitmaps(quint32 type, TLeReader &r, QByteArrayView record)
{
    if (type != kBitBlt && type != kStretchBlt && type != kAlphaBlend && type != kStretchDiBits &&
        type != kSetDiBitsToDevice)
        return; // records not drawn here are skipped
    r.Skip(16); // bounds
    const QPointF dest = ReadPoint(r);
    if (type == kStretchDiBits || type == kSetDiBitsToDevice) {
        const QPointF sourceAt = ReadPoint(r);
        const QSizeF sourceSize = ReadSize(r);
        const quint32 offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
        r.Skip(8); // colour usage, raster operation or first scan
        const QSizeF destSize = type == kStretchDiBits ? ReadSize(r) : sourceSize;
        const QImage image = ReadDib(record, offBmi, cbBmi, offBits, cbBits);
        // The source is counted from the bottom of a bottom-up DIB, which decodes upright.
        const double top = image.height() - sourceAt.y() - sourceSize.height();
        fDc.DrawBitmap(QRectF(dest, destSize), image,
                       QRectF(QPointF(sourceAt.x(), top), sourceSize));
        return;
    }
    const QSizeF destSize = ReadSize(r);
    const quint32 rop = r.U32();
    const QPointF sourceAt = ReadPoint(r);
    r.Skip(32); // source transform, background colour, colour usage
    const quint32 offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
    const QSizeF sourceSize = type == kBitBlt ? destSize : ReadSize(r);
    if (cbBmi == 0) {
        fDc.PatBlt(QRectF(dest, destSize), rop);
        return;
    }
    fDc.DrawBitmap(QRectF(dest, destSize), ReadDib(record, offBmi, cbBmi, offBits, cbBits),
                   QRectF(sourceAt, sourceSize));
}

} // namespace

TEmfInfo ReadEmfInfo(QByteArrayView bytes)
{
    TLeReader r(bytes);
    const quint32 type = r.U32(), headerSize = r.U32();
    const QRectF bounds = ReadRect(r), frame = ReadRect(r);
    const quint32 signature = r.U32();
    r.Seek(72);
    const QSizeF device = ReadSize(r), millimetres = ReadSize(r);
    if (r.Failed() || type != kHeader || signature != kSignature || headerSize < kMinHeaderBytes ||
        headerSize > quint64(bytes.size()))
        throw EPictureError(QStringLiteral("Файл не является метафайлом EMF"));
    TEmfInfo info;
    info.recordsStart = qsizetype(headerSize);
    const bool scaleKnown = device.width() > 0 && device.height() > 0 && millimetres.width() > 0 &&
                            millimetres.height() > 0;
    info.pixelsPerMm = scaleKnown ? QSizeF(device.width() / millimetres.width(),
                                           device.height() / millimetres.height())
                                  : QSizeF(96 / 25.4, 96 / 25.4);
    double width = frame.width() / kHundredthsMmPerPixel;
    double height = frame.height() / kHundredthsMmPerPixel;
    info.frame = QRectF(QPointF(frame.left() * info.pixelsPerMm.width() / 100,
                                frame.top() * info.pixelsPerMm.height() / 100),
                        QPointF(frame.right() * info.pixelsPerMm.width() / 100,
                                frame.bottom() * info.pixelsPerMm.height() / 100));
    if (!(width >= 0.5 && height >= 0.5)) { // no frame: the bounds of what is drawn
        info.frame = bounds.adjusted(0, 0, 1, 1);
        width = info.frame.width(), height = info.frame.height();
    }
    info.naturalSize = QSize(int(std::lround(std::clamp(width, 0.0, 1e9))),
                             int(std::lround(std::clamp(height, 0.0, 1e9))));
    if (!IsAcceptablePictureSize(info.naturalSize) || info.frame.isEmpty())
        throw EPictureError(QStringLiteral("Метафайл EMF не задает допустимого размера"));
    return info;
}

void PlayEmf(QByteArrayView bytes, const TEmfInfo &info, TMetaDc &dc)
{
    TEmfPlayer player(dc);
    qsizetype pos = info.recordsStart;
    for (int count = 0; count < kMaxMetaRecords && dc.HasBudget() && pos + 8 <= bytes.size();
         ++count) {
        TLeReader header(bytes, pos);
        const quint32 type = header.U32(), size = header.U32();
        if (size < 8 || size > quint64(bytes.size() - pos) || type == kEof) break;
        player.Play(type, bytes.sliced(pos, size));
        pos += size;
    }
}
