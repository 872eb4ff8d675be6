#include "views/pictureicons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

using TDrawing = std::function<void(QPainter &)>;

// A size x size picture drawn in a 16-unit square.
QPixmap Drawn(int size, const TDrawing &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(QPen(QColor(40, 40, 40), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
    return pixmap;
}

void Magnifier(QPainter &p, bool plus)
{
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(QColor(40, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void Frame(QPainter &p)
{
    p.setBrush(QColor(250, 240, 200));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
}

void Arrow(QPainter &p, bool right)
{
    QPainterPath path;
    const double tip = right ? 13.5 : 2.5, back = right ? 6.5 : 9.5;
    path.moveTo(tip, 8);
    path.lineTo(back, 2.5);
    path.lineTo(back, 5.5);
    path.lineTo(right ? 2.5 : 13.5, 5.5);
    path.lineTo(right ? 2.5 : 13.5, 10.5);
    path.lineTo(back, 10.5);
    path.lineTo(back, 13.5);
    path.closeSubpath();
    p.setBrush(QColor(90, 160, 90));
    p.drawPath(path);
}

void Landscape(QPainter &p)
{
    Frame(p);
    p.setBrush(QColor(120, 170, 90));
    p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(6.5, 7), QPointF(10, 11), QPointF(12, 9),
                             QPointF(14, 13)}));
    p.setBrush(QColor(240, 190, 60));
    p.drawEllipse(QPointF(11.5, 5.5), 1.5, 1.5);
}

TDrawing ActionDrawing(const QString &name)
{
    if (name == u"ZoomIn")
        return [](QPainter &p) { Magnifier(p, true); };
    if (name == u"ZoomOut")
        return [](QPainter &p) { Magnifier(p, false); };
    if (name == u"AsItIs")
        return [](QPainter &p) {
            Frame(p);
            p.drawText(QRectF(1.5, 2.5, 13, 11), Qt::AlignCenter, QStringLiteral("1:1"));
        };
    if (name == u"Stretch")
        return [](QPainter &p) {
            Frame(p);
            p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
            p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
        };
    if (name == u"BestFit")
        return [](QPainter &p) {
            Frame(p);
            p.setBrush(QColor(120, 170, 220));
            p.drawRect(QRectF(4.5, 5, 7, 6));
        };
    if (name == u"PrevPic" || name == u"NextPic")
        return [right = name == u"NextPic"](QPainter &p) { Arrow(p, right); };
    if (name == u"JumpToPic")
        return [](QPainter &p) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(2.5, 1.5, 11, 13));
            for (double y : {4.5, 7.5, 10.5})
                p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
        };
    if (name == u"SlideShow")
        return [](QPainter &p) {
            Landscape(p);
            p.setBrush(QColor(200, 60, 60));
            p.drawPolygon(QPolygonF({QPointF(2, 1), QPointF(6, 3.5), QPointF(2, 6)}));
        };
    return {};
}

} // namespace

QIcon PictureActionIcon(const QString &actionName)
{
    const TDrawing drawing = ActionDrawing(actionName);
    if (!drawing)
        return {};
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(Drawn(size, drawing));
    return icon;
}

QPixmap ScanIcon(TScanIcon kind)
{
    switch (kind) {
    case TScanIcon::Photos:
        return Drawn(24, Landscape);
    case TScanIcon::Playlist:
        return Drawn(24, [](QPainter &p) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(1.5, 1.5, 10, 13));
            for (double y : {4.5, 7.5, 10.5})
                p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
            p.setBrush(QColor(60, 90, 200));
            p.drawEllipse(QPointF(12, 12.5), 2, 1.6);
            p.drawLine(QPointF(14, 12.5), QPointF(14, 5));
        });
    case TScanIcon::Clips:
        return Drawn(24, [](QPainter &p) {
            p.setBrush(QColor(60, 60, 60));
            p.drawRect(QRectF(1.5, 3.5, 13, 9));
            p.setBrush(QColor(250, 250, 250));
            p.drawPolygon(QPolygonF({QPointF(6, 5.5), QPointF(11, 8), QPointF(6, 10.5)}));
        });
    }
    return {};
}
