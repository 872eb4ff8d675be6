#pragma once
// TPlayControl: the main window's transport. It makes one song of the play list current, starts,
// pauses and stops it, moves to the previous or next song (in list order or shuffled, with or
// without repeat), jumps between albums, answers the end of a song (including the armed
// stop-after-end and exit-after-end choices), seeks with the position slider and keeps the
// status bar, the caption and the state file up to date.
//
// How TMainF wires it (the control creates its actions, buttons, slider and status bar as
// children of the window and adds every action to the window, so their keys work):
//   - implement TPlayHost and construct TPlayControl after the player, the play list and the
//     tree exist; it takes over the player's OnPosUpdate and OnPlayEnd;
//   - menu "&Композиция": Previous, Play, Pause, Stop, Next, separator, PreviousAlbum, NextAlbum,
//     separator, Fwd5sec, Rew5Sec, separator, submenu "По окончании" with N20 (not StopAfterEnd:
//     N20 is the same command under its menu caption) and ExitAfterEnd, separator, ShuffleMI,
//     NonStopMI; the menu items PlayMI and PauseMI are the actions Play and Pause, whose check
//     marks this class keeps;
//   - PlayerTBar: PrevTB, PlayTB, PauseTB, StopTB, NextTB, PrevAlbTB, NextAlbTB, ShuffleTB,
//     RepeatTB (then OpenTB), followed by Slider; setStatusBar(StBar);
//   - start-up: set SongIndex before RebuildList; ShuffleTB/RepeatTB checked from the settings,
//     then ShuffleTBClick() and RepeatTBClick() when the list has songs;
//   - RebuildList: BeginRebuild() at its step 2, ResetShuffleOrder() at step 9, and
//     SelectSong(SongIndex, PlayOnRun) at step 14;
//   - the tree's activation (double click, Enter) calls SongsLstDblClick();
//   - shutdown: StopTBClick() (it throws when the decoder library is not loaded);
//   - "Загрузка..." and other passing texts: ShowHint(). Status tips of every window of the
//     application land there too: the control filters the application's status-tip events.
// Handlers called directly throw on failure (TMPEGError, EIOError); the ones run by the controls
// and the player show the failure in an error box instead.

#include "library/expandedsong.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QKeySequence;
class QLabel;
class QSlider;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TMPEGPlayer;
struct TDefaultSettings;

// What the transport needs from the main window around it.
class TPlayHost {
public:
    // Sets the window caption and the application title.
    virtual void SetCaption(const QString &caption) = 0;
    // Refreshes the active content page for song: the album cover, song text, review or history
    // page when that page is shown; other pages are left alone.
    virtual void ShowSongOnActivePage(const TExpandedSong &song) = 0;
    // The clip player's stop command: when a clip is open, stops it and shows the clips page.
    virtual void StopClip() = 0;
    virtual bool ClipOpen() const = 0;
    // Seeks the open clip to ms and continues it when its clock runs.
    virtual void SeekClip(int ms) = 0;
    // Closes the main window through its normal close path. Called from inside the player's
    // end-of-song notification: queue the close rather than destroy the window at once.
    virtual void CloseMainWindow() = 0;
    // True from the start of a rebuild until its content scan has finished.
    virtual bool Rebuilding() const = 0;
    // Activation of an artist node: show its history. Of an album node: show its cover or
    // review. Indexes are positions in the library.
    virtual void ActivateArtistNode(int artist) = 0;
    virtual void ActivateAlbumNode(int artist, int album) = 0;
    // Tells the person that the state file could not be written, without holding up the command
    // that wrote it (nor the start-up or the exit around it).
    virtual void ReportStateFileFailure(const QString &message) = 0;

protected:
    ~TPlayHost() = default;
};

class TPlayControl : public QObject {
    Q_OBJECT
public:
    // All references must outlive the control; settings are read at every use, so changes made
    // by the options dialog take effect at the next refresh.
    TPlayControl(TMPEGPlayer &player, TExpandedSongColl &songs, QTreeWidget &songsLst,
                 const TDefaultSettings &settings, TPlayHost &host, QWidget &window);
    ~TPlayControl() override;

    // ---- Transport state ------------------------------------------------------------------
    int SongIndex = 0;                 // current song's position in the play list
    std::vector<int32_t> ShuffleOrder; // shuffle history: a song index per slot, -1 empty
    int ShufflePos = 0;                // current slot of ShuffleOrder
    bool AfterEndPending = false;      // stop or exit after the end is armed
    bool SeekTracking = false;         // the user drags Slider
    int SongLengthSec = 0;             // current song's length, whole seconds

    // Uniform random song index in [0, count); seeded from the time of day at construction.
    // Tests replace it to make shuffle draws predictable.
    std::function<int(int count)> RandomIndex;

    // ---- Controls ---------------------------------------------------------------------------
    QAction *Previous = nullptr;      // Z
    QAction *Play = nullptr;          // X; its check mark is PlayMI's
    QAction *Pause = nullptr;         // C; its check mark is PauseMI's
    QAction *Stop = nullptr;          // V
    QAction *Next = nullptr;          // B
    QAction *PreviousAlbum = nullptr; // Ctrl+Z
    QAction *NextAlbum = nullptr;     // Ctrl+B
    QAction *Fwd5sec = nullptr;       // Alt+Right
    QAction *Rew5Sec = nullptr;       // Alt+Left
    QAction *StopAfterEnd = nullptr;  // Ctrl+V
    QAction *ExitAfterEnd = nullptr;  // Ctrl+Shift+V
    QAction *N20 = nullptr;           // StopAfterEnd as the "По окончании" submenu shows it
    QAction *ShuffleMI = nullptr;
    QAction *NonStopMI = nullptr;

    QToolButton *PrevTB = nullptr;
    QToolButton *PlayTB = nullptr;  // checkable: playback wanted
    QToolButton *PauseTB = nullptr; // checkable
    QToolButton *StopTB = nullptr;
    QToolButton *NextTB = nullptr;
    QToolButton *PrevAlbTB = nullptr;
    QToolButton *NextAlbTB = nullptr;
    QToolButton *ShuffleTB = nullptr; // checkable: shuffle
    QToolButton *RepeatTB = nullptr;  // checkable: continuous play
    QSlider *Slider = nullptr;        // position in whole seconds
    QStatusBar *StBar = nullptr;      // nine panels

    static constexpr int PanelCount = 9;
    QLabel *Panel(int index) const;
    QString PanelText(int index) const;

    // ---- Operations for the rest of the window ----------------------------------------------
    // Makes song index current; starts it when play, else leaves it stopped. Nothing happens for
    // an invalid index or a song that cannot be opened.
    void SelectSong(int index, bool play);
    // Disarms the after-end choices and ends a drag (the start of a rebuild).
    void BeginRebuild();
    // One empty slot per song of the play list (a rebuilt list).
    void ResetShuffleOrder();
    // Expands format for the current song and writes the mode panel; returns the caption.
    QString FormatTitle(const QString &format);
    // Caption and application title from CaptionFormat, then the state file when it is on.
    void RefreshTitle();
    // Panel 8: hints and passing messages.
    void ShowHint(const QString &text);

    // ---- Handlers ---------------------------------------------------------------------------
    void PlayTBClick();
    void PlayMIClick();
    void PauseTBClick();
    void PauseMIClick();
    void StopTBClick();
    void NextTBClick();
    void PrevTBClick();
    void ShuffleTBClick();
    void ShuffleMIClick();
    void RepeatTBClick();
    void NonStopMIClick();
    void NextAlbMIClick();
    void PrevAlbMIClick();
    void SongsLstDblClick();
    void StopAfterEndExecute();
    void ExitAfterEndExecute();
    void MP3PlayerPosUpdate(int pos, int len);
    void SliderTracking();
    void SliderStopTracking();
    void Fwd5secExecute();
    void Rew5SecExecute();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateActions();
    void CreateButtons();
    void CreateStatusBar();
    void ConnectControls();
    void ConnectAction(QAction *action, void (TPlayControl::*handler)());
    void ConnectButton(QToolButton *button, void (TPlayControl::*handler)());
    void ConnectPlayer();
    QAction *AddAction(const char *name, const QString &caption, const QString &hint,
                       const QKeySequence &key);
    QToolButton *AddButton(const char *name, QAction *action);
    QToolButton *AddCheckButton(const char *name, const QString &caption, const QString &hint);

    void SetPanel(int index, const QString &text);
    void SetFittedPanel(int index, const QString &text);
    void SetPlayDown(bool down);
    void SetPauseDown(bool down);
    void SetAlbumJumpsEnabled(bool enabled);
    bool StreamActive();
    bool StartOrResume();
    void WriteStateFileIfOn(const QString &caption);
    void ShowStreamPanels();
    void ShowSongNodePosition();
    QTreeWidgetItem *SelectedNode() const;
    void SelectCurrentSongNode();

    void NextInList();
    void NextShuffled();
    void ShuffleWrap();
    void DrawShuffledSong();
    void AfterNextTail();
    void ClearShuffleHistory();
    void ToggleAfterEnd(QAction *toggled, QAction *other, const QString &mark);
    void DisarmAfterEnd();
    void JumpAlbum(int direction);
    void SelectFirstSongOf(QTreeWidgetItem *album);
    void ActivateSongNode(QTreeWidgetItem *node);

    TMPEGPlayer &fPlayer;
    TExpandedSongColl &fSongs;
    QTreeWidget &fTree;
    const TDefaultSettings &fSettings;
    TPlayHost &fHost;
    QWidget &fWindow;
    QLabel *fPanels[PanelCount] = {};
    QSet<QString> fFailedStateFiles; // state files whose failure was reported in this run
};
