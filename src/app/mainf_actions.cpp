// The main window's actions, menus, tree pop-up menu and their handlers' wiring. Commands whose
// handlers come with later work exist with their captions, hints and keys, disabled.

#include "platform/errorreport.h"
#include "app/mainf.h"
#include "app/mainf_controls.h"
#include "transport/playcontrol.h"

#include <QMenuBar>
#include <QTabWidget>

namespace {

struct TActionText {
    const char *Name;
    const char *Caption;
    const char *Hint;
    QKeySequence Shortcut;
};

// HTML and clip commands: their pages bring the handlers. The picture commands are the picture
// pages' (views/pictureactions.h).
const TActionText PageActions[] = {
    {"HTMLBack", "&Назад", "Назад", {}},
    {"HTMLFwd", "&Вперед", "Вперед", {}},
    {"HTMLHome", "&К оглавлению", "К оглавлению", {}},
    {"HTMLView", "Открыть в браузере", "Открытие текущего HTML-файла в браузере", {}},
    {"clFirst", "&Первый", "Перейти к первому клипу", {}},
    {"clPrev", "П&редыдущий", "Перейти к предыдущему клипу", {}},
    {"clPlay", "&Воспроизведение", "Воспроизвести текущий клип", {}},
    {"clPause", "П&ауза", "Пауза", {}},
    {"clStop", "&Стоп", "Остановить воспроизведение клипа", {}},
    {"clNext", "Сл&едующий", "Следующий клип", {}},
    {"clLast", "Последни&й", "Перейти к последнему клипу", {}},
    {"clJump", "Пере&ход к клипу...", "Переход к клипу путем выбора из списка", {}},
    {"clFullscreen", "Пр&опорциональное растяжение", "", {}},
};

const char *const ViewItemNames[TMainF::PageCount] = {
    "miViewAlb",  "miViewPics",  "miViewText",  "miViewRec",   "miViewHistory",
    "miViewHTML", "miViewClips", "miViewAbout", "miViewVolume"};
const char *const ViewItemCaptions[TMainF::PageCount] = {
    "&Обложка альбома", "&Фотографии", "&Текст песни", "&Рецензия", "&История группы",
    "&HTML",            "&Клипы",      "О &диске",     "&Громкость"};

void AddActions(QMenu *menu, QWidget *window, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (!name)
            menu->addSeparator();
        else
            menu->addAction(window->findChild<QAction *>(name));
    }
}

} // namespace

QAction *TMainF::AddAction(const QString &name, const QString &caption, const QString &hint,
                           const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setToolTip(hint.isEmpty() ? QString(caption).remove('&') : hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    addAction(action); // its key works wherever the focus is in the window
    return action;
}

QAction *TMainF::AddItem(QMenu *menu, const QString &name, const QString &caption,
                         const QString &hint)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setStatusTip(hint);
    return item;
}

void TMainF::ConnectHandler(QAction *action, void (TMainF::*handler)())
{
    connect(action, &QAction::triggered, this,
            [this, handler] { RunReporting(this, [this, handler] { (this->*handler)(); }); });
}

void TMainF::CreateActions()
{
    ConnectHandler(AddAction("Open", "&Открыть...", "Открыть файл", QKeySequence(Qt::CTRL | Qt::Key_O)),
                   &TMainF::OpenMIClick);
    ConnectHandler(AddAction("Help", "&Помощь", "Вызов справочной системы", QKeySequence(Qt::Key_F1)),
                   &TMainF::HelpExecute);
    ConnectHandler(AddAction("ShowSongProperties", "Сво&йства...",
                             "Показать свойства файла (id3-тэги и т.п.)",
                             QKeySequence(Qt::CTRL | Qt::Key_I)),
                   &TMainF::MP3InfoMIClick);
    for (const TActionText &text : PageActions)
        AddAction(text.Name, text.Caption, text.Hint, text.Shortcut)->setEnabled(false);
    QAction *fullscreen = ActionNamed("clFullscreen");
    fullscreen->setCheckable(true);
    fullscreen->setChecked(true);
}

void TMainF::CreateMenus()
{
    CreateFileMenu();
    CreateViewMenu();
    CreateTrackMenu();
    CreateToolsMenu();
    CreateHelpMenu();
}

void TMainF::CreateFileMenu()
{
    QMenu *menu = menuBar()->addMenu("&Файл");
    menu->setObjectName("FileMMI");
    ConnectHandler(AddItem(menu, "NewMI", "&Новый...", "Создать новый список воспроизведения"),
                   &TMainF::NewMIClick);
    menu->addAction(ActionNamed("Open"));
    ConnectHandler(AddItem(menu, "SaveMI", "&Сохранить", "Сохранить список воспроизведения"),
                   &TMainF::SaveMIClick);
    ConnectHandler(AddItem(menu, "SaveAsMI", "Сохранить &как...",
                           "Сохранить список воспроизведения с обязательным указанием имени файла"),
                   &TMainF::SaveAsMIClick);
    ConnectHandler(AddItem(menu, "EditMI", "&Редактировать...",
                           "Редактировать текущий список воспроизведения"),
                   &TMainF::EditMIClick);
    menu->addSeparator();
    ConnectHandler(AddItem(menu, "N4", "&Выход", "Выход из программы"), &TMainF::N4Click);
}

void TMainF::CreateViewMenu()
{
    QMenu *menu = menuBar()->addMenu("&Вид");
    menu->setObjectName("ViewMMI");
    fControls->ViewGroup = new QActionGroup(this);
    for (int page = 0; page < PageCount; ++page) {
        QAction *item = AddItem(menu, ViewItemNames[page], ViewItemCaptions[page], QString());
        item->setIcon(PageControl1->tabIcon(page));
        item->setCheckable(true);
        fControls->ViewGroup->addAction(item);
        fControls->ViewItems[size_t(page)] = item;
        connect(item, &QAction::triggered, this,
                [this, page] { RunReporting(this, [this, page] { ShowPage(TPage(page)); }); });
    }
    fControls->ViewItems[AlbumPicPage]->setChecked(true);
}

void TMainF::CreateTrackMenu()
{
    TPlayControl &control = *fPlayControl;
    QMenu *menu = menuBar()->addMenu("&Композиция");
    menu->setObjectName("TrackMMI");
    menu->addActions({control.Previous, control.Play, control.Pause, control.Stop, control.Next});
    menu->addSeparator();
    menu->addActions({control.PreviousAlbum, control.NextAlbum});
    menu->addSeparator();
    menu->addActions({control.Fwd5sec, control.Rew5Sec});
    menu->addSeparator();
    QMenu *atEnd = menu->addMenu("По окончании");
    atEnd->setObjectName("N34");
    atEnd->addActions({control.N20, control.ExitAfterEnd});
    menu->addSeparator();
    menu->addActions({control.ShuffleMI, control.NonStopMI});
    menu->addSeparator();
    fControls->FileInfoMI =
        AddItem(menu, "FileInfoMI", "О &композиции...",
                "Вывести информацию о композиции, используя информацию из списка воспроизведения");
    ConnectHandler(fControls->FileInfoMI, &TMainF::FileInfoMIClick);
    menu->addAction(ActionNamed("ShowSongProperties"));
}

void TMainF::CreateToolsMenu()
{
    QMenu *menu = menuBar()->addMenu("&Сервис");
    menu->setObjectName("ToolsMMI");
    QMenu *picture = menu->addMenu("&Картинка");
    picture->setObjectName("N9");
    AddActions(picture, this, {"ZoomOut", "ZoomIn", "AsItIs", "Stretch", "BestFit", nullptr,
                               "PrevPic", "NextPic", "JumpToPic", "SlideShow"});
    fControls->miHTMLService = menu->addMenu("&HTML");
    fControls->miHTMLService->setObjectName("miHTMLService");
    AddActions(fControls->miHTMLService, this,
               {"HTMLBack", "HTMLFwd", "HTMLHome", nullptr, "HTMLView"});
    fControls->miClipService = menu->addMenu("К&липы");
    fControls->miClipService->setObjectName("miClipService");
    AddActions(fControls->miClipService, this,
               {"clFirst", "clPrev", "clPlay", "clPause", "clStop", "clNext", "clLast", nullptr,
                "clJump", nullptr, "clFullscreen"});
    QAction *wordWrap = AddItem(menu, "WordWrapMI", "&Перенос по словам", QString());
    wordWrap->setCheckable(true);
    wordWrap->setEnabled(false);
    fControls->WordWrapMI = wordWrap;
    ConnectHandler(wordWrap, &TMainF::WordWrapMIClick);
    menu->addSeparator();
    ConnectHandler(AddItem(menu, "OptMI", "&Настройки...", "Вызвать диалоговое окно настроек"),
                   &TMainF::OptMIClick);
}

void TMainF::CreateHelpMenu()
{
    QMenu *menu = menuBar()->addMenu("&?");
    menu->setObjectName("HelpMMI");
    menu->addAction(ActionNamed("Help"));
    menu->addSeparator();
    ConnectHandler(AddItem(menu, "AboutMI", "&О программе...", "Вызвать информацию о программе"),
                   &TMainF::AboutMIClick);
}

void TMainF::CreatePopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    fControls->CloseTreePMI = AddItem(PopupMenu1, "CloseTreePMI", "Свернуть ветвь", QString());
    ConnectHandler(fControls->CloseTreePMI, &TMainF::CloseTreePMIClick);
    fControls->ExpandPMI = AddItem(PopupMenu1, "ExpandPMI", "Развернуть ветвь", QString());
    ConnectHandler(fControls->ExpandPMI, &TMainF::ExpandPMIClick);
    PopupMenu1->addSeparator();
    ConnectHandler(AddItem(PopupMenu1, "N3", "Новый...", QString()), &TMainF::NewMIClick);
    ConnectHandler(AddItem(PopupMenu1, "N10", "Редактировать...", QString()), &TMainF::EditMIClick);
    ConnectHandler(AddItem(PopupMenu1, "N11", "Загрузить...", "Загрузить список воспроизведения"),
                   &TMainF::OpenMIClick);
    ConnectHandler(AddItem(PopupMenu1, "N15", "Сохранить", QString()), &TMainF::SaveMIClick);
    PopupMenu1->addSeparator();
    fControls->N17 = AddItem(PopupMenu1, "N17", "О композиции...", "Вывести информацию о композиции");
    ConnectHandler(fControls->N17, &TMainF::FileInfoMIClick);
    PopupMenu1->addAction(ActionNamed("ShowSongProperties"));
}

void TMainF::SetFileInfoEnabled(bool enabled)
{
    fControls->FileInfoMI->setEnabled(enabled);
    fControls->N17->setEnabled(enabled);
}
