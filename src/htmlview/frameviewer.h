#pragma once
// TFrameViewer: the HTML view of the disc's HTML section. It shows a document from a file, with
// its frames (<frameset rows/cols>, <frame name src scrolling noresize>), follows links into
// the frame they target (_self, _parent, _top, _blank, a frame's name, <base target>) and to
// places within documents (#name), and hands links that leave the disc (http, mailto, files it
// does not show) to the desktop. It keeps a history of the last 20 states of the whole view,
// index 0 the newest; going back and forward restores a state, reloading only the frames whose
// document differs. Nothing here ever asks a question in a dialog.

#include "htmlview/framehost.h"
#include "htmlview/history.h"
#include "htmlview/images.h"

#include <QPointer>
#include <QWidget>

class TFrame;

class TFrameViewer : public QWidget, private TFrameHost {
    Q_OBJECT
    Q_PROPERTY(bool BackButtonEnabled READ BackButtonEnabled)
    Q_PROPERTY(bool FwdButtonEnabled READ FwdButtonEnabled)
    Q_PROPERTY(int HistoryIndex READ HistoryIndex)
    Q_PROPERTY(int HistoryCount READ HistoryCount)
    Q_PROPERTY(QString CurrentFile READ CurrentFile)
    Q_PROPERTY(QString ActiveFile READ ActiveFile)
public:
    explicit TFrameViewer(QWidget *parent = nullptr);
    ~TFrameViewer() override;

    // Shows the file (a relative name is taken against the current folder) in the whole view,
    // as the newest history entry. A file that is not there (or cannot be read) raises EIOError
    // "Can't locate file: " followed by fileName, and the view keeps what it shows.
    void LoadFromFile(const QString &fileName);

    // Whether there is an older (newer) history entry to go to.
    bool BackButtonEnabled() const;
    bool FwdButtonEnabled() const;
    // The entry on screen (0 the newest) and the number of entries; 0 and 0 before any load.
    int HistoryIndex() const;
    int HistoryCount() const;
    // The document of the whole view (the frameset file when it has frames); empty before any
    // load.
    QString CurrentFile() const;
    // The document of the active frame: the one a link last opened into or the person last
    // clicked in, or the whole view's when it has no frames. Empty when no frame is active.
    QString ActiveFile() const;

    static constexpr int kHistoryMax = 20;
    static constexpr int kImageCacheSize = 10;
    // At most this many documents are on screen at once, whatever the framesets ask for.
    static constexpr int kMaxDocuments = 64;

public slots:
    // Restore the previous (next) history entry; nothing happens when there is none.
    void GoBack();
    void GoFwd();

signals:
    // The mouse moved onto a link (its target, the frame's <base target> when it names none,
    // and its href as written) or off it (both empty).
    void HotSpotTargetCovered(const QString &target, const QString &url);
    // The history changed: a new entry, or a move back or forward.
    void HistoryChange();

private:
    QImage Image(const QString &file) override;
    void LinkActivated(TFrame *frame, const THtmlLink &link) override;
    void LinkHovered(TFrame *frame, const THtmlLink *link) override;
    void FrameFocused(TFrame *frame) override;

    // Opens file (at fragment) in the frame at path, then records the new state.
    void Navigate(const TFramePath &path, const QString &file, const QString &fragment);
    void ShowState(const TFrameState &state);
    TFrame *FrameAtPath(const TFramePath &path) const;

    TFrame *fRoot;
    QPointer<TFrame> fActive;
    TFrameHistory fHistory{kHistoryMax};
    TImageCache fImages{kImageCacheSize};
};
