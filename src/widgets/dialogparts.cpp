#include "widgets/dialogparts.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

QString SpokenText(const QString &caption)
{
    return QString(caption).remove(u'&').replace(u'\n', u' ');
}

QPushButton *NewPushButton(const QString &caption, const char *objectName)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setAccessibleName(SpokenText(caption));
    return button;
}

QPushButton *NewOkButton(QDialog *dialog, const char *objectName)
{
    QPushButton *button = NewPushButton(QStringLiteral("OK"), objectName);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

QPushButton *NewCancelButton(QDialog *dialog, const char *objectName)
{
    QPushButton *button = NewPushButton(QStringLiteral("Отмена"), objectName);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

QGroupBox *NewGroupBox(const QString &title, const char *objectName)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(objectName);
    return group;
}

QLineEdit *NewLineEdit(const char *objectName)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    return edit;
}

void SetUpLabel(QLabel *label, const char *objectName, QWidget *buddy)
{
    label->setObjectName(objectName);
    if (!buddy)
        return;
    label->setBuddy(buddy);
    buddy->setAccessibleName(SpokenText(label->text()));
}

QLineEdit *AddEditRow(QGridLayout *grid, QLabel *&label, const QString &caption,
                      const char *labelName, const char *editName)
{
    QLineEdit *edit = NewLineEdit(editName);
    label = new QLabel(caption);
    SetUpLabel(label, labelName, edit);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

void CentreIn(QWidget &dialog, const QRect &area)
{
    // move() places the frame, so the frame is what is centred.
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(area.center());
    dialog.move(frame.topLeft());
}

void TClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
