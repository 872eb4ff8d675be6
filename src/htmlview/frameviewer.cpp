#include "htmlview/frameviewer.h"

#include "htmlview/document.h"
#include "htmlview/frame.h"
#include "htmlview/links.h"
#include "htmlview/shellopen.h"
#include "platform/filefinder.h"
#include "platform/ioerror.h"

#include <QFileInfo>
#include <QVBoxLayout>

TFrameViewer::TFrameViewer(QWidget *parent) : QWidget(parent)
{
    fRoot = new TFrame(*this, {}, TFrameScrolling::Auto, nullptr, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fRoot);
}

TFrameViewer::~TFrameViewer()
{
    // The frames go first: while they close they may still report to this viewer.
    delete fRoot;
}

void TFrameViewer::LoadFromFile(const QString &fileName)
{
    const QString found =
        fileName.isEmpty() ? QString() : FindExistingFile(QFileInfo(fileName).absoluteFilePath());
    const QFileInfo info(found);
    if (found.isEmpty() || !info.isFile() || !info.isReadable())
        throw EIOError(CantLocateFileMessage(fileName));
    Navigate({}, info.absoluteFilePath(), {});
}

bool TFrameViewer::BackButtonEnabled() const
{
    return fHistory.CanGoBack();
}

bool TFrameViewer::FwdButtonEnabled() const
{
    return fHistory.CanGoForward();
}

int TFrameViewer::HistoryIndex() const
{
    return fHistory.Index();
}

int TFrameViewer::HistoryCount() const
{
    return fHistory.Count();
}

QString TFrameViewer::CurrentFile() const
{
    return fRoot->File();
}

QString TFrameViewer::ActiveFile() const
{
    return fActive && fActive->View() ? fActive->File() : QString();
}

void TFrameViewer::GoBack()
{
    if (!fHistory.GoBack()) return;
    ShowState(fHistory.Current());
    emit HistoryChange();
}

void TFrameViewer::GoFwd()
{
    if (!fHistory.GoForward()) return;
    ShowState(fHistory.Current());
    emit HistoryChange();
}

QImage TFrameViewer::Image(const QString &file)
{
    return fImages.Get(file);
}

void TFrameViewer::LinkActivated(TFrame *frame, const THtmlLink &link)
{
    const TLinkDestination destination = ResolveLink(frame->Base(), link.Href);
    if (destination.Kind == TLinkDestination::TKind::External) {
        ShellOpen(destination.Url);
        return;
    }
    if (destination.Kind != TLinkDestination::TKind::Local) return;
    const QString file = LocatedFile(destination.File);
    if (DocumentKindOf(file) == TDocumentKind::Other && QFileInfo(file).isFile()) {
        ShellOpen(QUrl::fromLocalFile(file)); // a document the view does not show
        return;
    }
    const QString target = link.Target.isEmpty() ? frame->BaseTarget() : link.Target;
    Navigate(ResolveTarget(fRoot->State(), frame->Path(), target), file, destination.Fragment);
}

void TFrameViewer::LinkHovered(TFrame *frame, const THtmlLink *link)
{
    if (!link) {
        emit HotSpotTargetCovered({}, {});
        return;
    }
    emit HotSpotTargetCovered(link->Target.isEmpty() ? frame->BaseTarget() : link->Target,
                              link->Href);
}

void TFrameViewer::FrameFocused(TFrame *frame)
{
    fActive = frame;
}

void TFrameViewer::Navigate(const TFramePath &path, const QString &file, const QString &fragment)
{
    TFrameState wanted = fRoot->State();
    TFrameState *target = FrameAt(wanted, path);
    if (!target) return;
    target->File = file;
    target->Fragment = fragment;
    target->Frames.clear();
    ShowState(wanted);
    TFrame *opened = FrameAtPath(path);
    opened->RevealFragment();
    fActive = opened->View() ? opened : nullptr;
    if (fHistory.Add(fRoot->State())) emit HistoryChange();
}

void TFrameViewer::ShowState(const TFrameState &state)
{
    int budget = kMaxDocuments - DocumentCount(state);
    fRoot->Show(state, budget);
    fActive = fRoot->View() ? fRoot : nullptr;
}

TFrame *TFrameViewer::FrameAtPath(const TFramePath &path) const
{
    TFrame *frame = fRoot;
    for (int index : path)
        frame = frame->Frames()[size_t(index)];
    return frame;
}
