// The transport's controls: actions, tool buttons, slider and status bar, and their wiring to the
// handlers and to the player's notifications.

#include "transport/playcontrol.h"

#include "platform/errorreport.h"
#include "playback/mpegplayer.h"

#include <QAbstractSlider>
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>
#include <QWidget>
#include <random>

namespace {

// Panel widths before the first song fills them.
constexpr int InitialPanelWidths[TPlayControl::PanelCount] = {100, 50, 35, 70, 50,
                                                              50,  55, 50, 50};

std::function<int(int)> TimeSeededRandomIndex()
{
    auto engine = std::make_shared<std::mt19937>(
        uint32_t(QDateTime::currentMSecsSinceEpoch()));
    return [engine](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(*engine);
    };
}

QIcon StandardIcon(const QWidget &widget, QStyle::StandardPixmap pixmap)
{
    return widget.style()->standardIcon(pixmap);
}

} // namespace

TPlayControl::TPlayControl(TMPEGPlayer &player, TExpandedSongColl &songs, QTreeWidget &songsLst,
                           const TDefaultSettings &settings, TPlayHost &host, QWidget &window)
    : QObject(&window), RandomIndex(TimeSeededRandomIndex()), fPlayer(player), fSongs(songs),
      fTree(songsLst), fSettings(settings), fHost(host), fWindow(window)
{
    CreateActions();
    CreateButtons();
    CreateStatusBar();
    ConnectControls();
    ConnectPlayer();
    // Hints of every window land in panel 8, as status tips.
    QCoreApplication::instance()->installEventFilter(this);
}

TPlayControl::~TPlayControl()
{
    fPlayer.OnPosUpdate = nullptr;
    fPlayer.OnPlayEnd = nullptr;
}

QAction *TPlayControl::AddAction(const char *name, const QString &caption, const QString &hint,
                                 const QKeySequence &key)
{
    auto *action = new QAction(caption, &fWindow);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(key);
    fWindow.addAction(action);
    return action;
}

void TPlayControl::CreateActions()
{
    Previous = AddAction("Previous", QStringLiteral("&Предыдущая"),
                         QStringLiteral("Перейти к предыдущей композиции"), Qt::Key_Z);
    Play = AddAction("Play", QStringLiteral("&Воспроизвести"),
                     QStringLiteral("Воспроизвести текущую композицию"), Qt::Key_X);
    Pause = AddAction("Pause", QStringLiteral("П&ауза"),
                      QStringLiteral("Установить или снять паузу"), Qt::Key_C);
    Stop = AddAction("Stop", QStringLiteral("&Стоп"),
                     QStringLiteral("Остановить воспроизведение"), Qt::Key_V);
    Next = AddAction("Next", QStringLiteral("С&ледующая"),
                     QStringLiteral("Перейти к следующей композиции"), Qt::Key_B);
    PreviousAlbum = AddAction("PreviousAlbum", QStringLiteral("Пред&ыдущий альбом"),
                              QStringLiteral("Перейти к предыдущему альбому"),
                              Qt::CTRL | Qt::Key_Z);
    NextAlbum = AddAction("NextAlbum", QStringLiteral("Сл&едующий альбом"),
                          QStringLiteral("Перейти к следующему альбому"), Qt::CTRL | Qt::Key_B);
    Fwd5sec = AddAction("Fwd5sec", QStringLiteral("Перемотать на &5 секунд вперед"), {},
                        Qt::ALT | Qt::Key_Right);
    Rew5Sec = AddAction("Rew5Sec", QStringLiteral("Пере&мотать на 5 секунд назад"), {},
                        Qt::ALT | Qt::Key_Left);
    StopAfterEnd = AddAction(
        "StopAfterEnd", QStringLiteral("&Остановить по окончании"),
        QStringLiteral("Остановить сразу же после перехода к следующей композиции"),
        Qt::CTRL | Qt::Key_V);
    ExitAfterEnd = AddAction(
        "ExitAfterEnd", QStringLiteral("В&ыйти из программы"),
        QStringLiteral("Выйти из программы сразу же после перехода к следующей композиции"),
        Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    N20 = AddAction("N20", QStringLiteral("&Остановить"), StopAfterEnd->toolTip(), {});
    // The menu shows StopAfterEnd's key beside N20; bound to the menu alone, it never competes
    // with StopAfterEnd's own key in the main window.
    fWindow.removeAction(N20);
    N20->setShortcut(StopAfterEnd->shortcut());
    N20->setShortcutContext(Qt::WidgetShortcut);
    ShuffleMI = AddAction("ShuffleMI", QStringLiteral("П&роизвольный порядок"),
                          QStringLiteral("Установить или снять опцию произвольного порядка "
                                         "воспроизведения композиций"),
                          {});
    NonStopMI = AddAction(
        "NonStopMI", QStringLiteral("&Непрерывное воспроизведение"),
        QStringLiteral("Установить или снять опцию непрерывного воспроизведения"), {});
    for (QAction *marked : {Play, Pause, StopAfterEnd, ExitAfterEnd, N20, ShuffleMI, NonStopMI})
        marked->setCheckable(true);
    // The two "По окончании" items are one choice of which neither may be taken: radio items.
    auto *afterEnd = new QActionGroup(this);
    afterEnd->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    afterEnd->addAction(N20);
    afterEnd->addAction(ExitAfterEnd);
}

QToolButton *TPlayControl::AddButton(const char *name, QAction *action)
{
    auto *button = new QToolButton(&fWindow);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    return button;
}

QToolButton *TPlayControl::AddCheckButton(const char *name, const QString &caption,
                                          const QString &hint)
{
    auto *button = new QToolButton(&fWindow);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setText(caption);
    // The caption's "&" would grab Alt+letter from the main menu.
    button->setShortcut(QKeySequence());
    button->setToolTip(hint);
    button->setStatusTip(hint);
    return button;
}

void TPlayControl::CreateButtons()
{
    PrevTB = AddButton("PrevTB", Previous);
    PlayTB = AddCheckButton("PlayTB", QStringLiteral("&Воспроизвести"),
                            QStringLiteral("Воспроизвести текущую композицию (X)"));
    PauseTB = AddCheckButton("PauseTB", QStringLiteral("П&ауза"),
                             QStringLiteral("Установить или снять паузу (C)"));
    StopTB = AddButton("StopTB", Stop);
    NextTB = AddButton("NextTB", Next);
    PrevAlbTB = AddButton("PrevAlbTB", PreviousAlbum);
    NextAlbTB = AddButton("NextAlbTB", NextAlbum);
    ShuffleTB = AddCheckButton("ShuffleTB", {}, QStringLiteral("Произвольный порядок"));
    RepeatTB = AddCheckButton("RepeatTB", {}, QStringLiteral("Непрерывное воспроизведение"));

    Previous->setIcon(StandardIcon(fWindow, QStyle::SP_MediaSkipBackward));
    PlayTB->setIcon(StandardIcon(fWindow, QStyle::SP_MediaPlay));
    PauseTB->setIcon(StandardIcon(fWindow, QStyle::SP_MediaPause));
    Stop->setIcon(StandardIcon(fWindow, QStyle::SP_MediaStop));
    Next->setIcon(StandardIcon(fWindow, QStyle::SP_MediaSkipForward));
    PreviousAlbum->setIcon(StandardIcon(fWindow, QStyle::SP_MediaSeekBackward));
    NextAlbum->setIcon(StandardIcon(fWindow, QStyle::SP_MediaSeekForward));
    ShuffleTB->setText(QStringLiteral("⇄")); // the style has no shuffle picture
    RepeatTB->setIcon(StandardIcon(fWindow, QStyle::SP_BrowserReload));

    Slider = new QSlider(Qt::Horizontal, &fWindow);
    Slider->setObjectName(QStringLiteral("Slider"));
    Slider->setRange(0, 0);
}

void TPlayControl::CreateStatusBar()
{
    StBar = new QStatusBar(&fWindow);
    StBar->setObjectName(QStringLiteral("StBar"));
    StBar->setSizeGripEnabled(false);
    for (int i = 0; i < PanelCount; ++i) {
        auto *panel = new QLabel(StBar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        const bool last = i == PanelCount - 1;
        panel->setAlignment(last ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (last)
            panel->setMinimumWidth(InitialPanelWidths[i]);
        else
            panel->setFixedWidth(InitialPanelWidths[i]);
        StBar->addPermanentWidget(panel, last ? 1 : 0);
        fPanels[i] = panel;
    }
    StBar->setFixedHeight(QFontMetrics(StBar->font()).size(0, QStringLiteral("123")).height() + 3);
}

void TPlayControl::ConnectAction(QAction *action, void (TPlayControl::*handler)())
{
    connect(action, &QAction::triggered, this, [this, action, handler] {
        // Qt ticks a checkable action before it reports the trigger; the handlers own the marks.
        if (action->isCheckable())
            action->setChecked(!action->isChecked());
        RunReporting(&fWindow, [this, handler] { (this->*handler)(); });
    });
}

void TPlayControl::ConnectButton(QToolButton *button, void (TPlayControl::*handler)())
{
    connect(button, &QToolButton::clicked, this,
            [this, handler] { RunReporting(&fWindow, [this, handler] { (this->*handler)(); }); });
}

void TPlayControl::ConnectControls()
{
    ConnectAction(Previous, &TPlayControl::PrevTBClick);
    ConnectAction(Play, &TPlayControl::PlayMIClick);
    ConnectAction(Pause, &TPlayControl::PauseMIClick);
    ConnectAction(Stop, &TPlayControl::StopTBClick);
    ConnectAction(Next, &TPlayControl::NextTBClick);
    ConnectAction(PreviousAlbum, &TPlayControl::PrevAlbMIClick);
    ConnectAction(NextAlbum, &TPlayControl::NextAlbMIClick);
    ConnectAction(Fwd5sec, &TPlayControl::Fwd5secExecute);
    ConnectAction(Rew5Sec, &TPlayControl::Rew5SecExecute);
    ConnectAction(StopAfterEnd, &TPlayControl::StopAfterEndExecute);
    ConnectAction(N20, &TPlayControl::StopAfterEndExecute);
    ConnectAction(ExitAfterEnd, &TPlayControl::ExitAfterEndExecute);
    ConnectAction(ShuffleMI, &TPlayControl::ShuffleMIClick);
    ConnectAction(NonStopMI, &TPlayControl::NonStopMIClick);
    connect(StopAfterEnd, &QAction::toggled, N20, &QAction::setChecked);
    ConnectButton(PlayTB, &TPlayControl::PlayTBClick);
    ConnectButton(PauseTB, &TPlayControl::PauseTBClick);
    ConnectButton(ShuffleTB, &TPlayControl::ShuffleTBClick);
    ConnectButton(RepeatTB, &TPlayControl::RepeatTBClick);

    connect(Slider, &QSlider::sliderPressed, this, [this] { SliderTracking(); });
    connect(Slider, &QSlider::sliderMoved, this, [this] { SliderTracking(); });
    connect(Slider, &QSlider::sliderReleased, this,
            [this] { RunReporting(&fWindow, [this] { SliderStopTracking(); }); });
    // Clicks on the groove and the keys move the slider without a drag: they seek at once.
    connect(Slider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove && !Slider->isSliderDown())
            RunReporting(&fWindow, [this] { SliderStopTracking(); });
    });
}

void TPlayControl::ConnectPlayer()
{
    fPlayer.OnPosUpdate = [this](int pos, int len) { MP3PlayerPosUpdate(pos, len); };
    fPlayer.OnPlayEnd = [this](TMPEGPlayer *) { RunReporting(&fWindow, [this] { NextTBClick(); }); };
}


bool TPlayControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::StatusTip)
        return QObject::eventFilter(watched, event);
    // The drag's seek preview keeps the panel until the slider is released.
    if (!SeekTracking)
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
    return true;
}

QLabel *TPlayControl::Panel(int index) const { return fPanels[index]; }

QString TPlayControl::PanelText(int index) const { return fPanels[index]->text(); }

void TPlayControl::SetPanel(int index, const QString &text) { fPanels[index]->setText(text); }

void TPlayControl::SetFittedPanel(int index, const QString &text)
{
    SetPanel(index, text);
    fPanels[index]->setFixedWidth(fPanels[index]->fontMetrics().horizontalAdvance(text) + 15);
}

void TPlayControl::ShowHint(const QString &text) { SetPanel(PanelCount - 1, text); }
