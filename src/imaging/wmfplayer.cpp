#include "imaging/wmfplayer.h"

#include "imaging/lereader.h"
#include "imaging/limits.h"
#include "imaging/metadc.h"
#include "imaging/pictureerror.h"
#include "imaging/rasterdata.h"

#include <cmath>

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableBytes = 22;
constexpr int kHeaderBytes = 18;
constexpr int kScreenDpi = 96; // natural size is measured at the screen's usual resolution

enum : quint16 {
    kEof = 0x0000,
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kScaleWindowExt = 0x0410,
    kOffsetViewportOrg = 0x0211,
    kScaleViewportExt = 0x0412,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kArc = 0x0817,
    kEllipse = 0x0418,
    kPie = 0x081A,
    kRectangle = 0x041B,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kSaveDc = 0x001E,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kBitBlt = 0x0922,
    kStretchBlt = 0x0B23,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
    kSetDibToDev = 0x0D33,
    kPolyPolygon = 0x0538,
    kDibBitBlt = 0x0940,
    kDibStretchBlt = 0x0B41,
    kDibCreatePatternBrush = 0x0142,
    kStretchDib = 0x0F43,
    kDeleteObject = 0x01F0,
    kCreatePalette = 0x00F7,
    kCreatePatternBrush = 0x01F9,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kCreateRegion = 0x06FF,
};

// WMF records give their parameters last first: (y, x) and (bottom, right, top, left).
QPointF ReadPoint(TLeReader &r)
{
    const int y = r.I16();
    return QPointF(r.I16(), y);
}

QRectF ReadRect(TLeReader &r)
{
    const int bottom = r.I16(), right = r.I16(), top = r.I16(), left = r.I16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QSizeF ReadSize(TLeReader &r)
{
    const int height = r.I16();
    return QSizeF(r.I16(), height);
}

// count points of x, y in that order, no more than the record holds.
QPolygonF ReadPoints(TLeReader &r, qsizetype count)
{
    count = std::min<qsizetype>(count, r.Remaining() / 4);
    QPolygonF points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const int x = r.I16();
        points.append(QPointF(x, r.I16()));
    }
    return points;
}

TLogFont ReadFont(TLeReader &r)
{
    TLogFont font;
    font.height = r.I16();
    r.Skip(2); // width
    font.escapement = r.I16();
    r.Skip(2); // orientation
    font.weight = r.I16();
    font.italic = r.U8(), font.underline = r.U8(), font.strikeOut = r.U8();
    font.charSet = r.U8();
    r.Skip(3);
    font.pitchAndFamily = r.U8();
    QByteArrayView face = r.Bytes(std::min<qsizetype>(32, r.Remaining()));
    face = face.first(face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0'));
    font.face = DecodeMetaText(face, font.charSet);
    return font;
}

TGdiObject ReadObject(quint16 function, TLeReader &r)
{
    TGdiObject object;
    if (function == kCreatePenIndirect) {
        object.kind = TGdiObject::Kind::Pen;
        const quint16 style = r.U16();
        const int width = r.I16();
        r.Skip(2);
        object.pen = MakePen(style, width, ColorRef(r.U32()));
    } else if (function == kCreateBrushIndirect) {
        object.kind = TGdiObject::Kind::Brush;
        const quint16 style = r.U16();
        const QColor color = ColorRef(r.U32());
        object.brush = MakeBrush(style, color, r.U16());
    } else if (function == kCreateFontIndirect) {
        object.kind = TGdiObject::Kind::Font;
        object.font = ReadFont(r);
    } else if (function == kDibCreatePatternBrush) {
        r.Skip(4); // style, colour usage
        const QImage pattern = DecodePackedDib(r.Bytes(r.Remaining()));
        object.kind = pattern.isNull() ? TGdiObject::Kind::Other : TGdiObject::Kind::Brush;
        object.brush = QBrush(pattern);
    } else {
        object.kind = TGdiObject::Kind::Other; // palettes, regions: they take a slot
    }
    return object;
}

class TWmfPlayer {
public:
    explicit TWmfPlayer(TMetaDc &dc) : fDc(dc) {}
    void Play(quint16 function, TLeReader &r)
    {
        if (!Mapping(function, r) && !State(function, r) && !Shapes(function, r) &&
            !Text(function, r))
            Bitmaps(function, r);
    }

private:
    bool Mapping(quint16 function, TLeReader &r);
    bool State(quint16 function, TLeReader &r);
    bool Shapes(quint16 function, TLeReader &r);
    bool Text(quint16 function, TLeReader &r);
    void Bitmaps(quint16 function, TLeReader &r);
    void DrawDib(TLeReader &r, bool stretch);
    QString ReadString(TLeReader &r, qsizetype length);

    TMetaDc &fDc;
};

bool TWmfPlayer::Mapping(quint16 function, TLeReader &r)
{
    switch (function) {
    case kSetMapMode:
        fDc.SetMapMode(r.U16());
        break;
    case kSetWindowOrg:
        fDc.SetWindowOrg(ReadPoint(r));
        break;
    case kSetWindowExt:
        fDc.SetWindowExt(ReadSize(r));
        break;
    case kSetViewportOrg:
        fDc.SetViewportOrg(ReadPoint(r));
        break;
    case kSetViewportExt:
        fDc.SetViewportExt(ReadSize(r));
        break;
    case kOffsetWindowOrg:
        fDc.OffsetWindowOrg(ReadPoint(r));
        break;
    case kOffsetViewportOrg:
        fDc.OffsetViewportOrg(ReadPoint(r));
        break;
    case kScaleWindowExt:
    case kScaleViewportExt: {
        const int yDenom = r.I16(), yNum = r.I16(), xDenom = r.I16(), xNum = r.I16();
        fDc.ScaleExt(function == kScaleWindowExt, xNum, xDenom, yNum, yDenom);
        break;
    }
    default:
        return false;
    }
    return true;
}

bool TWmfPlayer::State(quint16 function, TLeReader &r)
{
    switch (function) {
    case kSetBkColor:
        fDc.SetBkColor(ColorRef(r.U32()));
        break;
    case kSetBkMode:
        fDc.SetBkMode(r.U16());
        break;
    case kSetTextColor:
        fDc.SetTextColor(ColorRef(r.U32()));
        break;
    case kSetTextAlign:
        fDc.SetTextAlign(r.U16());
        break;
    case kSetPolyFillMode:
        fDc.SetPolyFillMode(r.U16());
        break;
    case kSaveDc:
        fDc.SaveDC();
        break;
    case kRestoreDc:
        fDc.RestoreDC(r.I16());
        break;
    case kIntersectClipRect:
        fDc.IntersectClipRect(ReadRect(r));
        break;
    case kExcludeClipRect:
        fDc.ExcludeClipRect(ReadRect(r));
        break;
    case kSelectObject:
        fDc.SelectObject(r.U16());
        break;
    case kDeleteObject:
        fDc.DeleteObject(r.U16());
        break;
    case kCreatePenIndirect:
    case kCreateBrushIndirect:
    case kCreateFontIndirect:
    case kDibCreatePatternBrush:
    case kCreatePatternBrush:
    case kCreatePalette:
    case kCreateRegion:
        fDc.AddObject(ReadObject(function, r));
        break;
    default:
        return false;
    }
    return true;
}

bool TWmfPlayer::Shapes(quint16 function, TLeReader &r)
{
    switch (function) {
    case kMoveTo:
        fDc.MoveTo(ReadPoint(r));
        break;
    case kLineTo:
        fDc.LineTo(ReadPoint(r));
        break;
    case kRectangle:
        fDc.Rectangle(ReadRect(r));
        break;
    case kEllipse:
        fDc.Ellipse(ReadRect(r));
        break;
    case kRoundRect: {
        const QSizeF corner = ReadSize(r);
        fDc.RoundRect(ReadRect(r), corner);
        break;
    }
    case kArc:
    case kPie:
    case kChord: {
        const QPointF end = ReadPoint(r), start = ReadPoint(r);
        const TArcKind kind = function == kArc   ? TArcKind::Arc
                              : function == kPie ? TArcKind::Pie
                                                 : TArcKind::Chord;
        fDc.Arc(ReadRect(r), start, end, kind);
        break;
    }
    case kPolygon:
        fDc.Polygon(ReadPoints(r, r.U16()));
        break;
    case kPolyline:
        fDc.Polyline(ReadPoints(r, r.U16()));
        break;
    case kPolyPolygon: {
        std::vector<int> counts(std::min<qsizetype>(r.U16(), r.Remaining() / 2));
        for (int &count : counts)
            count = r.U16();
        std::vector<QPolygonF> polygons;
        for (const int count : counts)
            polygons.push_back(ReadPoints(r, count));
        fDc.PolyPolygon(polygons);
        break;
    }
    case kSetPixel: {
        const QColor color = ColorRef(r.U32());
        fDc.SetPixel(ReadPoint(r), color);
        break;
    }
    default:
        return false;
    }
    return true;
}

QString TWmfPlayer::ReadString(TLeReader &r, qsizetype length)
{
    const QByteArrayView bytes = r.Bytes(length);
    r.Skip(length & 1); // strings are padded to whole words
    return DecodeMetaText(bytes, fDc.Font().charSet);
}

bool TWmfPlayer::Text(quint16 function, TLeReader &r)
{
    enum : quint16 { kEtoOpaque = 2, kEtoClipped = 4 };
    if (function == kTextOut) {
        const qsizetype length = std::max<int>(0, r.I16());
        const QString text = ReadString(r, length);
        fDc.TextOut(ReadPoint(r), text, {}, {});
        return true;
    }
    if (function != kExtTextOut) return false;
    const QPointF point = ReadPoint(r);
    const qsizetype length = std::max<int>(0, r.I16());
    const quint16 options = r.U16();
    TTextOptions textOptions;
    if (options & (kEtoOpaque | kEtoClipped)) {
        const int left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
        textOptions = {bool(options & kEtoOpaque), bool(options & kEtoClipped),
                       QRectF(QPointF(left, top), QPointF(right, bottom))};
    }
    const QString text = ReadString(r, length);
    std::vector<double> dx;
    if (r.Remaining() >= 2 * length && text.size() == length)
        for (qsizetype i = 0; i < length; ++i)
            dx.push_back(r.I16());
    fDc.TextOut(point, text, dx, textOptions);
    return true;
}

void TWmfPlayer::Bitmaps(quint16 function, TLeReader &r)
{
    if (function == kStretchDib) {
        r.Skip(6); // raster operation, colour usage
        DrawDib(r, true);
    } else if (function == kSetDibToDev) {
        r.Skip(6); // colour usage, scan count, first scan
        const QPointF sourceAt = ReadPoint(r);
        const QSizeF size = ReadSize(r);
        const QPointF destAt = ReadPoint(r);
        fDc.DrawBitmap(QRectF(destAt, size), DecodePackedDib(r.Bytes(r.Remaining())),
                       QRectF(sourceAt, size));
    } else if (function == kBitBlt || function == kDibBitBlt || function == kStretchBlt ||
               function == kDibStretchBlt) {
        const bool stretch = function == kStretchBlt || function == kDibStretchBlt;
        const quint32 rop = r.U32();
        // Without a bitmap the record paints the brush; its fields then hold a reserved word.
        const qsizetype fields = stretch ? 18 : 14;
        if (r.Remaining() == fields) {
            r.Skip(fields - 8);
            const QSizeF size = ReadSize(r);
            fDc.PatBlt(QRectF(ReadPoint(r), size), rop);
        } else if (function == kDibBitBlt || function == kDibStretchBlt) {
            DrawDib(r, stretch); // BitBlt and StretchBlt with 16-bit Windows' bitmaps are skipped
        }
    }
}

// The source and destination of a DIB record (one size for both unless stretched), then the DIB.
void TWmfPlayer::DrawDib(TLeReader &r, bool stretch)
{
    const QSizeF sourceSize = stretch ? ReadSize(r) : QSizeF();
    const QPointF sourceAt = ReadPoint(r);
    const QSizeF destSize = ReadSize(r);
    const QPointF destAt = ReadPoint(r);
    fDc.DrawBitmap(QRectF(destAt, destSize), DecodePackedDib(r.Bytes(r.Remaining())),
                   QRectF(sourceAt, stretch ? sourceSize : destSize));
}

// The window a plain file's records set before they draw; empty when they set none.
QRectF FindWindow(QByteArrayView bytes, qsizetype pos)
{
    QPointF origin;
    for (int count = 0; count < kMaxMetaRecords && pos + 6 <= bytes.size(); ++count) {
        TLeReader r(bytes, pos);
        const quint32 words = r.U32();
        const quint16 function = r.U16();
        if (words < 3 || words > quint32((bytes.size() - pos) / 2) || function == kEof) break;
        if (function == kSetWindowOrg)
            origin = ReadPoint(r);
        else if (function == kSetWindowExt)
            return QRectF(origin, ReadSize(r));
        pos += qsizetype(words) * 2;
    }
    return {};
}

} // namespace

TWmfInfo ReadWmfInfo(QByteArrayView bytes)
{
    TLeReader r(bytes);
    const bool placeable = r.U32() == kPlaceableKey;
    TWmfInfo info;
    int inch = 0;
    if (placeable) {
        r.Skip(2); // handle
        const int left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
        info.window = QRectF(QPointF(left, top), QPointF(right, bottom));
        inch = r.U16();
        r.Seek(kPlaceableBytes);
    } else {
        r.Seek(0);
    }
    const quint16 type = r.U16(), headerWords = r.U16();
    if (r.Failed() || (type != 1 && type != 2) || headerWords != kHeaderBytes / 2)
        throw EPictureError(QStringLiteral("Файл не является метафайлом WMF"));
    info.recordsStart = (placeable ? kPlaceableBytes : 0) + kHeaderBytes;
    double width = std::abs(info.window.width()), height = std::abs(info.window.height());
    if (placeable) {
        const double scale = double(kScreenDpi) / (inch > 0 ? inch : 1440);
        width *= scale, height *= scale;
    } else {
        info.window = FindWindow(bytes, info.recordsStart);
        width = std::abs(info.window.width()), height = std::abs(info.window.height());
    }
    info.naturalSize = QSize(std::max(1, int(std::lround(std::min(width, 1e9)))),
                             std::max(1, int(std::lround(std::min(height, 1e9)))));
    if (info.window.width() == 0 || info.window.height() == 0 ||
        !IsAcceptablePictureSize(info.naturalSize))
        throw EPictureError(QStringLiteral("Метафайл WMF не задает допустимого размера"));
    return info;
}

void PlayWmf(QByteArrayView bytes, const TWmfInfo &info, TMetaDc &dc)
{
    TWmfPlayer player(dc);
    qsizetype pos = info.recordsStart;
    for (int count = 0; count < kMaxMetaRecords && dc.HasBudget() && pos + 6 <= bytes.size();
         ++count) {
        TLeReader header(bytes, pos);
        const quint32 words = header.U32();
        const quint16 function = header.U16();
        if (words < 3 || words > quint32((bytes.size() - pos) / 2) || function == kEof) break;
        TLeReader params(bytes.sliced(pos + 6, qsizetype(words) * 2 - 6));
        player.Play(function, params);
        pos += qsizetype(words) * 2;
    }
}
