#include "views/aboutf.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>

namespace {

void DrawDisc(QPainter &painter, qreal side)
{
    const QPointF centre(side / 2, side / 2);
    const qreal radius = side * 0.46;
    QRadialGradient silver(centre, radius, QPointF(side * 0.35, side * 0.3));
    silver.setColorAt(0.0, QColor(250, 250, 255));
    silver.setColorAt(0.5, QColor(190, 200, 225));
    silver.setColorAt(0.8, QColor(215, 190, 230));
    silver.setColorAt(1.0, QColor(150, 160, 190));
    painter.setPen(QPen(QColor(90, 100, 130), side / 64));
    painter.setBrush(silver);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(235, 235, 240));
    painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius * 0.1, radius * 0.1);
}

// A pair of quavers joined by a beam, drawn over the lower right of the disc.
void DrawNote(QPainter &painter, qreal side)
{
    const QColor ink(40, 50, 110);
    const qreal stem = side / 22;
    const qreal headRx = side * 0.085, headRy = side * 0.062;
    const QPointF leftHead(side * 0.52, side * 0.80), rightHead(side * 0.80, side * 0.72);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const QPointF &head : {leftHead, rightHead}) {
        painter.save();
        painter.translate(head);
        painter.rotate(-20);
        painter.drawEllipse(QPointF(0, 0), headRx, headRy);
        painter.restore();
    }
    const qreal leftX = leftHead.x() + headRx * 0.85, rightX = rightHead.x() + headRx * 0.85;
    const qreal leftTop = side * 0.38, rightTop = side * 0.30;
    painter.drawRect(QRectF(leftX - stem, leftTop, stem, leftHead.y() - leftTop));
    painter.drawRect(QRectF(rightX - stem, rightTop, stem, rightHead.y() - rightTop));
    QPainterPath beam;
    beam.moveTo(leftX - stem, leftTop);
    beam.lineTo(rightX, rightTop);
    beam.lineTo(rightX, rightTop + side * 0.08);
    beam.lineTo(leftX - stem, leftTop + side * 0.08);
    beam.closeSubpath();
    painter.drawPath(beam);
}

QFrame *SeparatorLine()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *WrappedLabel(const QString &objectName, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

} // namespace

QPixmap ProgramPicture(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawDisc(painter, side);
    DrawNote(painter, side);
    return picture;
}

TAboutF::TAboutF(QWidget *parent) : QDialog(parent)
{
    setObjectName("AboutF");
    setWindowTitle("О программе");
    ProgramIcon = new QLabel;
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(ProgramPicture());
    ProgramIcon->setFixedSize(128, 128);
    SpdBtn = new QPushButton("Закрыть");
    SpdBtn->setObjectName("SpdBtn");
    SpdBtn->setFlat(true);
    SpdBtn->setDefault(true);
    connect(SpdBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(ProgramIcon, 0, Qt::AlignTop);
    top->addLayout(CreateTextColumn(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(SeparatorLine());
    layout->addWidget(SpdBtn, 0, Qt::AlignRight);
    setFixedWidth(440);
}

QLayout *TAboutF::CreateTextColumn()
{
    ProductName = new QLabel("Лорванта 2.0");
    ProductName->setObjectName("ProductName");
    QFont heading = ProductName->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    heading.setBold(true);
    ProductName->setFont(heading);
    Comments = WrappedLabel(
        "Comments", "Программа-оболочка для компакт-диска (\"мультимедийника\"), содержащего MP3, "
                    "тексты песен, картинки и т.п. Может использоваться как на CD, так и "
                    "DVD-носителе.");
    Version = WrappedLabel("Version", "Версия: 2.0 бета");

    auto *column = new QVBoxLayout;
    column->addWidget(ProductName);
    column->addWidget(Comments);
    column->addWidget(Version);
    column->addStretch();
    return column;
}
