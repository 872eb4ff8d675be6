#include "views/picjumpf.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TPicJumpF::TPicJumpF(QWidget *parent)
    : QDialog(parent), lbPics(new QListWidget(this)), BitBtn1(new QPushButton("OK", this)),
      BitBtn2(new QPushButton("Отмена", this))
{
    setObjectName("PicJumpF");
    setWindowTitle("Переход к картинке");
    lbPics->setObjectName("lbPics");
    lbPics->setAccessibleName("Картинки");
    lbPics->setUniformItemSizes(true); // a list of thousands of photos stays quick to fill
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2->setObjectName("BitBtn2");
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbPics, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbPics);
    layout->addLayout(buttons);
    resize(480, 360);
}

void TPicJumpF::SetPhotos(const QStringList &photos)
{
    lbPics->clear();
    lbPics->addItems(photos);
}
