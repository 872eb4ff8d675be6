#include "views/picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

TPictureControl::TPictureControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void TPictureControl::SetPicture(const TImagePicture &picture)
{
    fPicture = picture;
    update();
}

void TPictureControl::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    fPicture.Draw(painter, QRectF(rect()));
}

TPictureScrollBox::TPictureScrollBox(QWidget *parent)
    : QAbstractScrollArea(parent), fControl(new TPictureControl(viewport()))
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus); // the arrow keys scroll, the menu key opens the picture menu
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::black);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    fControl->setFocusProxy(this);
}

TScrollBars TPictureScrollBox::Bars() const
{
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn,
            verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, extent, extent};
}

void TPictureScrollBox::SetNaturalSize()
{
    fFilled = false;
    fRect.setSize(NaturalSize());
    Place();
}

void TPictureScrollBox::ShowBarsForPicture(int tolerance)
{
    setHorizontalScrollBarPolicy(fRect.width() > width() + tolerance ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(fRect.height() > height() + tolerance ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
    UpdateScrollRanges();
}

void TPictureScrollBox::Center()
{
    const TScrollBars bars = Bars();
    if (bars.Horizontal || bars.Vertical) {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    if (!fFilled)
        fRect.moveTopLeft(CenteredPicturePos(size(), fRect.size(), bars));
    Place();
}

void TPictureScrollBox::Zoom(double factor)
{
    if (!ZoomAllowed(fRect.size(), factor))
        return;
    fFilled = false;
    fRect.setSize(ZoomedSize(fRect.size(), factor));
    ShowBarsForPicture(2);
    Center();
}

void TPictureScrollBox::Stretch()
{
    fFilled = true;
    Place();
}

void TPictureScrollBox::BestFit()
{
    fRect = BestFitRect(fRect.size(), size());
    Place();
}

void TPictureScrollBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    Place();
}

void TPictureScrollBox::scrollContentsBy(int, int) { Place(); }

// Puts the control where fRect and the scroll positions say (over the whole box when filled).
void TPictureScrollBox::Place()
{
    if (fFilled) {
        fRect = viewport()->rect();
        fControl->setGeometry(fRect);
        return;
    }
    UpdateScrollRanges();
    fControl->setGeometry(
        fRect.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

void TPictureScrollBox::UpdateScrollRanges()
{
    const QSize view = viewport()->size();
    const QRect extent = fRect.united(QRect(0, 0, 1, 1));
    horizontalScrollBar()->setRange(0, std::max(0, extent.right() + 1 - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent.bottom() + 1 - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
}
