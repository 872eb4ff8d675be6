// The clips page's commands and its clock: the clip state machine.
#include "views/clipspage.h"

#include "platform/errorreport.h"
#include "platform/prompt.h"
#include "playback/titleformat.h"
#include "views/clipjumpf.h"

#include <QAction>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {

struct TClipCommand {
    QAction *TClipsPage::*Action;
    const char *Name;
    const char *Caption;
    const char *Hint;
    QStyle::StandardPixmap Icon;
    void (TClipsPage::*Handler)();
};

const TClipCommand ClipCommands[] = {
    {&TClipsPage::clFirst, "clFirst", "&Первый", "Перейти к первому клипу",
     QStyle::SP_MediaSkipBackward, &TClipsPage::clFirstExecute},
    {&TClipsPage::clPrev, "clPrev", "П&редыдущий", "Перейти к предыдущему клипу",
     QStyle::SP_MediaSeekBackward, &TClipsPage::clPrevExecute},
    {&TClipsPage::clPlay, "clPlay", "&Воспроизведение", "Воспроизвести текущий клип",
     QStyle::SP_MediaPlay, &TClipsPage::clPlayExecute},
    {&TClipsPage::clPause, "clPause", "П&ауза", "Пауза", QStyle::SP_MediaPause,
     &TClipsPage::clPauseExecute},
    {&TClipsPage::clStop, "clStop", "&Стоп", "Остановить воспроизведение клипа",
     QStyle::SP_MediaStop, &TClipsPage::clStopExecute},
    {&TClipsPage::clNext, "clNext", "Сл&едующий", "Следующий клип", QStyle::SP_MediaSeekForward,
     &TClipsPage::clNextExecute},
    {&TClipsPage::clLast, "clLast", "Последни&й", "Перейти к последнему клипу",
     QStyle::SP_MediaSkipForward, &TClipsPage::clLastExecute},
    {&TClipsPage::clJump, "clJump", "Пере&ход к клипу...", "Переход к клипу путем выбора из списка",
     QStyle::SP_FileDialogListView, &TClipsPage::clJumpExecute},
};

} // namespace

// The commands stand on ToolBar4 (the jump after a separator); the main window's menu finds
// them, and clFullscreen, by name.
void TClipsPage::CreateActions()
{
    for (const TClipCommand &command : ClipCommands) {
        auto *action = new QAction(style()->standardIcon(command.Icon),
                                   QString::fromUtf8(command.Caption), this);
        action->setObjectName(QLatin1String(command.Name));
        action->setToolTip(QString::fromUtf8(command.Hint));
        action->setStatusTip(QString::fromUtf8(command.Hint));
        connect(action, &QAction::triggered, this, [this, handler = command.Handler] {
            RunReporting(this, [this, handler] { (this->*handler)(); });
        });
        if (command.Action == &TClipsPage::clJump) ToolBar4->addSeparator();
        ToolBar4->addAction(action);
        this->*command.Action = action;
    }
    clFullscreen = new QAction(QStringLiteral("Пр&опорциональное растяжение"), this);
    clFullscreen->setObjectName("clFullscreen");
    clFullscreen->setCheckable(true);
    clFullscreen->setChecked(true);
    // Triggering the checkable action has toggled it already.
    connect(clFullscreen, &QAction::triggered, this,
            [this] { RunReporting(this, [this] { LayoutClipDisplay(); }); });
}

void TClipsPage::tmClipsTimer()
{
    const int position = mpClips->Position() / 1000;
    fClipHost.ShowSliderPosition(position);
    SetPanel(3, FormatTime(position));
    SetPanel(4, QStringLiteral("-") + FormatTime(fClipHost.SliderMaximum() - position));
    if (mpClips->Mode() == TMPModes::mpStopped) clNextExecute(); // the clip has ended
}

void TClipsPage::clPlayExecute()
{
    if (!ClipOpen) OpenCurrentClip();
    mpClips->Play(); // after a failed open: "No MCI device open"
    if (!tmClips->isActive()) tmClips->start();
    fClipHost.StopSong();
    fPageHost.ShowPage(this);
}

void TClipsPage::clPauseExecute()
{
    if (!ClipOpen) return;
    mpClips->Pause();
    if (tmClips->isActive())
        tmClips->stop();
    else
        tmClips->start();
    fPageHost.ShowPage(this);
}

void TClipsPage::clStopExecute()
{
    if (!ClipOpen) return;
    mpClips->Stop();
    tmClips->stop();
    fPageHost.ShowPage(this);
}

// Opening starts the new clip when the clock runs: stepping during play plays on, stepping
// while stopped or paused leaves the new clip stopped at 0:00.
void TClipsPage::StepTo(int index)
{
    if (ClipOpen) mpClips->Close();
    fIndex = index;
    OpenCurrentClip();
    fPageHost.ShowPage(this);
}

void TClipsPage::clFirstExecute()
{
    if (fIndex > 0) StepTo(0);
}

void TClipsPage::clPrevExecute()
{
    if (fIndex > 0) StepTo(fIndex - 1);
}

void TClipsPage::clNextExecute()
{
    if (fIndex < fClips.size() - 1) StepTo(fIndex + 1);
}

void TClipsPage::clLastExecute()
{
    if (!fClips.isEmpty() && fIndex != fClips.size() - 1) StepTo(int(fClips.size()) - 1);
}

void TClipsPage::clJumpExecute()
{
    TClipJumpF dialog(window());
    dialog.SetEntries(fClips);
    dialog.Choose(fIndex);
    if (Prompt().ShowModal(&dialog) != QDialog::Accepted) return;
    const int chosen = dialog.Chosen();
    if (chosen < 0 || chosen >= fClips.size()) return; // OK with nothing chosen changes nothing
    fIndex = chosen;
    OpenCurrentClip();
    // A clip that failed has said so once; playing it would open it again and fail twice more.
    if (ClipOpen) clPlayExecute();
}

void TClipsPage::clFullscreenExecute()
{
    clFullscreen->toggle();
    LayoutClipDisplay();
}
