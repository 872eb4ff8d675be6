#pragma once
// The text view of one frame's document. Links are reported to the frame host, never followed
// here; pictures come from the host's cache, style sheets from the disc, nothing from elsewhere.
// The link under the mouse is drawn in fuchsia.

#include "htmlview/document.h"

#include <QTextBrowser>
#include <QUrl>

class TFrame;
class TFrameHost;

class TDocView : public QTextBrowser {
    Q_OBJECT
public:
    TDocView(TFrameHost &host, TFrame *frame, QWidget *parent);

    void ShowHtml(TPreparedDocument shown, const QUrl &base);
    // Text shown as it is, in the preformatted font (plain-text files, error messages).
    void ShowText(const QString &text);
    // Scrolls to the anchor named fragment, or to the top for an empty one.
    void ScrollToFragment(const QString &fragment);

    static constexpr const char *kDefaultFont = "Times New Roman";
    static constexpr const char *kPreformattedFont = "Courier New";
    static constexpr QRgb kHotSpotColor = 0xFF00FF; // fuchsia

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    void focusInEvent(QFocusEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const THtmlLink *LinkOf(const QUrl &token) const;
    void Hover(const QUrl &token);
    void MarkHotSpot(const QString &token);

    TFrameHost &fHost;
    TFrame *fFrame;
    TPreparedDocument fDocument;
    QUrl fBase;
    QString fHotSpot; // token of the link under the mouse
};
