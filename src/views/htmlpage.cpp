#include "views/htmlpage.h"

#include "htmlview/frameviewer.h"
#include "htmlview/shellopen.h"
#include "platform/errorreport.h"
#include "platform/filefinder.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

THtmlPage::THtmlPage(const QString &htmlFile, const TActions &actions, QWidget *parent)
    : TContentPage(parent), ToolBar3(new QToolBar(this)), fbHTML(new TFrameViewer(this)),
      stbHTML(new QStatusBar(this)), fHTMLFile(htmlFile), fActions(actions)
{
    setObjectName("tsHTML");
    ToolBar3->setObjectName("ToolBar3");
    ToolBar3->setIconSize(QSize(16, 16));
    fbHTML->setObjectName("fbHTML");
    fbHTML->setAccessibleName(QStringLiteral("HTML"));
    stbHTML->setObjectName("stbHTML");
    stbHTML->setSizeGripEnabled(false);
    const char *const panelNames[] = {"Ссылка", "Текущий файл"};
    for (int i = 0; i < 2; ++i) {
        StatusPanels[i] = new QLabel(stbHTML);
        StatusPanels[i]->setAccessibleName(QString::fromUtf8(panelNames[i]));
        StatusPanels[i]->setTextFormat(Qt::PlainText);
        stbHTML->addWidget(StatusPanels[i], i);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar3);
    layout->addWidget(fbHTML, 1);
    layout->addWidget(stbHTML);
    connect(fbHTML, &TFrameViewer::HotSpotTargetCovered, this,
            &THtmlPage::fbHTMLHotSpotTargetCovered);
    connect(fbHTML, &TFrameViewer::HistoryChange, this, &THtmlPage::fbHTMLHistoryChange);
    AddCommands();
}

void THtmlPage::AddCommands()
{
    const struct {
        QAction *Action;
        void (THtmlPage::*Handler)();
        QStyle::StandardPixmap Icon;
        const char *Button;
    } commands[] = {
        {fActions.HTMLBack, &THtmlPage::btnHistoryBackClick, QStyle::SP_ArrowBack,
         "btnHistoryBack"},
        {fActions.HTMLFwd, &THtmlPage::btnHistoryForwardClick, QStyle::SP_ArrowForward,
         "btnHistoryForward"},
        {fActions.HTMLHome, &THtmlPage::btnHTMLHomeClick, QStyle::SP_DirHomeIcon, "btnHTMLHome"},
        {fActions.HTMLView, &THtmlPage::HTMLViewExecute, QStyle::SP_ComputerIcon, "btnHTMLView"},
    };
    for (const auto &command : commands) {
        QAction *action = command.Action;
        action->setIcon(style()->standardIcon(command.Icon));
        connect(action, &QAction::triggered, this, [this, handler = command.Handler] {
            RunReporting(this, [this, handler] { (this->*handler)(); });
        });
        if (action == fActions.HTMLView)
            ToolBar3->addSeparator();
        ToolBar3->addAction(action);
        QWidget *button = ToolBar3->widgetForAction(action);
        button->setObjectName(QLatin1String(command.Button));
        button->setAccessibleName(action->toolTip()); // a button that shows only its picture
    }
    fActions.HTMLHome->setEnabled(true);
    fActions.HTMLView->setEnabled(true);
    EnableHistoryCommands();
}

void THtmlPage::btnHistoryBackClick()
{
    fbHTML->GoBack();
    fActions.HTMLBack->setEnabled(fbHTML->BackButtonEnabled());
}

void THtmlPage::btnHistoryForwardClick()
{
    fbHTML->GoFwd();
    fActions.HTMLFwd->setEnabled(fbHTML->FwdButtonEnabled());
}

// The history commands follow the view's history change event; a start page that fails to load,
// or is the newest document already, changes no history, so the commands are right as they are.
void THtmlPage::btnHTMLHomeClick() { fbHTML->LoadFromFile(fHTMLFile); }

void THtmlPage::HTMLViewExecute()
{
    QString file = fbHTML->ActiveFile();
    if (file.isEmpty()) {
        const QString found = FindExistingFile(fHTMLFile);
        file = found.isEmpty() ? fHTMLFile : found;
    }
    ShellOpen(QUrl::fromLocalFile(file));
}

void THtmlPage::fbHTMLHotSpotTargetCovered(const QString &, const QString &url)
{
    StatusPanels[0]->setText(url);
}

void THtmlPage::fbHTMLHistoryChange()
{
    EnableHistoryCommands();
    const QString active = fbHTML->ActiveFile();
    StatusPanels[1]->setText(active.isEmpty() ? fbHTML->CurrentFile() : active);
}

void THtmlPage::EnableHistoryCommands()
{
    const int index = fbHTML->HistoryIndex();
    fActions.HTMLFwd->setEnabled(index > 0);
    fActions.HTMLBack->setEnabled(index < fbHTML->HistoryCount() - 1);
}

void THtmlPage::resizeEvent(QResizeEvent *event)
{
    TContentPage::resizeEvent(event);
    StatusPanels[0]->setFixedWidth(stbHTML->width() / 3);
}
