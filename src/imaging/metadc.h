#pragma once
// The device context that WMF and EMF records draw through: GDI's state (object table, mapping,
// pen, brush, font, colours, current position, paths, clipping, saved states) played onto a
// QPainter. Coordinates given to it are logical; it maps them to the target rectangle.

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

class QPainter;

// A font as a metafile describes it (LOGFONT).
struct TLogFont {
    int height = 0;     // logical units: negative the character height, positive the cell's
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charSet = 1; // DEFAULT_CHARSET
    int pitchAndFamily = 0;
    QString face;
};

// One slot of the object table.
struct TGdiObject {
    enum class Kind { Empty, Pen, Brush, Font, Other };
    Kind kind = Kind::Empty;
    QPen pen;
    QBrush brush;
    TLogFont font;
};

// How text is placed (ExtTextOut's options and its rectangle).
struct TTextOptions {
    bool opaque = false;  // fill rect with the background colour first
    bool clipped = false; // clip the text to rect
    QRectF rect;          // logical
};

// Arc-shaped drawing: the open arc, closed by its chord, a pie slice, or an arc joined to the
// current position (ArcTo, which also moves it).
enum class TArcKind { Arc, Chord, Pie, ArcTo };

class TMetaDc {
public:
    // Draws onto painter within target (painter coordinates); the painter is restored after.
    TMetaDc(QPainter &painter, const QRectF &target);
    TMetaDc(const TMetaDc &) = delete;
    TMetaDc &operator=(const TMetaDc &) = delete;
    ~TMetaDc();

    // WMF: the window (from the records, at first defaultWindow) maps onto the target.
    void SetupWmf(const QRectF &defaultWindow);
    // EMF: reference-device units map onto the target through deviceToTarget; pixelsPerMm (of
    // the reference device) serves the metric mapping modes.
    void SetupEmf(const QTransform &deviceToTarget, QSizeF pixelsPerMm);

    // Mapping.
    void SetMapMode(int mode);
    void SetWindowOrg(QPointF origin);
    void SetWindowExt(QSizeF extent);
    void SetViewportOrg(QPointF origin);
    void SetViewportExt(QSizeF extent);
    void OffsetWindowOrg(QPointF by);
    void OffsetViewportOrg(QPointF by);
    // Scales the window's extent (or the viewport's) by xNum / xDenom and yNum / yDenom.
    void ScaleExt(bool window, double xNum, double xDenom, double yNum, double yDenom);
    void SetWorldTransform(const QTransform &transform);
    void ModifyWorldTransform(const QTransform &transform, int mode);

    // Attributes.
    void SetTextColor(QColor color) { fState.textColor = color; }
    void SetBkColor(QColor color) { fState.bkColor = color; }
    void SetBkMode(int mode) { fState.opaqueBackground = mode == 2; }
    void SetTextAlign(unsigned align) { fState.textAlign = align; }
    void SetPolyFillMode(int mode);
    void SetArcDirection(int direction) { fState.clockwise = direction == 2; }
    void SetMiterLimit(double limit) { fState.miterLimit = limit; }

    // Objects: WMF puts a new object in the lowest free slot, EMF names the slot.
    void AddObject(TGdiObject object);
    void SetObject(quint32 index, TGdiObject object);
    void SelectObject(quint32 index);
    void SelectStockObject(quint32 stock);
    void DeleteObject(quint32 index);

    // Saved states: level > 0 is absolute, < 0 relative to the current one.
    void SaveDC();
    void RestoreDC(int level);

    // Clipping, in logical units.
    void IntersectClipRect(const QRectF &rect);
    void ExcludeClipRect(const QRectF &rect);
    // Replaces or intersects the clip with rectangles in reference-device units (EMF regions);
    // an empty list with replace removes clipping.
    void SelectClipRects(const std::vector<QRectF> &deviceRects, bool replace);
    void SelectClipPath(int mode);

    // Drawing, in logical units.
    void MoveTo(QPointF point);
    void LineTo(QPointF point);
    void Polyline(const QPolygonF &points);
    void PolylineTo(const QPolygonF &points);
    void PolyBezier(const QPolygonF &points);
    void PolyBezierTo(const QPolygonF &points);
    void Polygon(const QPolygonF &points);
    void PolyPolygon(const std::vector<QPolygonF> &polygons);
    void PolyPolyline(const std::vector<QPolygonF> &lines);
    void Rectangle(const QRectF &rect);
    void RoundRect(const QRectF &rect, QSizeF corner);
    void Ellipse(const QRectF &rect);
    void Arc(const QRectF &box, QPointF start, QPointF end, TArcKind kind);
    void AngleArc(QPointF center, double radius, double startDegrees, double sweepDegrees);
    void SetPixel(QPointF point, QColor color);
    // Fills rect with the brush (PatBlt), or with black or white for those raster operations.
    void PatBlt(const QRectF &rect, quint32 rop);
    // Draws the part source of image stretched into dest (negative sizes mirror).
    void DrawBitmap(const QRectF &dest, const QImage &image, const QRectF &source);
    // Text at point (ignored when TA_UPDATECP is set), with each character's advance in logical
    // units when dx is given.
    void TextOut(QPointF point, const QString &text, const std::vector<double> &dx,
                 const TTextOptions &options);

    // Paths.
    void BeginPath();
    void EndPath() { fRecording = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();

    // The selected font (its character set decodes 8-bit text).
    const TLogFont &Font() const { return fState.font; }
    // False once the drawing has used up its budget of points (the player stops then).
    bool HasBudget() const { return fPointsLeft > 0; }

private:
    struct TState {
        int mapMode = 1; // MM_TEXT
        QPointF windowOrg, viewportOrg;
        QSizeF windowExt{1, 1}, viewportExt{1, 1};
        QTransform world;
        QPen pen{QBrush(Qt::black), 0};
        QBrush brush{Qt::white};
        TLogFont font;
        QColor textColor{Qt::black}, bkColor{Qt::white};
        bool opaqueBackground = true;
        unsigned textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        bool clockwise = false;
        double miterLimit = 10;
        QPointF current;
        std::optional<QPainterPath> clip; // target coordinates; none: unclipped
    };

    QTransform PageToDevice() const;
    QTransform LogicalToTarget() const;
    // Prepares the painter to draw in logical units with the current clip, and spends the
    // points and the device area of bounds (logical) from the budget; false when it is spent.
    bool Prepare(qsizetype points, const QRectF &bounds);
    // Spends points (of clipping work) from the budget.
    void Spend(qsizetype points) { fPointsLeft -= points; }
    void ApplyPen(bool stroke, const QTransform &toDevice);
    // Draws a shape, or adds it to the path being recorded.
    void Shape(const QPainterPath &path, bool fill, bool stroke);
    void SetClip(std::optional<QPainterPath> clip);
    QPainterPath ArcPath(const QRectF &box, QPointF start, QPointF end, TArcKind kind) const;
    void DrawTextRun(const QString &text, const std::vector<double> &dx, QPointF anchor);

    QPainter *fPainter;
    QTransform fBase;       // the caller's transform
    QPainterPath fBaseClip; // the target rectangle within the caller's clip, base coordinates
    bool fWmf = false;
    QRectF fTarget;
    QTransform fDeviceToTarget; // EMF
    QSizeF fPixelsPerMm{96 / 25.4, 96 / 25.4};
    TState fState;
    std::vector<TState> fSaved;
    std::vector<TGdiObject> fObjects;
    std::size_t fFirstFree = 0;
    QPainterPath fPath;
    bool fRecording = false;
    bool fClipDirty = true;
    std::int64_t fPointsLeft;
    double fAreaLeft;
    QRectF fDeviceTarget; // the target on the painter's device
};

// The text of 8-bit string bytes in a font's character set (Windows-1251 for Russian and the
// default set, code page 866 for OEM, Latin-1 otherwise).
QString DecodeMetaText(QByteArrayView bytes, int charSet);
// A GDI colour (COLORREF, 0x00BBGGRR).
inline QColor ColorRef(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
// A pen and a brush from their GDI styles.
QPen MakePen(quint32 style, double width, QColor color);
QBrush MakeBrush(quint32 style, QColor color, quint32 hatch);
