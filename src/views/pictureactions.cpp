#include "views/pictureactions.h"

#include "views/pictureicons.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace {

QAction *MakeAction(QWidget *window, const char *name, const char *caption, const char *hint,
                    const QKeySequence &shortcut = {})
{
    auto *action = new QAction(QString::fromUtf8(caption), window);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(QString::fromUtf8(hint));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setShortcut(shortcut);
    action->setIcon(PictureActionIcon(QLatin1String(name)));
    window->addAction(action);
    return action;
}

} // namespace

// "+", "-", "/" and "*" reach the sizing actions through the main window's key preview: as
// shortcuts they would be taken from every edit field.
TPictureActions::TPictureActions(QWidget *window)
    : QObject(window),
      ZoomIn(MakeAction(window, "ZoomIn", "&Увеличить", "Увеличить размер картинки (+)")),
      ZoomOut(MakeAction(window, "ZoomOut", "У&меньшить", "Уменьшить размер картинки (-)")),
      AsItIs(MakeAction(window, "AsItIs", "&Исходный размер",
                        "Показать картинку в натуральныю величину (/)")),
      Stretch(MakeAction(window, "Stretch", "&Растянуть",
                         "Растянуть картинку на всю свободную область",
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Equal))),
      BestFit(MakeAction(window, "BestFit", "Пропорциональное растя&жение",
                         "Растянуть на всю доступную область, сохраняя пропорции (*)")),
      PrevPic(MakeAction(window, "PrevPic", "&Предыдущая картинка",
                         "Переход к предыдущей картинке", QKeySequence(Qt::Key_PageUp))),
      NextPic(MakeAction(window, "NextPic", "&Следующая картинка",
                         "Переход к следующей картинке", QKeySequence(Qt::Key_PageDown))),
      JumpToPic(MakeAction(window, "JumpToPic", "Переход к картинке...",
                           "Перейти к картинке путем выбора файла из списка")),
      SlideShow(MakeAction(window, "SlideShow", "&Слайдшоу", "Слайдшоу")),
      PopupMenu3(new QMenu(window))
{
    SlideShow->setCheckable(true);
    for (QAction *photoAction : {PrevPic, NextPic, SlideShow})
        photoAction->setEnabled(false);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    PopupMenu3->addActions({ZoomIn, ZoomOut, Stretch, AsItIs});
}
