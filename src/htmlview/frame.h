#pragma once
// One frame of a viewer (or the whole view): it shows a document in a text view, a frameset as
// frames of its own laid out by splitters, or nothing. Show() brings it to a wanted state,
// loading only the documents that differ from what it shows.

#include "htmlview/frameset.h"
#include "htmlview/framestate.h"

#include <QUrl>
#include <QWidget>
#include <vector>

class TDocView;
class TFrameHost;

// The message for a document that is not there: in its frame, or raised for the whole view.
QString CantLocateFileMessage(const QString &file);

class TFrame : public QWidget {
    Q_OBJECT
public:
    // parentFrame is the frame whose frameset holds this one (nullptr for the whole view).
    TFrame(TFrameHost &host, const QString &name, TFrameScrolling scrolling, TFrame *parentFrame,
           QWidget *parent);

    const QString &Name() const { return fName; }
    const QString &File() const { return fFile; }
    // The text view, or nullptr while the frame shows a frameset or nothing.
    TDocView *View() const { return fView; }
    const std::vector<TFrame *> &Frames() const { return fFrames; }
    TFrame *ParentFrame() const { return fParentFrame; }
    TFramePath Path() const;
    // What the document says about its links: their base and default target.
    const QUrl &Base() const { return fBase; }
    const QString &BaseTarget() const { return fBaseTarget; }

    TFrameState State() const;
    // Shows wanted. Frames a frameset brings with it (not named by wanted) load only while
    // budget lasts, each taking one, and no deeper than kMaxFrameDepth; the others stay empty.
    void Show(const TFrameState &wanted, int &budget);
    // Scrolls the document to its fragment (or its top).
    void RevealFragment();

    // Framesets that include themselves stop here.
    static constexpr int kMaxFrameDepth = 6;
    // Documents larger than this are cut: no page of a disc needs more.
    static constexpr qint64 kMaxDocumentBytes = 16 * 1024 * 1024;

private:
    void Load(const TFrameState &wanted, int &budget);
    void LoadHtml(const QByteArray &bytes, const TFrameState &wanted, int &budget);
    // The frames of a frameset, empty, in the splitters that lay them out.
    QWidget *BuildFrames(const TFrameSetNode &node);
    // Shows each frame's document: as wanted names it, else its src.
    void ShowFrames(const TFrameSetNode &set, const TFrameState &wanted, int &budget);
    TFrameState StateOfSrc(const TFrameSetNode &frame, int &budget) const;
    TDocView *ShowView();
    void SetContent(QWidget *content);
    int Depth() const;

    TFrameHost &fHost;
    QString fName;
    TFrame *fParentFrame;
    TFrameScrolling fScrolling;
    QString fFile;
    QString fFragment;
    QUrl fBase;
    QString fBaseTarget;
    QWidget *fContent = nullptr; // fView, the frameset's splitter, or nullptr
    TDocView *fView = nullptr;
    std::vector<TFrame *> fFrames;
};
