#include "views/helpwindow.h"
#include "views/songdialogs.h"

#include "scriptedprompt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class HelpTest : public testing::Test {
protected:
    THelpWindow *Window() { return mainWindow.findChild<THelpWindow *>(); }
    QString ShownPage() { return Window()->Browser->source().fileName(); }

    TScriptedPrompt prompt;
    QWidget mainWindow;
};

TEST_F(HelpTest, OpensOnTheContents)
{
    ShowHelp(&mainWindow, HelpContents);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_TRUE(Window()->isWindow()) << "the help stays beside the player, not inside it";
    EXPECT_EQ(ShownPage(), "index.html");
    EXPECT_EQ(Window()->windowTitle(), "Справка: Лорванта 2.0");
    EXPECT_TRUE(prompt.Asked.isEmpty());
}

TEST_F(HelpTest, OpensOnTheOptionsTopicAndReusesTheWindow)
{
    ShowHelp(&mainWindow, HelpContents);
    THelpWindow *first = Window();
    ShowHelp(&mainWindow, HelpOptionsTopic);

    EXPECT_EQ(Window(), first);
    EXPECT_EQ(mainWindow.findChildren<THelpWindow *>().size(), 1);
    EXPECT_EQ(ShownPage(), "options.html");
    EXPECT_TRUE(Window()->Browser->toPlainText().contains("Настройки"));
    EXPECT_TRUE(Window()->BackAction->isEnabled());

    Window()->BackAction->trigger();
    EXPECT_EQ(ShownPage(), "index.html");
    EXPECT_TRUE(Window()->ForwardAction->isEnabled());
    ShowHelp(&mainWindow, HelpEditorTopic);
    Window()->ContentsAction->trigger();
    EXPECT_EQ(ShownPage(), "index.html");
}

TEST_F(HelpTest, EveryTopicTheProgramOpensIsInstalled)
{
    for (int topic : {HelpContents, HelpEditorTopic, HelpOptionsTopic}) {
        const QString page = QDir(HelpFolder()).filePath(THelpWindow::TopicPage(topic));
        EXPECT_TRUE(QFile::exists(page)) << page.toStdString();
    }
    EXPECT_EQ(THelpWindow::TopicPage(HelpEditorTopic), "editor.html");
    EXPECT_EQ(THelpWindow::TopicPage(12345), "index.html");
}

TEST_F(HelpTest, EveryLinkBetweenPagesLeadsToAPage)
{
    const QDir help(HelpFolder());
    for (const QString &name : help.entryList({"*.html"})) {
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(help.filePath(name)));
        const QString html = browser.toHtml();
        static const QRegularExpression link(R"(href="([^"#:]+\.html))");
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(help.exists(target)) << name.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST_F(HelpTest, FollowsTheWindowThatAsksForIt)
{
    ShowHelp(&mainWindow, HelpContents);
    QWidget dialog(&mainWindow, Qt::Dialog);
    ShowHelp(&dialog, HelpOptionsTopic);

    auto *window = dialog.findChild<THelpWindow *>();
    ASSERT_NE(window, nullptr) << "beside a modal dialog the help must belong to that dialog";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Browser->source().fileName(), "options.html");
}

TEST_F(HelpTest, MissingHelpFilesAreReportedAndNoWindowOpens)
{
    QTemporaryDir empty;
    OpenHelp(&mainWindow, HelpOptionsTopic, empty.path());

    EXPECT_EQ(Window(), nullptr);
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages[0].startsWith("Не найден файл справки "));
    EXPECT_TRUE(prompt.Messages[0].endsWith("options.html"));
}

} // namespace
