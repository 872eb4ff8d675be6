#include "views/jumplistf.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TJumpListF::TJumpListF(const char *formName, const QString &caption, const char *listName,
                       const QString &listRole, QWidget *parent)
    : QDialog(parent), BitBtn1(new QPushButton("OK", this)),
      BitBtn2(new QPushButton("Отмена", this)), fList(new QListWidget(this))
{
    setObjectName(QLatin1String(formName));
    setWindowTitle(caption);
    fList->setObjectName(QLatin1String(listName));
    fList->setAccessibleName(listRole);
    fList->setUniformItemSizes(true); // a list of thousands of files stays quick to fill
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2->setObjectName("BitBtn2");
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(fList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fList);
    layout->addLayout(buttons);
    resize(480, 360);
}

void TJumpListF::SetEntries(const QStringList &entries)
{
    fList->clear();
    fList->addItems(entries);
}

int TJumpListF::Chosen() const
{
    return fList->currentRow();
}

void TJumpListF::Choose(int row)
{
    fList->setCurrentRow(row);
}
