// TFrameViewer showing documents: framesets laid out, missing files, framesets that include
// themselves, character sets, pictures and the view's settings.
#include "htmlview/docview.h"
#include "platform/ioerror.h"
#include "printqstring.h"
#include "viewerfixture.h"

#include <QScrollBar>
#include <QSplitter>
#include <QTextDocument>

namespace {

using FrameViewerTest = ViewerTest;

TEST_F(FrameViewerTest, ShowsAFramesetWithItsFramesLaidOut)
{
    const QString index = WriteMenuAndMain();
    EXPECT_EQ(Viewer.HistoryCount(), 0);
    EXPECT_FALSE(Viewer.BackButtonEnabled());
    Viewer.LoadFromFile(index);

    EXPECT_EQ(TextIn(Viewer, "main"), "Демонстрационный диск");
    EXPECT_EQ(FrameNamed(Viewer, "menu")->File(), Pages.Path("menu.htm"));
    EXPECT_EQ(Viewer.CurrentFile(), index);
    EXPECT_EQ(Viewer.ActiveFile(), "") << "no frame is active before the person picks one";
    EXPECT_EQ(Viewer.HistoryCount(), 1);
    EXPECT_EQ(Viewer.HistoryIndex(), 0);
    EXPECT_FALSE(Viewer.BackButtonEnabled());
    EXPECT_FALSE(Viewer.FwdButtonEnabled());
    EXPECT_EQ(HistoryChanges, 1);
    EXPECT_NEAR(FrameNamed(Viewer, "menu")->width(), 800 * 0.3, 6);

    FrameNamed(Viewer, "menu")->View()->setFocus();
    EXPECT_EQ(Viewer.ActiveFile(), Pages.Path("menu.htm"));
}

TEST_F(FrameViewerTest, ShowsTheDemoDiscsHtmlSection)
{
    const QString html = QString(LORVANTA_DEMO_DIR) + "/html/";
    Viewer.LoadFromFile(html + "index.htm");
    EXPECT_TRUE(TextIn(Viewer, "menu").contains("Разделы"));
    QTextDocument *main = FrameNamed(Viewer, "main")->View()->document();
    const QVariant stage =
        main->resource(QTextDocument::ImageResource, QUrl("../photos/stage.jpg"));
    EXPECT_FALSE(stage.value<QImage>().isNull());

    ClickLink(FrameNamed(Viewer, "menu")->View(), "Анна Лесная");
    ClickLink(FrameNamed(Viewer, "main")->View(), "Только меню");
    EXPECT_EQ(Viewer.CurrentFile(), html + "menu.htm");
    EXPECT_EQ(Viewer.HistoryCount(), 3);
}

TEST_F(FrameViewerTest, NestedFramesetsAndNoResizeBorders)
{
    Pages.Write("a.htm", "A");
    const QString index = Pages.Write(
        "index.htm", "<frameset rows=\"100,*\"><frame name=\"top\" src=\"a.htm\" noresize>"
                     "<frameset cols=\"200,2*,*\"><frame name=\"l\" src=\"a.htm\" scrolling=\"no\">"
                     "<frame name=\"m\" src=\"a.htm\"><frame name=\"r\" src=\"a.htm\"></frameset>"
                     "<noframes><frame name=\"hidden\" src=\"a.htm\"></noframes></frameset>");
    Viewer.LoadFromFile(index);

    EXPECT_EQ(FrameNamed(Viewer, "top")->height(), 100);
    EXPECT_EQ(FrameNamed(Viewer, "l")->width(), 200);
    const int m = FrameNamed(Viewer, "m")->width();
    const int r = FrameNamed(Viewer, "r")->width();
    EXPECT_NEAR(m, 2 * r, 4);
    EXPECT_EQ(Viewer.findChild<TFrame *>("hidden"), nullptr);
    EXPECT_EQ(FrameNamed(Viewer, "l")->View()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    auto *rows = qobject_cast<QSplitter *>(FrameNamed(Viewer, "top")->parentWidget());
    ASSERT_NE(rows, nullptr);
    EXPECT_FALSE(rows->handle(1)->isEnabled()) << "the border of a noresize frame stays";
}

TEST_F(FrameViewerTest, AMissingFrameFileShowsTheErrorInThatFrameOnly)
{
    Pages.Write("menu.htm", "<p>Меню</p>");
    Viewer.LoadFromFile(Pages.Write("index.htm",
                                    "<frameset cols=\"*,*\"><frame name=\"menu\" src=\"menu.htm\">"
                                    "<frame name=\"main\" src=\"gone.htm\"></frameset>"));
    EXPECT_EQ(TextIn(Viewer, "main"), "Can't locate file: " + Pages.Path("gone.htm"));
    EXPECT_EQ(TextIn(Viewer, "menu"), "Меню");
    EXPECT_EQ(Viewer.CurrentFile(), Pages.Path("index.htm"));
}

TEST_F(FrameViewerTest, AMissingStartFileRaisesAndTheViewKeepsItsDocument)
{
    const QString index = WriteMenuAndMain();
    Viewer.LoadFromFile(index);
    for (const QString &missing : {Pages.Path("gone.htm"), QString(), Pages.Path("")}) {
        try {
            Viewer.LoadFromFile(missing);
            ADD_FAILURE() << "no error for " << missing.toStdString();
        } catch (const EIOError &error) {
            EXPECT_EQ(error.Message(), "Can't locate file: " + missing);
        }
    }
    EXPECT_EQ(Viewer.CurrentFile(), index);
    EXPECT_EQ(TextIn(Viewer, "main"), "Демонстрационный диск");
    EXPECT_EQ(Viewer.HistoryCount(), 1);
    EXPECT_EQ(HistoryChanges, 1);
}

TEST_F(FrameViewerTest, FramesetsThatIncludeThemselvesStop)
{
    Pages.Write(
        "self.htm",
        "<frameset rows=\"*,*\"><frame src=\"leaf.htm\"><frame src=\"self.htm\"></frameset>");
    Pages.Write("leaf.htm", "<p>Лист</p>");
    Pages.Write("ping.htm", "<frameset cols=\"*\"><frame src=\"pong.htm\"></frameset>");
    Pages.Write("pong.htm", "<frameset cols=\"*\"><frame src=\"ping.htm\"></frameset>");
    Pages.Write("twice.htm",
                "<frameset cols=\"*,*,*\"><frame src=\"twice.htm\"><frame src=\"twice.htm\">"
                "<frame src=\"twice.htm\"></frameset>");
    for (const char *name : {"self.htm", "ping.htm", "twice.htm"}) {
        Viewer.LoadFromFile(Pages.Path(name));
        int documents = 0;
        int deepest = 0;
        for (TFrame *frame : Viewer.findChildren<TFrame *>())
            if (!frame->File().isEmpty()) {
                ++documents;
                deepest = qMax(deepest, int(frame->Path().size()));
            }
        EXPECT_LE(documents, TFrameViewer::kMaxDocuments) << name;
        EXPECT_EQ(deepest, TFrame::kMaxFrameDepth) << name;
    }
    EXPECT_EQ(Viewer.findChildren<TDocView *>().size(), 0) << "framesets all the way down";
}

TEST_F(FrameViewerTest, APlaceNamedByAFramesSrcIsShownThoughTheViewLoadedHidden)
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QString("<p>Строка %1</p>").arg(i);
    Pages.Write("long.htm", text + "<p><a name=\"end\">Конец</a></p>");
    Viewer.hide(); // another page of the window is on top
    Viewer.LoadFromFile(Pages.Write(
        "index.htm", "<frameset cols=\"*\"><frame name=\"main\" src=\"long.htm#end\"></frameset>"));
    Viewer.show();
    QApplication::processEvents();
    EXPECT_GT(FrameNamed(Viewer, "main")->View()->verticalScrollBar()->value(), 0);
}

TEST_F(FrameViewerTest, DocumentsAreReadInTheCharsetTheyDeclare)
{
    const QString text = "Привет, Ёж";
    Pages.Write("cp1251.htm", "<p>" + text + "</p>");
    Pages.WriteBytes("utf8.htm", "<meta charset=\"utf-8\"><p>" + text.toUtf8() + "</p>");
    Pages.WriteBytes("bom.htm", "\xEF\xBB\xBF<p>" + text.toUtf8() + "</p>");
    Pages.WriteBytes("koi8.htm",
                     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=KOI8-R\">"
                     "<p>\xF0\xD2\xC9\xD7\xC5\xD4, \xB3\xD6</p>");
    const char *frames[] = {"cp1251", "utf8", "bom", "koi8"};
    QString set = "<frameset rows=\"*,*,*,*\">";
    for (const char *frame : frames)
        set += QString("<frame name=\"%1\" src=\"%1.htm\">").arg(frame);
    Viewer.LoadFromFile(Pages.Write("index.htm", set + "</frameset>"));
    for (const char *frame : frames)
        EXPECT_EQ(TextIn(Viewer, frame), text) << frame;
}

TEST_F(FrameViewerTest, PicturesAreTakenFromTheDocumentsOwnFolder)
{
    Pages.WriteImage("one/pic.png", QSize(30, 20));
    Pages.WriteImage("two/PIC.PNG", QSize(40, 10));
    Pages.Write("one/page.htm", "<img src=\"pic.png\"><img src=\"missing.gif\">");
    Pages.Write("two/page.htm", "<img src=\"pic.png\">");
    for (const char *page : {"one/page.htm", "two/page.htm"}) {
        Viewer.LoadFromFile(Pages.Path(page));
        QTextDocument *shown = Viewer.findChild<TDocView *>()->document();
        const QImage image =
            shown->resource(QTextDocument::ImageResource, QUrl("pic.png")).value<QImage>();
        EXPECT_EQ(image.size(), QString(page).startsWith("one") ? QSize(30, 20) : QSize(40, 10))
            << page;
    }
}

TEST_F(FrameViewerTest, PictureCacheKeepsTheMostRecentlyUsed)
{
    const QString a = Pages.WriteImage("a.png", QSize(1, 1));
    const QString b = Pages.WriteImage("b.png", QSize(2, 2));
    const QString c = Pages.WriteImage("c.png", QSize(3, 3));
    TImageCache cache(2);
    cache.Get(a);
    cache.Get(b);
    cache.Get(a);
    cache.Get(c); // b goes: it was used longest ago
    Pages.WriteImage("a.png", QSize(10, 10));
    Pages.WriteImage("b.png", QSize(20, 20));
    EXPECT_EQ(cache.Get(a).size(), QSize(1, 1)) << "decoded once while cached";
    EXPECT_EQ(cache.Get(b).size(), QSize(20, 20));
    EXPECT_TRUE(cache.Get(Pages.Path("none.png")).isNull());
}

TEST_F(FrameViewerTest, TextAndPictureFilesOpenInTheView)
{
    Pages.WriteImage("photo.jpg", QSize(64, 48));
    Pages.Write("notes.txt", "a < b");
    Viewer.LoadFromFile(Pages.Write(
        "links.htm", "<a href=\"notes.txt\">notes</a> <a href=\"photo.jpg\">photo</a>"));
    ClickLink(Viewer.findChild<TDocView *>(), "notes");
    EXPECT_EQ(Viewer.findChild<TDocView *>()->toPlainText(), "a < b");
    Viewer.GoBack();
    ClickLink(Viewer.findChild<TDocView *>(), "photo");
    EXPECT_EQ(Viewer.CurrentFile(), Pages.Path("photo.jpg"));
    EXPECT_TRUE(Opened.isEmpty());
}

TEST_F(FrameViewerTest, TheViewHasTheSettingsOfThePage)
{
    Viewer.LoadFromFile(Pages.Write("page.htm", "<p>Текст</p><pre>код</pre>"));
    TDocView *view = Viewer.findChild<TDocView *>();
    EXPECT_EQ(view->document()->defaultFont().family(), "Times New Roman");
    const QTextCursor code = view->document()->find("код");
    EXPECT_EQ(code.charFormat().fontFamilies().toStringList().value(0), "Courier New");
    EXPECT_EQ(view->palette().color(QPalette::Base), view->palette().color(QPalette::Window));
    EXPECT_EQ(view->palette().color(QPalette::Text), view->palette().color(QPalette::WindowText));
    EXPECT_TRUE(view->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(view->accessibleName(), "page.htm");
}

TEST_F(FrameViewerTest, StyleSheetsAreReadFromTheDisc)
{
    Pages.Write("css/site.css", "p { color: #00ff00; }\n");
    Viewer.LoadFromFile(
        Pages.Write("page.htm", "<html><head><link rel=\"stylesheet\" type=\"text/css\" "
                                "href=\"CSS/Site.css\"></head><p>Зелёный</p>"));
    const QTextCursor text = Viewer.findChild<TDocView *>()->document()->find("Зелёный");
    EXPECT_EQ(text.charFormat().foreground().color(), QColor(0, 255, 0));
}

} // namespace
