#pragma once
// tsClips: the disc's video clips, one at a time, out of the main window's clip list, played by
// the media player mpClips in the panel pDisplay. A clip and a song never play together: opening
// or playing a clip stops the song (through TClipHost), and the window stops the clip when a song
// starts (clStopExecute). While a clip is open the main position slider shows its position.
//
// States: closed -> (open) stopped at 0:00 -> (play) playing, clock on -> (pause) paused, clock
// off -> (pause) playing -> (stop) stopped, clock off. The player sends no notifications: the
// clock tmClips polls it once a second, so a clip is seen to end up to a second late; it then
// moves on to the next clip, which plays. After the last clip the clock runs on, changing
// nothing.

#include "views/contentpage.h"
#include "views/mediaplayer.h"

#include <QStringList>

class QAction;
class QLabel;
class QStatusBar;
class QTimer;
class QToolBar;

// What the clips page needs of the window besides TPageHost: the song's stop command and the
// main position slider (whole seconds).
class TClipHost {
public:
    // StopTBClick: stops the song when one plays or is paused.
    virtual void StopSong() = 0;
    // The slider to position 0 with the given maximum.
    virtual void SetSliderRange(int maximum) = 0;
    virtual int SliderMaximum() const = 0;
    // The slider to position, unless the person is dragging it.
    virtual void ShowSliderPosition(int position) = 0;

protected:
    ~TClipHost() = default;
};

class TClipsPage : public TContentPage {
    Q_OBJECT
public:
    // clipList and clipIdx are the main window's ClipList and ClipIdx.
    TClipsPage(QStringList &clipList, int &clipIdx, TPageHost &pageHost, TClipHost &clipHost,
               QWidget *parent = nullptr);

    // The clip part of the content scan: empties the clip list and, when clipsFolder is set,
    // fills it under the scanning window and keeps ClipIdx within it (a list without clips
    // leaves it as it was).
    void BuildClipList(const QString &clipsFolder);
    // The rebuild's part: closes the player, clears ClipOpen, stops the clock.
    void CloseClip();
    // The slider was released on ms while no song plays: the clip goes there, and plays on when
    // its clock runs.
    void SeekClip(int ms);

    // Opens the clip at ClipIdx (stopping the song) and lays it out; a clip that fails shows the
    // player's message in an error box and leaves the page closed, its status bar empty.
    void OpenCurrentClip();
    // Places pDisplay and the picture in it for the open clip (proportional stretch when
    // clFullscreen is checked, else natural size).
    void LayoutClipDisplay();
    void tmClipsTimer();

    void clFirstExecute();
    void clPrevExecute();
    void clPlayExecute();
    void clPauseExecute();
    void clStopExecute();
    void clNextExecute();
    void clLastExecute();
    void clJumpExecute();
    void clFullscreenExecute();

    static constexpr int PanelCount = 6;
    QString PanelText(int index) const;

    bool ClipOpen = false;
    int ClipWidth = 0;
    int ClipHeight = 0;

    QAction *clFirst, *clPrev, *clPlay, *clPause, *clStop, *clNext, *clLast, *clJump;
    QAction *clFullscreen; // proportional stretch; checked at start
    QWidget *cbClips;      // the tool bar's band
    QToolBar *ToolBar4;
    QWidget *pDisplay;
    QStatusBar *sbClips;
    QLabel *Panels[PanelCount]; // natural size, shown size, length, position, remaining, file
    TMediaPlayer *mpClips;
    QTimer *tmClips;

protected:
    // tsClipsResize: the layout follows the page while it is the active one.
    void resizeEvent(QResizeEvent *event) override;

private:
    void CreateActions();
    void CreateStatusBar();
    void FailOpen(const QString &message);
    // Steps to the clip at index: closes the open one, opens that one, shows the page.
    void StepTo(int index);
    void SetPanel(int index, const QString &text);
    void ClearPanels();
    void PlaceBars();
    // pDisplay aligned to the page between tool bar and status bar.
    QRect DisplayArea() const;
    void FillDisplayArea();

    QStringList &fClips;
    int &fIndex;
    TPageHost &fPageHost;
    TClipHost &fClipHost;
    bool fDisplayFills = true; // pDisplay follows the page's area (no bounds of its own)
};
