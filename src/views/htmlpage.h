#pragma once
// tsHTML: the disc's HTML section in the HTML view fbHTML, with back, forward and home on the
// tool bar ToolBar3, the hand-off of the current document to the desktop's browser, and the
// status bar stbHTML (the link under the mouse; the current file). Failures of the commands
// (a missing start file) are shown in an error box; the view then keeps its document.

#include "views/contentpage.h"

#include <QString>

class QAction;
class QLabel;
class QStatusBar;
class QToolBar;
class TFrameViewer;

class THtmlPage : public TContentPage {
    Q_OBJECT
public:
    // The main window's four HTML commands.
    struct TActions {
        QAction *HTMLBack;
        QAction *HTMLFwd;
        QAction *HTMLHome;
        QAction *HTMLView;
    };

    // htmlFile: the main window's HTMLFile, the section's start page (empty: none). The page
    // puts the commands on ToolBar3 and gives them their handlers.
    THtmlPage(const QString &htmlFile, const TActions &actions, QWidget *parent = nullptr);

    void btnHistoryBackClick();
    void btnHistoryForwardClick();
    // Loads HTMLFile; raises EIOError "Can't locate file: ..." when it is missing.
    void btnHTMLHomeClick();
    void HTMLViewExecute();
    void fbHTMLHotSpotTargetCovered(const QString &target, const QString &url);
    void fbHTMLHistoryChange();

    QToolBar *ToolBar3;
    TFrameViewer *fbHTML;
    QStatusBar *stbHTML;
    QLabel *StatusPanels[2]; // the link under the mouse; the current file

protected:
    // tsHTMLResize: the link panel takes a third of the status bar.
    void resizeEvent(QResizeEvent *event) override;

private:
    void AddCommands();
    // Both history commands enabled as the view's history allows.
    void EnableHistoryCommands();

    const QString &fHTMLFile;
    const TActions fActions;
};
