#include "views/scandirf.h"

#include "views/pictureicons.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

TScanDirF *gCurrent = nullptr;

QLabel *IconLabel(QWidget *parent, const char *name, TScanIcon kind, const QString &role)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(ScanIcon(kind));
    label->setFixedSize(24, 24);
    label->setAccessibleName(role);
    return label;
}

} // namespace

TScanDirF::TScanDirF(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Label1(new QLabel(QStringLiteral("Сканирование директории..."), this)),
      lPath(new QLabel(this)),
      Image1(IconLabel(this, "Image1", TScanIcon::Photos, QStringLiteral("Фотографии"))),
      Image2(IconLabel(this, "Image2", TScanIcon::Playlist, QStringLiteral("Список"))),
      Image3(IconLabel(this, "Image3", TScanIcon::Clips, QStringLiteral("Клипы")))
{
    setObjectName(QStringLiteral("ScanDirF"));
    setWindowTitle(QStringLiteral("Составление списка файлов фотографий..."));
    Label1->setObjectName(QStringLiteral("Label1"));
    lPath->setObjectName(QStringLiteral("lPath"));
    lPath->setAccessibleName(QStringLiteral("Директория"));
    lPath->setMinimumWidth(320);
    lPath->setTextFormat(Qt::PlainText);
    auto *layout = new QGridLayout(this);
    for (QLabel *image : {Image1, Image2, Image3})
        layout->addWidget(image, 0, 0, 2, 1, Qt::AlignTop); // one place, one of them shown
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(lPath, 1, 1);
    Image2->hide();
    Image3->hide();
    gCurrent = this;
}

TScanDirF::~TScanDirF()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

TScanDirF *TScanDirF::Current() { return gCurrent; }

void TScanDirF::ShowPath(const QString &folder)
{
    lPath->setText(folder);
    lPath->repaint();
}

TScanWindowScope::TScanWindowScope() : fWindow(new TScanDirF)
{
    fWindow->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        fWindow->move(screen->availableGeometry().center() - fWindow->rect().center());
    fWindow->show();
    fWindow->repaint();
}

TScanWindowScope::~TScanWindowScope() { delete fWindow; }

void ReportScannedFolder(const QString &folder)
{
    if (TScanDirF *window = TScanDirF::Current())
        window->ShowPath(folder);
}
