// The HTML page in the main window, offscreen: home on every rebuild of a list with HTML, the
// history commands' enabling, the status panels, the hand-off to the browser, a missing start
// page; and the demo disc on all its text and HTML pages.
#include "mainffixture.h"

#include "htmlview/docview.h"
#include "htmlview/frame.h"
#include "htmlview/frameviewer.h"
#include "htmlview/shellopen.h"
#include "views/historypage.h"
#include "views/htmlpage.h"
#include "views/infopage.h"
#include "views/reviewpage.h"
#include "views/songtextpage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

namespace {

class HtmlPageTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        fPreviousOpener = SetShellOpener([this](const QUrl &url) { Opened << url; });
    }
    void TearDown() override
    {
        SetShellOpener(fPreviousOpener);
        MainFTest::TearDown();
    }
    // A list of one song whose HTML section starts at disc/html/index.htm, a frameset of a
    // menu and a main frame.
    QString WriteSite()
    {
        Write("disc/html/index.htm", "<frameset cols=\"30%,*\"><frame name=\"menu\" src=\"m.htm\">"
                                     "<frame name=\"main\" src=\"a.htm\"></frameset>");
        for (const char *page : {"m", "a", "b", "c"})
            Write(QString("disc/html/%1.htm").arg(page), QByteArray("<p>") + page + "</p>");
        return WriteList("disc/l.pl", {{"X", {{"A", {"a1"}}}}}, "HTML=html\\index.htm\r\n");
    }
    void StartOn(const QString &list)
    {
        Start();
        window->LoadPlaylist(list);
        window->FormActivate();
    }
    THtmlPage &Page() const { return *window->tsHTML; }
    TFrameViewer &Viewer() const { return *window->tsHTML->fbHTML; }
    // Whether the action (or menu) of that name is enabled.
    bool Enabled(const char *name) const
    {
        if (const QAction *action = window->ActionNamed(name))
            return action->isEnabled();
        return window->findChild<QMenu *>(name)->isEnabled();
    }
    // The enabled history commands and the name of the file in the current-file panel, as
    // "back fwd c.htm".
    QString Commands() const
    {
        QStringList parts;
        for (const char *command : {"HTMLBack", "HTMLFwd"})
            if (Enabled(command))
                parts << QString(command).mid(4).toLower();
        parts << QFileInfo(Page().StatusPanels[1]->text()).fileName();
        return parts.join(' ');
    }

    QList<QUrl> Opened;

private:
    TShellOpener fPreviousOpener;
};

// The text of the frame named name in viewer; empty when there is none.
QString FrameText(const TFrameViewer &viewer, const QString &name)
{
    for (const TFrame *frame : viewer.findChildren<TFrame *>())
        if (frame->Name() == name && frame->View())
            return frame->View()->toPlainText();
    return QString();
}

} // namespace

TEST_F(HtmlPageTest, RebuildGoesHomeAndTheHistoryCommandsFollowTheViewsHistory)
{
    StartOn(WriteSite());
    EXPECT_EQ(FrameText(Viewer(), "main"), "a");
    EXPECT_TRUE(window->PageVisible(TMainF::HTMLPage));
    EXPECT_TRUE(Enabled("miHTMLService") && Enabled("HTMLHome") && Enabled("HTMLView"));
    EXPECT_EQ(Commands(), "index.htm");
    Viewer().LoadFromFile(Path("disc/html/b.htm"));
    Viewer().LoadFromFile(Path("disc/html/c.htm"));
    EXPECT_EQ(Commands(), "back c.htm");
    window->ActionNamed("HTMLBack")->trigger();
    EXPECT_EQ(Commands(), "back fwd b.htm");
    window->ActionNamed("HTMLBack")->trigger(); // the oldest of three
    EXPECT_EQ(Commands(), "fwd index.htm");
    window->ActionNamed("HTMLFwd")->trigger();
    window->ActionNamed("HTMLFwd")->trigger();
    EXPECT_EQ(Commands(), "back c.htm");
    window->ActionNamed("HTMLHome")->trigger();
    EXPECT_EQ(Commands(), "back index.htm");
    EXPECT_EQ(Viewer().HistoryCount(), 4);
    EXPECT_TRUE(prompt->Messages.isEmpty());
}

TEST_F(HtmlPageTest, ToolBarStatusPanelsAndTheBrowserHandOff)
{
    StartOn(WriteSite());
    const QToolBar &bar = *Page().ToolBar3;
    QStringList buttons;
    for (const char *name : {"btnHistoryBack", "btnHistoryForward", "btnHTMLHome", "btnHTMLView"})
        if (const QWidget *button = bar.findChild<QWidget *>(name))
            buttons << button->accessibleName();
    EXPECT_EQ(buttons, (QStringList{"Назад", "Вперед", "К оглавлению",
                                    "Открытие текущего HTML-файла в браузере"}));

    emit Viewer().HotSpotTargetCovered("main", "b.htm");
    EXPECT_EQ(Page().StatusPanels[0]->text(), "b.htm");
    emit Viewer().HotSpotTargetCovered("", "");
    EXPECT_EQ(Page().StatusPanels[0]->text(), "");

    window->ActionNamed("HTMLView")->trigger(); // a frameset: no active document
    Viewer().LoadFromFile(Path("disc/html/b.htm"));
    window->ActionNamed("HTMLView")->trigger();
    EXPECT_EQ(Opened, (QList<QUrl>{QUrl::fromLocalFile(Path("disc/html/index.htm")),
                                   QUrl::fromLocalFile(Path("disc/html/b.htm"))}));

    window->ShowPage(TMainF::HTMLPage);
    window->show();
    window->resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(Page().StatusPanels[0]->width(), Page().stbHTML->width() / 3);
}

TEST_F(HtmlPageTest, MissingStartPageIsReportedTheRebuildCompletesAndHomeKeepsTheDocument)
{
    const QString list = WriteList("disc/l.pl", {{"X", {{"A", {"a1", "a2"}}}}},
                                   "HTML=html\\index.htm\r\n");
    WriteSettings(AllSettings({"\"SongNumber\"=dword:00000001",
                               "\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + list + "\""}));
    Start();
    window->FormActivate();
    EXPECT_EQ(prompt->Messages,
              QStringList{"Can't locate file: " + Path("disc/html/index.htm")});
    EXPECT_FALSE(window->Rebuilding);
    EXPECT_EQ(SongIndex(), 1);
    EXPECT_TRUE(window->PageVisible(TMainF::HTMLPage));
    EXPECT_FALSE(Enabled("HTMLBack"));

    WriteSite();
    window->ActionNamed("HTMLHome")->trigger();
    EXPECT_EQ(Viewer().CurrentFile(), Path("disc/html/index.htm"));
    QDir(Path("disc/html")).removeRecursively();
    window->ActionNamed("HTMLHome")->trigger();
    EXPECT_EQ(prompt->Messages.size(), 2);
    EXPECT_EQ(Viewer().CurrentFile(), Path("disc/html/index.htm"));
    EXPECT_EQ(FrameText(Viewer(), "main"), "a");
}

TEST_F(HtmlPageTest, AListWithoutHtmlHidesThePageAndLeavesTheViewAsItWas)
{
    StartOn(WriteSite());
    window->LoadPlaylist(WriteList("disc/other.pl", {{"Y", {{"B", {"b1"}}}}}));
    EXPECT_FALSE(window->PageVisible(TMainF::HTMLPage));
    EXPECT_FALSE(Enabled("miViewHTML"));
    EXPECT_FALSE(Enabled("miHTMLService"));
    EXPECT_EQ(Viewer().CurrentFile(), Path("disc/html/index.htm"));
}

// The demo disc as a listener sees it: every text page and the HTML section show their
// material, in Russian, with words apart where the source broke its lines.
TEST_F(HtmlPageTest, DemoDiscShowsItsTextsReviewsHistoriesDescriptionAndHtml)
{
    StartOn(QStringLiteral(LORVANTA_DEMO "/Demo.pl"));
    const QString demo = QStringLiteral(LORVANTA_DEMO);
    for (TMainF::TPage page : {TMainF::SongTextPage, TMainF::RetsPage, TMainF::HistoryPage,
                               TMainF::HTMLPage, TMainF::InfoPage})
        EXPECT_TRUE(window->PageVisible(page)) << page;

    window->ShowPage(TMainF::SongTextPage);
    EXPECT_TRUE(window->SongTextTS->SongTextRE->toPlainText().contains(
        "Первый снег ложится на крыши,\nгород стал белей и тише."));
    window->PlayControl().SelectSong(1, false); // a plain text in Windows-1251
    EXPECT_TRUE(window->SongTextTS->SongTextRE->toPlainText().startsWith("Зимняя дорога\n"));

    window->ShowPage(TMainF::RetsPage);
    EXPECT_TRUE(window->RetsTS->RetsRE->toPlainText().contains(
        "Спокойный и светлый дебют. Голос и аккорды – ничего лишнего."));
    window->ShowPage(TMainF::HistoryPage);
    EXPECT_TRUE(window->HistoryTS->HistoryRE->toPlainText().contains(
        "Первый альбом записали за одну неделю"));
    window->PlayControl().SelectSong(4, false);
    EXPECT_TRUE(window->HistoryTS->HistoryRE->toPlainText().startsWith("Анна Лесная\n"));

    EXPECT_TRUE(window->InfoTS->InfoRE->toPlainText().contains(
        "Все песни, картинки и тексты созданы специально для него."));
    EXPECT_EQ(Viewer().CurrentFile(), demo + "/html/index.htm");
    EXPECT_TRUE(FrameText(Viewer(), "menu").contains("Северный ветер"));
    EXPECT_TRUE(FrameText(Viewer(), "main").contains("Выберите раздел слева."));
    EXPECT_TRUE(prompt->Messages.isEmpty()) << prompt->Messages.join('\n').toStdString();
}
