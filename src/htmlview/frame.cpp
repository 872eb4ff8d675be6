#include "htmlview/frame.h"

#include "htmlview/charset.h"
#include "htmlview/docview.h"
#include "htmlview/framesplitter.h"
#include "htmlview/links.h"
#include "platform/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>
#include <algorithm>

QString CantLocateFileMessage(const QString &file)
{
    return QStringLiteral("Can't locate file: ") + file;
}

TFrame::TFrame(TFrameHost &host, const QString &name, TFrameScrolling scrolling,
               TFrame *parentFrame, QWidget *parent)
    : QWidget(parent), fHost(host), fName(name), fParentFrame(parentFrame), fScrolling(scrolling)
{
    setObjectName(name);
    setMinimumSize(1, 1); // a frame may be as small as its frameset says
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

TFramePath TFrame::Path() const
{
    TFramePath path;
    for (const TFrame *frame = this; frame->fParentFrame; frame = frame->fParentFrame) {
        const std::vector<TFrame *> &siblings = frame->fParentFrame->fFrames;
        const auto at = std::find(siblings.begin(), siblings.end(), frame);
        path.insert(path.begin(), int(at - siblings.begin()));
    }
    return path;
}

TFrameState TFrame::State() const
{
    TFrameState state{fName, fFile, fFragment, {}};
    for (const TFrame *frame : fFrames)
        state.Frames.push_back(frame->State());
    return state;
}

void TFrame::Show(const TFrameState &wanted, int &budget)
{
    // A frameset wanted without its frames is shown afresh, with the frames it brings.
    if (wanted.File != fFile || wanted.Frames.size() != fFrames.size()) {
        Load(wanted, budget);
        return;
    }
    for (size_t i = 0; i < fFrames.size(); ++i)
        fFrames[i]->Show(wanted.Frames[i], budget);
    if (fView && wanted.Fragment != fFragment) {
        fFragment = wanted.Fragment;
        RevealFragment();
    }
}

void TFrame::RevealFragment()
{
    if (fView) fView->ScrollToFragment(fFragment);
}

void TFrame::Load(const TFrameState &wanted, int &budget)
{
    fFile = wanted.File;
    fFragment = wanted.Fragment;
    fFrames.clear();
    fBase = QUrl::fromLocalFile(fFile);
    fBaseTarget.clear();
    if (fFile.isEmpty()) {
        SetContent(nullptr);
        return;
    }
    QFile file(fFile);
    if (!QFileInfo(fFile).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowView()->ShowText(CantLocateFileMessage(fFile));
        return;
    }
    switch (DocumentKindOf(fFile)) {
    case TDocumentKind::Image:
        ShowView()->ShowHtml(
            {QStringLiteral("<img src=\"%1\">").arg(fBase.toString(QUrl::FullyEncoded)),
             {},
             {},
             {},
             {}},
            fBase);
        break;
    case TDocumentKind::PlainText:
        ShowView()->ShowText(DecodeListText(file.read(kMaxDocumentBytes)));
        break;
    default:
        LoadHtml(file.read(kMaxDocumentBytes), wanted, budget);
        break;
    }
}

void TFrame::LoadHtml(const QByteArray &bytes, const TFrameState &wanted, int &budget)
{
    const QString text = DecodeHtml(bytes);
    TPreparedDocument document = PrepareDocument(text);
    fBase = DocumentBase(fFile, document.BaseHref);
    fBaseTarget = document.BaseTarget;
    if (const std::optional<TFrameSetNode> set = ParseFrameSet(text)) {
        // Frames laid out before their documents load are laid out once, at their own size.
        SetContent(BuildFrames(*set));
        ShowFrames(*set, wanted, budget);
        return;
    }
    ShowView()->ShowHtml(std::move(document), fBase);
    RevealFragment();
}

QWidget *TFrame::BuildFrames(const TFrameSetNode &node)
{
    if (!node.IsFrameSet) {
        fFrames.push_back(new TFrame(fHost, node.Name, node.Scrolling, this, nullptr));
        return fFrames.back();
    }
    auto *splitter = new TFrameSplitter(node);
    for (const TFrameSetNode &item : node.Items)
        splitter->addWidget(BuildFrames(item));
    splitter->LockBorders(node);
    return splitter;
}

void TFrame::ShowFrames(const TFrameSetNode &set, const TFrameState &wanted, int &budget)
{
    const std::vector<const TFrameSetNode *> frames = FramesOf(set);
    for (size_t i = 0; i < fFrames.size(); ++i)
        fFrames[i]->Show(
            i < wanted.Frames.size() ? wanted.Frames[i] : StateOfSrc(*frames[i], budget), budget);
}

TFrameState TFrame::StateOfSrc(const TFrameSetNode &frame, int &budget) const
{
    TFrameState state{frame.Name, {}, {}, {}};
    if (frame.Src.isEmpty() || Depth() + 1 > kMaxFrameDepth || budget <= 0) return state;
    const TLinkDestination destination = ResolveLink(fBase, frame.Src);
    if (destination.Kind != TLinkDestination::TKind::Local)
        return state; // nothing from outside the disc is shown in a frame
    --budget;
    state.File = LocatedFile(destination.File);
    state.Fragment = destination.Fragment;
    return state;
}

TDocView *TFrame::ShowView()
{
    if (fView) return fView;
    auto *view = new TDocView(fHost, this, nullptr);
    const auto policy = fScrolling == TFrameScrolling::Yes  ? Qt::ScrollBarAlwaysOn
                        : fScrolling == TFrameScrolling::No ? Qt::ScrollBarAlwaysOff
                                                            : Qt::ScrollBarAsNeeded;
    view->setHorizontalScrollBarPolicy(policy);
    view->setVerticalScrollBarPolicy(policy);
    SetContent(view);
    fView = view;
    return view;
}

void TFrame::SetContent(QWidget *content)
{
    if (content == fContent) return;
    if (fContent) {
        // A link in the old content may be what replaces it: it goes once that link is done.
        layout()->removeWidget(fContent);
        fContent->hide();
        fContent->setParent(nullptr);
        fContent->deleteLater();
    }
    fView = nullptr;
    fContent = content;
    if (!content) return;
    // Laid out at once, so that a place in a new document can be scrolled to straight away.
    layout()->addWidget(content);
    content->show();
    layout()->activate();
}

int TFrame::Depth() const
{
    int depth = 0;
    for (const TFrame *frame = fParentFrame; frame; frame = frame->fParentFrame)
        ++depth;
    return depth;
}
