#include "editor/formcontrols.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QString SpokenCaption(QString caption)
{
    return caption.remove(u'&');
}

QPushButton *CreateButton(const QString &caption, const char *objectName)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setAccessibleName(SpokenCaption(caption));
    return button;
}

QLineEdit *AddLabelledEdit(QGridLayout *grid, int row, QLabel *&label, const char *labelName,
                           const QString &caption, const char *editName)
{
    label = new QLabel(caption);
    label->setObjectName(labelName);
    auto *edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setAccessibleName(SpokenCaption(caption));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QGroupBox *CreateGroup(const QString &title, const char *objectName)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(objectName);
    return group;
}

QBoxLayout *CreateOkCancel(QDialog *dialog, QPushButton *&ok, QPushButton *&cancel,
                           const QString &cancelCaption)
{
    ok = CreateButton("OK", "BitBtn1");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    cancel = CreateButton(cancelCaption, "BitBtn2");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}
