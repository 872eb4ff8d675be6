// Following links in TFrameViewer: targets, places within documents, the history, and links
// that leave the disc.
#include "htmlview/docview.h"
#include "printqstring.h"
#include "viewerfixture.h"

#include <QScrollBar>
#include <QTextEdit>

namespace {

using NavigationTest = ViewerTest;

TEST_F(NavigationTest, LinkOpensIntoTheFrameItNamesAndLeavesTheOthersAlone)
{
    Viewer.LoadFromFile(WriteMenuAndMain());
    TDocView *menu = FrameNamed(Viewer, "menu")->View();
    ClickLink(menu, "Северный ветер");

    EXPECT_EQ(FrameNamed(Viewer, "main")->File(), Pages.Path("veter.htm"));
    EXPECT_EQ(TextIn(Viewer, "main"), "Ветер");
    EXPECT_EQ(FrameNamed(Viewer, "menu")->View(), menu) << "the menu is not reloaded";
    EXPECT_EQ(Viewer.CurrentFile(), Pages.Path("index.htm"));
    EXPECT_EQ(Viewer.ActiveFile(), Pages.Path("veter.htm"));
    EXPECT_EQ(Viewer.HistoryCount(), 2);
    EXPECT_EQ(HistoryChanges, 2);
}

TEST_F(NavigationTest, BackAndForwardRestoreTheFramesAndMoveTheIndex)
{
    Viewer.LoadFromFile(WriteMenuAndMain());
    ClickLink(FrameNamed(Viewer, "menu")->View(), "Северный ветер");
    ClickLink(FrameNamed(Viewer, "menu")->View(), "Анна Лесная");
    ASSERT_EQ(Viewer.HistoryCount(), 3);
    EXPECT_EQ(Viewer.HistoryIndex(), 0);
    EXPECT_TRUE(Viewer.BackButtonEnabled());
    EXPECT_FALSE(Viewer.FwdButtonEnabled());

    Viewer.GoBack();
    EXPECT_EQ(Viewer.HistoryIndex(), 1);
    EXPECT_EQ(TextIn(Viewer, "main"), "Ветер");
    EXPECT_TRUE(Viewer.BackButtonEnabled());
    EXPECT_TRUE(Viewer.FwdButtonEnabled());

    Viewer.GoBack();
    EXPECT_EQ(Viewer.HistoryIndex(), 2);
    EXPECT_EQ(TextIn(Viewer, "main"), "Демонстрационный диск");
    EXPECT_FALSE(Viewer.BackButtonEnabled());
    EXPECT_TRUE(Viewer.FwdButtonEnabled());
    Viewer.GoBack(); // nothing older
    EXPECT_EQ(Viewer.HistoryIndex(), 2);

    Viewer.GoFwd();
    EXPECT_EQ(Viewer.HistoryIndex(), 1);
    EXPECT_EQ(TextIn(Viewer, "main"), "Ветер");
    EXPECT_EQ(HistoryChanges, 3 + 3);

    // A new document drops the entries newer than the one on screen.
    ClickLink(FrameNamed(Viewer, "menu")->View(), "Анна Лесная");
    ClickLink(FrameNamed(Viewer, "menu")->View(), "Северный ветер");
    EXPECT_EQ(Viewer.HistoryCount(), 4);
    EXPECT_EQ(Viewer.HistoryIndex(), 0);
    EXPECT_FALSE(Viewer.FwdButtonEnabled());
}

TEST_F(NavigationTest, HistoryKeepsTheTwentyNewestAndSkipsRepeats)
{
    const QString first = Pages.Write("first.htm", "<a href=\"first.htm\">Снова</a>");
    Viewer.LoadFromFile(first);
    ClickLink(Viewer.findChild<TDocView *>(), "Снова");
    Viewer.LoadFromFile(first);
    EXPECT_EQ(Viewer.HistoryCount(), 1) << "the document on screen again is no new entry";
    EXPECT_EQ(HistoryChanges, 1);

    for (int i = 0; i < 25; ++i)
        Viewer.LoadFromFile(Pages.Write(QString("p%1.htm").arg(i), QString("<p>%1</p>").arg(i)));
    EXPECT_EQ(Viewer.HistoryCount(), TFrameViewer::kHistoryMax);
    for (int i = 0; i < 30; ++i)
        Viewer.GoBack();
    EXPECT_EQ(Viewer.HistoryIndex(), 19);
    EXPECT_EQ(Viewer.CurrentFile(), Pages.Path("p5.htm")) << "the oldest fell off";
}

TEST_F(NavigationTest, TargetsAreResolvedLikeABrowser)
{
    Pages.Write("nav.htm", "<p>Навигация</p>");
    Pages.Write("inner.htm", "<frameset cols=\"*,*\"><frame name=\"left\" src=\"left.htm\">"
                             "<frame name=\"right\" src=\"right.htm\"></frameset>");
    Pages.Write("left.htm", "<head><base target=\"right\"></head>"
                            "<a href=\"page.htm\" target=\"_self\">self</a> "
                            "<a href=\"page.htm\" target=\"_parent\">parent</a> "
                            "<a href=\"page.htm\" target=\"_top\">top</a> "
                            "<a href=\"page.htm\" target=\"_blank\">blank</a> "
                            "<a href=\"page.htm\" target=\"NAV\">named</a> "
                            "<a href=\"page.htm\">based</a> "
                            "<a href=\"page.htm\" target=\"nowhere\">unknown</a>");
    Pages.Write("right.htm", "<p>Справа</p>");
    Pages.Write("page.htm", "<p>Страница</p>");
    const QString top =
        Pages.Write("top.htm", "<frameset rows=\"50,*\"><frame name=\"nav\" src=\"nav.htm\">"
                               "<frame name=\"body\" src=\"inner.htm\"></frameset>");
    const struct {
        const char *Link;
        TFramePath Opened;
    } cases[] = {
        {"self", {1, 0}}, {"parent", {1}},   {"top", {}},     {"blank", {}},
        {"named", {0}},   {"based", {1, 1}}, {"unknown", {}},
    };
    for (const auto &c : cases) {
        Viewer.LoadFromFile(top);
        ClickLink(FrameNamed(Viewer, "left")->View(), c.Link);
        TFrame *opened = FrameShowing(Pages.Path("page.htm"));
        ASSERT_NE(opened, nullptr) << c.Link;
        EXPECT_EQ(opened->Path(), c.Opened) << c.Link;
        EXPECT_EQ(opened->View()->toPlainText(), "Страница") << c.Link;
    }
}

TEST_F(NavigationTest, PlacesWithinADocumentScrollAndAreHistoryEntries)
{
    QString text = "<p><a href=\"#end\">К концу</a></p>";
    for (int i = 0; i < 200; ++i)
        text += QString("<p>Строка %1</p>").arg(i);
    text += "<p><a name=\"end\">Конец</a> <a href=\"#end\">Снова</a></p>";
    Viewer.LoadFromFile(Pages.Write("long.htm", text));
    TDocView *view = Viewer.findChild<TDocView *>();
    ClickLink(view, "К концу");
    const int scrolled = view->verticalScrollBar()->value();
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(Viewer.findChild<TDocView *>(), view) << "the document is not reloaded";
    EXPECT_EQ(Viewer.HistoryCount(), 2);

    view->verticalScrollBar()->setValue(0);
    ClickLink(view, "К концу");
    EXPECT_EQ(view->verticalScrollBar()->value(), scrolled) << "the same place again still scrolls";
    EXPECT_EQ(Viewer.HistoryCount(), 2);

    Viewer.GoBack();
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    Viewer.GoFwd();
    EXPECT_EQ(view->verticalScrollBar()->value(), scrolled);
}

TEST_F(NavigationTest, LinksThatLeaveTheDiscGoToTheDesktop)
{
    Pages.Write("booklet.pdf", "%PDF");
    Viewer.LoadFromFile(Pages.Write("links.htm", "<a href=\"http://example.org/a b\">web</a> "
                                                 "<a href=\"mailto:band@example.org\">mail</a> "
                                                 "<a href=\"booklet.pdf\">booklet</a> "
                                                 "<a href=\"javascript:void(0)\">script</a>"));
    TDocView *view = Viewer.findChild<TDocView *>();
    for (const char *link : {"web", "mail", "booklet", "script"})
        ClickLink(view, link);

    ASSERT_EQ(Opened.size(), 3);
    EXPECT_EQ(Opened[0], QUrl("http://example.org/a%20b"));
    EXPECT_EQ(Opened[1], QUrl("mailto:band@example.org"));
    EXPECT_EQ(Opened[2], QUrl::fromLocalFile(Pages.Path("booklet.pdf")));
    EXPECT_EQ(Viewer.HistoryCount(), 1);
    EXPECT_EQ(Viewer.CurrentFile(), Pages.Path("links.htm"));
}

TEST_F(NavigationTest, HoverReportsTheLinkAndDrawsItInFuchsia)
{
    Viewer.LoadFromFile(WriteMenuAndMain());
    TDocView *menu = FrameNamed(Viewer, "menu")->View();
    HoverLink(menu, "Анна Лесная");
    ASSERT_EQ(Hovers.size(), 1);
    EXPECT_EQ(Hovers[0], (QStringList{"main", "lesnaya.htm"}));
    const QList<QTextEdit::ExtraSelection> marks = menu->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].cursor.selectedText(), "Анна Лесная");
    EXPECT_EQ(marks[0].format.foreground().color(), QColor(255, 0, 255));

    HoverLink(menu, "Анна Лесная");
    EXPECT_EQ(Hovers.size(), 1) << "reported once per link";
    LeaveView(menu);
    ASSERT_EQ(Hovers.size(), 2);
    EXPECT_EQ(Hovers[1], (QStringList{"", ""}));
    EXPECT_TRUE(menu->extraSelections().isEmpty());

    // A link that replaces the document under the mouse takes its report with it.
    Pages.Write("main.htm", "<a href=\"index.htm\" target=\"_top\">Домой</a>");
    Viewer.LoadFromFile(Pages.Path("index.htm"));
    ClickLink(FrameNamed(Viewer, "main")->View(), "Домой");
    ASSERT_EQ(Hovers.size(), 4);
    EXPECT_EQ(Hovers[2], (QStringList{"_top", "index.htm"}));
    EXPECT_EQ(Hovers[3], (QStringList{"", ""}));
}

} // namespace
