// Making a song current, play, pause and stop, the caption and state file, the after-end choices,
// the position display and seeking.

#include "transport/playcontrol.h"

#include "platform/errorreport.h"
#include "platform/ioerror.h"
#include "playback/mpegplayer.h"
#include "playback/statefile.h"
#include "playback/titleformat.h"
#include "settings/mainsettings.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// 100 * part / whole to the nearest integer, halves to even; 0 for an empty whole.
int RoundedPercent(int part, int whole)
{
    if (whole <= 0)
        return 0;
    const long long scaled = 100LL * part;
    long long quotient = scaled / whole;
    const long long twiceRest = 2 * (scaled % whole);
    if (twiceRest > whole || (twiceRest == whole && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

} // namespace

bool TPlayControl::StreamActive()
{
    const int mode = fPlayer.PlayerMode();
    return mode == 3 || mode == 4;
}

// The menu marks always show what the buttons show.
void TPlayControl::SetPlayDown(bool down)
{
    PlayTB->setChecked(down);
    Play->setChecked(down);
}

void TPlayControl::SetPauseDown(bool down)
{
    PauseTB->setChecked(down);
    Pause->setChecked(down);
}

void TPlayControl::SelectSong(int index, bool play)
{
    if (!fSongs.IsValidIndex(index))
        return;
    TExpandedSong &song = fSongs[index];
    if (!song.Play())
        return;
    if (play)
        fHost.StopClip();
    else
        StopTBClick();
    SongIndex = index;
    SetPlayDown(fPlayer.PlayerMode() == 3);
    SetPauseDown(fPlayer.Paused());
    ShowSongNodePosition();
    ShowStreamPanels();
    SongLengthSec = fPlayer.StreamLength() / 1000;
    Slider->setValue(0);
    Slider->setMaximum(SongLengthSec);
    SetFittedPanel(4, FormatTime(SongLengthSec));
    SetPanel(5, QStringLiteral("0:00"));
    fPanels[5]->setFixedWidth(fPanels[4]->maximumWidth());
    SetFittedPanel(6, QStringLiteral("-") + PanelText(4));
    const QString caption = FormatTitle(fSettings.CaptionFormat);
    fHost.SetCaption(caption);
    fHost.ShowSongOnActivePage(song);
    WriteStateFileIfOn(caption);
}

void TPlayControl::ShowSongNodePosition()
{
    QTreeWidgetItem *node = SelectedNode();
    int position = 0;
    int siblings = 0;
    if (node && node->parent()) {
        position = node->parent()->indexOfChild(node) + 1;
        siblings = node->parent()->childCount();
    } else if (node) {
        position = fTree.indexOfTopLevelItem(node) + 1;
        siblings = fTree.topLevelItemCount();
    }
    SetFittedPanel(0, QStringLiteral("%1/%2 (%3/%4)")
                          .arg(position)
                          .arg(siblings)
                          .arg(SongIndex + 1)
                          .arg(fSongs.Count()));
}

void TPlayControl::ShowStreamPanels()
{
    SetFittedPanel(1, QString::number(fPlayer.Bitrate() / 1000) + QStringLiteral(" кбит/с"));
    SetFittedPanel(2, QString::number(fPlayer.Frequency() / 1000) + QStringLiteral(" кГц"));
    SetFittedPanel(3, fPlayer.StereoMode() == 3 ? QStringLiteral("Моно")
                                                : QStringLiteral("Стерео"));
}

QString TPlayControl::FormatTitle(const QString &format)
{
    TTitleContext context;
    context.Format = format;
    context.Song = fSongs.IsValidIndex(SongIndex) ? &fSongs[SongIndex] : nullptr;
    context.SongIndex = SongIndex;
    context.LengthText = PanelText(4);
    context.PlayerMode = fPlayer.PlayerMode();
    context.Paused = fPlayer.Paused();
    context.AfterEndPending = AfterEndPending;
    context.Modes = {fSettings.OpenedStr, fSettings.ReadyStr, fSettings.StoppedStr,
                     fSettings.PlayingStr, fSettings.PausedStr};
    const TTitle title = ::FormatTitle(context);
    SetFittedPanel(7, title.ModePanel);
    return title.Caption;
}

// A state file that cannot be written is said once per file name: it would fail again at every
// song change, and other programs' trouble with it must not stop the player.
void TPlayControl::WriteStateFileIfOn(const QString &caption)
{
    try {
        WriteStateFile({fSettings.HasLogFile, fSettings.LogFileName, fSettings.OEMLogFile}, caption);
    } catch (const EIOError &error) {
        if (!fFailedStateFiles.contains(fSettings.LogFileName)) {
            fFailedStateFiles.insert(fSettings.LogFileName);
            fHost.ReportStateFileFailure(error.Message());
        }
    }
}

void TPlayControl::RefreshTitle()
{
    const QString caption = FormatTitle(fSettings.CaptionFormat);
    fHost.SetCaption(caption);
    WriteStateFileIfOn(caption);
}

void TPlayControl::PlayTBClick()
{
    fHost.StopClip();
    if (PlayTB->isChecked()) {
        if (!StartOrResume())
            return;
        SetPauseDown(false);
        RefreshTitle();
        SelectCurrentSongNode();
    } else if (fPlayer.Paused()) {
        fPlayer.SetPaused(false);
        SetPlayDown(true);
        SetPauseDown(false);
        RefreshTitle(); // the caption, mode panel and state file said "paused" until now
    } else {
        StopTBClick();
    }
    Play->setChecked(PlayTB->isChecked());
}

bool TPlayControl::StartOrResume()
{
    try {
        if (fPlayer.Paused())
            fPlayer.SetPaused(false);
        else
            fPlayer.Play();
    } catch (const std::exception &error) {
        ReportError(&fWindow, QStringLiteral("Не удалось воспроизвести файл: ") + ErrorText(error));
        SetPlayDown(false);
        return false;
    }
    return true;
}

void TPlayControl::SelectCurrentSongNode()
{
    if (!fSongs.IsValidIndex(SongIndex))
        return;
    TSongNode *node = fSongs[SongIndex].Node;
    if (node && dynamic_cast<TSongNode *>(SelectedNode()) != node)
        node->MakeVisibleAndSelect();
}

void TPlayControl::PlayMIClick()
{
    if (fPlayer.Paused()) {
        SetPauseDown(false);
        PauseTBClick();
    } else {
        PlayTB->toggle();
        PlayTBClick();
    }
}

void TPlayControl::PauseTBClick()
{
    if (StreamActive())
        fPlayer.SetPaused(PauseTB->isChecked());
    RefreshTitle();
    Pause->setChecked(PauseTB->isChecked());
}

void TPlayControl::PauseMIClick()
{
    if (StreamActive())
        PauseTB->toggle();
    PauseTBClick();
}

void TPlayControl::StopTBClick()
{
    if (StreamActive()) {
        fPlayer.Stop();
        SetPlayDown(false);
        SetPauseDown(false);
    }
    SetPanel(5, QStringLiteral("0:00"));
    SetPanel(6, QStringLiteral("-") + PanelText(4));
    Slider->setValue(0);
    RefreshTitle();
}

void TPlayControl::StopAfterEndExecute()
{
    ToggleAfterEnd(StopAfterEnd, ExitAfterEnd, QStringLiteral("*"));
}

void TPlayControl::ExitAfterEndExecute()
{
    ToggleAfterEnd(ExitAfterEnd, StopAfterEnd, QStringLiteral("^"));
}

void TPlayControl::ToggleAfterEnd(QAction *toggled, QAction *other, const QString &mark)
{
    toggled->setChecked(!toggled->isChecked());
    if (toggled->isChecked())
        other->setChecked(false);
    AfterEndPending = StopAfterEnd->isChecked() || ExitAfterEnd->isChecked();
    const QString &playing = fSettings.PlayingStr;
    QString mode = PanelText(7);
    if (toggled->isChecked() && mode == playing)
        mode = playing + mark;
    else if (!toggled->isChecked() && mode == playing + mark)
        mode = playing;
    SetFittedPanel(7, mode);
}

void TPlayControl::DisarmAfterEnd()
{
    AfterEndPending = false;
    StopAfterEnd->setChecked(false);
    ExitAfterEnd->setChecked(false);
}

void TPlayControl::BeginRebuild()
{
    SeekTracking = false;
    DisarmAfterEnd();
}

void TPlayControl::MP3PlayerPosUpdate(int pos, int len)
{
    const int seconds = pos / 1000;
    if (!SeekTracking)
        Slider->setValue(seconds);
    SetPanel(5, FormatTime(seconds));
    SetPanel(6, QStringLiteral("-") + FormatTime(len / 1000 - seconds));
}

void TPlayControl::SliderTracking()
{
    SeekTracking = true;
    const int position = Slider->sliderPosition();
    const int maximum = Slider->maximum();
    ShowHint(QStringLiteral("Перемотка: %1/%2 (%3%)")
                 .arg(FormatTime(position), FormatTime(maximum))
                 .arg(RoundedPercent(position, maximum)));
}

void TPlayControl::SliderStopTracking()
{
    // Even a failed seek ends the drag: otherwise the slider would ignore the player for good.
    const auto endDrag = qScopeGuard([this] {
        ShowHint({});
        SeekTracking = false;
    });
    const int ms = Slider->sliderPosition() * 1000;
    if (StreamActive()) {
        fPlayer.Seek(ms);
        MP3PlayerPosUpdate(fPlayer.CurrentPos(), fPlayer.StreamLength());
    } else if (fHost.ClipOpen()) {
        fHost.SeekClip(ms);
    } else {
        Slider->setValue(0);
    }
}

void TPlayControl::Fwd5secExecute()
{
    if (!StreamActive())
        return;
    Slider->setValue(Slider->value() + 5);
    SliderStopTracking();
}

void TPlayControl::Rew5SecExecute()
{
    if (!StreamActive())
        return;
    Slider->setValue(Slider->value() - 5);
    SliderStopTracking();
}
