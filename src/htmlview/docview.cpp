#include "htmlview/docview.h"

#include "htmlview/frame.h"
#include "htmlview/framehost.h"
#include "platform/codepage.h"
#include "platform/filefinder.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>

namespace {

constexpr qint64 kMaxStyleSheetBytes = 1024 * 1024;
constexpr int kDefaultPointSize = 12;

} // namespace

TDocView::TDocView(TFrameHost &host, TFrame *frame, QWidget *parent)
    : QTextBrowser(parent), fHost(host), fFrame(frame)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    document()->setDefaultFont(QFont(kDefaultFont, kDefaultPointSize));
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, tt, code, kbd, samp { font-family: \"%1\"; }").arg(kPreformattedFont));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    setPalette(colours);
    connect(this, &QTextBrowser::highlighted, this, &TDocView::Hover);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &token) {
        if (const THtmlLink *link = LinkOf(token)) {
            const THtmlLink activated = *link; // following it may replace this document
            fHost.LinkActivated(fFrame, activated);
        }
    });
}

void TDocView::ShowHtml(TPreparedDocument shown, const QUrl &base)
{
    Hover(QUrl()); // the link under the mouse goes with its document
    fDocument = std::move(shown);
    fBase = base;
    setHtml(fDocument.Html);
    // Screen readers name the frame by its document's title, else by the frame or its file.
    setAccessibleName(!fDocument.Title.isEmpty()  ? fDocument.Title
                      : !fFrame->Name().isEmpty() ? fFrame->Name()
                                                  : QFileInfo(fFrame->File()).fileName());
}

void TDocView::ShowText(const QString &text)
{
    TPreparedDocument shown;
    shown.Html = QStringLiteral("<pre>%1</pre>").arg(text.toHtmlEscaped());
    ShowHtml(std::move(shown), {});
}

void TDocView::ScrollToFragment(const QString &fragment)
{
    if (!fragment.isEmpty()) {
        scrollToAnchor(fragment);
        return;
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QVariant TDocView::loadResource(int type, const QUrl &name)
{
    const QUrl url = fBase.resolved(name);
    const QString file = url.isLocalFile() ? FindExistingFile(url.toLocalFile()) : QString();
    if (type == QTextDocument::ImageResource) return file.isEmpty() ? QImage() : fHost.Image(file);
    if (type == QTextDocument::StyleSheetResource) {
        QFile sheet(file);
        if (!file.isEmpty() && sheet.open(QIODevice::ReadOnly))
            return DecodeListText(sheet.read(kMaxStyleSheetBytes));
    }
    return QByteArray(); // nothing else is read, and nothing from outside the disc
}

void TDocView::focusInEvent(QFocusEvent *event)
{
    QTextBrowser::focusInEvent(event);
    fHost.FrameFocused(fFrame);
}

void TDocView::leaveEvent(QEvent *event)
{
    QTextBrowser::leaveEvent(event);
    Hover(QUrl());
}

void TDocView::hideEvent(QHideEvent *event)
{
    QTextBrowser::hideEvent(event);
    Hover(QUrl()); // a view replaced by another document has no link under the mouse
}

const THtmlLink *TDocView::LinkOf(const QUrl &token) const
{
    const std::optional<int> index = LinkIndexOfToken(token.toString());
    return index && size_t(*index) < fDocument.Links.size() ? &fDocument.Links[size_t(*index)]
                                                            : nullptr;
}

void TDocView::Hover(const QUrl &token)
{
    const QString key = token.toString();
    if (key == fHotSpot) return;
    fHotSpot = key;
    MarkHotSpot(key);
    fHost.LinkHovered(fFrame, LinkOf(token));
}

void TDocView::MarkHotSpot(const QString &token)
{
    QList<ExtraSelection> marks;
    for (QTextBlock block = document()->begin(); !token.isEmpty() && block.isValid();
         block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != token) continue;
            ExtraSelection mark;
            mark.cursor = QTextCursor(document());
            mark.cursor.setPosition(fragment.position());
            mark.cursor.setPosition(fragment.position() + fragment.length(),
                                    QTextCursor::KeepAnchor);
            mark.format.setForeground(QColor(kHotSpotColor));
            marks << mark;
        }
    setExtraSelections(marks);
}
