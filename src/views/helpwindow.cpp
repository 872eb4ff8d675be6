#include "views/helpwindow.h"

#include "platform/prompt.h"
#include "platform/shippedfiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<THelpWindow> gHelpWindow;

QAction *AddAction(QToolBar *bar, const QString &objectName, const QString &text,
                   const QKeySequence &key)
{
    QAction *action = bar->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(key);
    return action;
}

} // namespace

THelpWindow::THelpWindow(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), fFolder(folder)
{
    setObjectName("HelpWindow");
    auto *bar = new QToolBar;
    BackAction = AddAction(bar, "HelpBack", "&Назад", QKeySequence(Qt::ALT | Qt::Key_Left));
    ForwardAction =
        AddAction(bar, "HelpForward", "&Вперёд", QKeySequence(Qt::ALT | Qt::Key_Right));
    ContentsAction =
        AddAction(bar, "HelpContents", "&Содержание", QKeySequence(Qt::ALT | Qt::Key_Home));
    Browser = new QTextBrowser;
    Browser->setObjectName("HelpBrowser");
    Browser->setOpenExternalLinks(true);
    Browser->setSearchPaths({folder});

    BackAction->setEnabled(false);
    ForwardAction->setEnabled(false);
    connect(BackAction, &QAction::triggered, Browser, &QTextBrowser::backward);
    connect(ForwardAction, &QAction::triggered, Browser, &QTextBrowser::forward);
    connect(ContentsAction, &QAction::triggered, this, [this] { ShowTopic(0); });
    connect(Browser, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::UpdateTitle);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(Browser);
    resize(720, 560);
    UpdateTitle();
}

QString THelpWindow::TopicPage(int topic)
{
    switch (topic) {
    case 10: return "editor.html";
    case 20: return "options.html";
    default: return "index.html";
    }
}

void THelpWindow::ShowTopic(int topic)
{
    Browser->setSource(QUrl::fromLocalFile(QDir(fFolder).filePath(TopicPage(topic))));
}

void THelpWindow::UpdateTitle()
{
    const QString page = Browser->documentTitle();
    setWindowTitle(page.isEmpty() ? "Справка" : "Справка: " + page);
}

QString HelpFolder()
{
    return FindShipped(QCoreApplication::applicationDirPath(), QStringLiteral("help"),
                       TShippedKind::Data);
}

void OpenHelp(QWidget *parent, int topic, const QString &folder)
{
    const QString page = QDir(folder).filePath(THelpWindow::TopicPage(topic));
    if (!QFileInfo(page).isFile()) {
        Prompt().Message(parent, TPrompt::TKind::Warning,
                         "Не найден файл справки " + QDir::toNativeSeparators(page),
                         TPrompt::TButtons::Ok);
        return;
    }
    QWidget *owner = parent ? parent->window() : nullptr;
    if (gHelpWindow && gHelpWindow->Folder() != folder)
        delete gHelpWindow;
    if (!gHelpWindow)
        gHelpWindow = new THelpWindow(folder, owner);
    else if (gHelpWindow->parentWidget() != owner)
        gHelpWindow->setParent(owner, Qt::Window);
    gHelpWindow->ShowTopic(topic);
    gHelpWindow->show();
    gHelpWindow->raise();
    gHelpWindow->activateWindow();
}
