#include "settings/dialogs/dialogparts.h"

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
