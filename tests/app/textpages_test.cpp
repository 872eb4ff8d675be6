// The text pages in the main window, offscreen: which file each page shows as songs change
// (the same file never loaded twice, reviews and histories kept for songs without their own),
// the lazy loading of pages that are not shown, load failures, word wrap per view, the View
// menu and the pages a list is offered, and the tree's artist and album nodes.
#include "mainffixture.h"

#include "views/historypage.h"
#include "views/infopage.h"
#include "views/reviewpage.h"
#include "views/songtextpage.h"

#include <QActionGroup>
#include <QMenu>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>

namespace {

class TextPagesTest : public MainFTest {
protected:
    // Starts the window on the list and runs its first activation.
    void StartOn(const QString &list)
    {
        Start();
        window->LoadPlaylist(list);
        window->FormActivate();
    }
    void Select(int index) { window->PlayControl().SelectSong(index, false); }
    void Show(TMainF::TPage page) { window->ViewItem(page)->trigger(); }
    QString SongText() const { return window->SongTextTS->SongTextRE->toPlainText(); }
    QString Review() const { return window->RetsTS->RetsRE->toPlainText(); }
    QString History() const { return window->HistoryTS->HistoryRE->toPlainText(); }
    QAction *WordWrapMI() const { return window->ActionNamed("WordWrapMI"); }
    // The word-wrap item as the menu shows it: "disabled", "on" or "off".
    QString WordWrapMark() const
    {
        return !WordWrapMI()->isEnabled() ? "disabled" : WordWrapMI()->isChecked() ? "on" : "off";
    }
    // Activates the tree node as a double click does.
    void Activate(QTreeWidgetItem *node)
    {
        window->SongsLst->setCurrentItem(node);
        window->PlayControl().SongsLstDblClick();
    }
};

} // namespace

TEST_F(TextPagesTest, SongTextIsLoadedOncePerFileAndEmptiedBySongsWithoutText)
{
    Write("disc/same.txt", "Первый куплет");
    Write("disc/own.rtf", "{\\rtf1\\ansi\\ansicpg1251 {\\b \\'c6\\'e8\\'f0\\'ed\\'fb\\'e9}}");
    const QString list = WriteList(
        "disc/l.pl", {{"X", {{"A", {"a1", "a2", "a3", "a4"}, {}, {},
                              {"same.txt", "same.txt", "", "OWN.RTF"}}}}});
    StartOn(list);
    Show(TMainF::SongTextPage);
    EXPECT_EQ(SongText(), "Первый куплет");
    window->SongTextTS->SongTextRE->append("правка");
    Write("disc/same.txt", "changed on disc");

    Select(1); // the same file: the edit stays
    EXPECT_EQ(SongText(), "Первый куплет\nправка");
    EXPECT_FALSE(window->SongTextTS->SongTextRE->isReadOnly());

    Select(2);
    EXPECT_EQ(SongText(), "");
    EXPECT_EQ(window->SongTextTS->ShownTextFile(), "");

    Select(3); // RTF, formatted, found without regard to letter case
    EXPECT_EQ(SongText(), "Жирный");
    const QTextBlock block = window->SongTextTS->SongTextRE->document()->firstBlock();
    EXPECT_EQ(block.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(window->SongTextTS->ShownTextFile(), Path("disc/OWN.RTF"));

    Select(0);
    EXPECT_EQ(SongText(), "changed on disc");
}

TEST_F(TextPagesTest, ShownFilesSurviveARebuildSoTheNextListShowsTheSameFileUntouched)
{
    Write("disc/same.txt", "общий текст");
    const QString first = WriteList("disc/one.pl", {{"X", {{"A", {"a1"}, {}, {}, {"same.txt"}}}}});
    const QString second =
        WriteList("disc/two.pl", {{"Y", {{"B", {"b1", "b2"}, {}, {}, {"same.txt"}}}}});
    StartOn(first);
    Show(TMainF::SongTextPage);
    window->SongTextTS->SongTextRE->append("правка");
    window->LoadPlaylist(second);
    window->PlayControl().SelectSong(0, false);
    Show(TMainF::SongTextPage);
    EXPECT_EQ(SongText(), "общий текст\nправка");
}

TEST_F(TextPagesTest, ReviewAndHistoryStayForSongsThatHaveNoneOfTheirOwn)
{
    Write("disc/ra.txt", "рецензия A");
    Write("disc/rc.txt", "рецензия C");
    Write("disc/hx.txt", "история X");
    const QString list = WriteList(
        "disc/l.pl", {{"X", {{"A", {"a1", "a2"}, {}, "ra.txt"}, {"B", {"b1"}}}, "hx.txt"},
                      {"Y", {{"C", {"c1"}, {}, "rc.txt"}}}});
    StartOn(list);
    Show(TMainF::RetsPage);
    EXPECT_EQ(Review(), "рецензия A");
    EXPECT_TRUE(window->RetsTS->RetsRE->isReadOnly());
    Write("disc/ra.txt", "changed on disc");
    Select(1); // the same album: not loaded again
    EXPECT_EQ(Review(), "рецензия A");
    Select(2); // an album without a review keeps the last one
    EXPECT_EQ(Review(), "рецензия A");
    EXPECT_EQ(window->RetsTS->ShownReviewFile(), Path("disc/ra.txt"));
    Select(3);
    EXPECT_EQ(Review(), "рецензия C");

    Show(TMainF::HistoryPage); // an artist without a history: nothing was shown yet
    EXPECT_EQ(History(), "");
    Select(0);
    EXPECT_EQ(History(), "история X");
    Select(3);
    EXPECT_EQ(History(), "история X");
    EXPECT_FALSE(window->HistoryTS->HistoryRE->isReadOnly());
}

TEST_F(TextPagesTest, OnlyTheActivePageFollowsTheSongAndAHiddenPageCatchesUpWhenShown)
{
    Write("disc/t1.txt", "один");
    Write("disc/t2.txt", "два");
    Write("disc/r.txt", "рецензия");
    const QString list =
        WriteList("disc/l.pl", {{"X", {{"A", {"a1", "a2"}, {}, "r.txt", {"t1.txt", "t2.txt"}}}}});
    StartOn(list);
    Select(1);
    EXPECT_EQ(window->SongTextTS->ShownTextFile(), "");
    EXPECT_EQ(window->RetsTS->ShownReviewFile(), "");
    Show(TMainF::SongTextPage);
    EXPECT_EQ(SongText(), "два");
    Select(0);
    EXPECT_EQ(SongText(), "один");
    EXPECT_EQ(window->RetsTS->ShownReviewFile(), "") << "the review page is not shown";
    window->PageControl1->setCurrentIndex(TMainF::RetsPage); // a click on the tab
    EXPECT_EQ(Review(), "рецензия");
}

TEST_F(TextPagesTest, AFileThatCannotBeLoadedIsReportedLeavesTheViewEmptyAndIsTriedAgain)
{
    Write("disc/t.txt", "текст");
    const QString list =
        WriteList("disc/l.pl", {{"X", {{"A", {"a1", "a2"}, {}, {}, {"t.txt", "gone.txt"}}}}});
    StartOn(list);
    Show(TMainF::SongTextPage);
    Select(1);
    ASSERT_EQ(prompt->Messages.size(), 1);
    EXPECT_EQ(prompt->Messages.last(), "Файл не найден: " + Path("disc/gone.txt"));
    EXPECT_EQ(SongText(), "");
    EXPECT_EQ(window->SongTextTS->ShownTextFile(), "");

    Show(TMainF::VolumePage);
    Show(TMainF::SongTextPage);
    EXPECT_EQ(prompt->Messages.size(), 2);
    Write("disc/gone.txt", "нашёлся");
    Select(1);
    EXPECT_EQ(SongText(), "нашёлся");
    EXPECT_EQ(prompt->Messages.size(), 2);
}

TEST_F(TextPagesTest, WordWrapIsKeptPerViewAndTheCheckMarkFollowsTheActivePage)
{
    for (const char *file : {"disc/about.txt", "disc/t.txt", "disc/r.txt", "disc/h.txt"})
        Write(file, "текст");
    Write("disc/index.htm", "<p>HTML</p>");
    const QString list = WriteList("disc/l.pl",
                                   {{"X", {{"A", {"a1"}, "c.bmp", "r.txt", {"t.txt"}}}, "h.txt"}},
                                   "HTML=index.htm\r\nAbout=about.txt\r\n");
    StartOn(list);
    const std::pair<TMainF::TPage, const char *> defaults[] = {
        {TMainF::SongTextPage, "off"},     {TMainF::RetsPage, "on"},
        {TMainF::HistoryPage, "on"},       {TMainF::InfoPage, "on"},
        {TMainF::HTMLPage, "disabled"},    {TMainF::AlbumPicPage, "disabled"},
        {TMainF::VolumePage, "disabled"}};
    for (const auto &[page, mark] : defaults) {
        Show(page);
        EXPECT_EQ(WordWrapMark(), mark) << page;
    }

    Show(TMainF::HistoryPage);
    WordWrapMI()->trigger(); // the history's wrap off; the review's stays on
    EXPECT_EQ(window->HistoryTS->HistoryRE->lineWrapMode(), QTextEdit::NoWrap);
    Show(TMainF::RetsPage);
    EXPECT_EQ(WordWrapMark(), "on");
    EXPECT_EQ(window->RetsTS->RetsRE->lineWrapMode(), QTextEdit::WidgetWidth);
    Show(TMainF::HistoryPage);
    EXPECT_EQ(WordWrapMark(), "off");

    Show(TMainF::InfoPage);
    WordWrapMI()->trigger();
    EXPECT_EQ(window->InfoTS->InfoRE->lineWrapMode(), QTextEdit::NoWrap);
    Show(TMainF::HTMLPage);
    WordWrapMI()->trigger(); // disabled: nothing happens
    Show(TMainF::SongTextPage);
    WordWrapMI()->trigger();
    EXPECT_EQ(window->SongTextTS->SongTextRE->lineWrapMode(), QTextEdit::WidgetWidth);
    Show(TMainF::InfoPage);
    EXPECT_EQ(WordWrapMark(), "off");
    EXPECT_EQ(prompt->Messages.size(), 0);
}

TEST_F(TextPagesTest, ViewMenuIsOneRadioGroupThatFollowsTheTabs)
{
    Write("disc/index.htm", "<p>HTML</p>");
    const QString list =
        WriteList("disc/l.pl", {{"X", {{"A", {"a1"}, "c.bmp", "r.txt", {"t.txt"}}}, "h.txt"}},
                  "HTML=index.htm\r\n");
    StartOn(list);
    const QActionGroup *group = window->ViewItem(TMainF::AlbumPicPage)->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    EXPECT_EQ(group->actions().size(), TMainF::PageCount);
    const auto checkedItems = [&] {
        QStringList names;
        for (const QAction *item : group->actions())
            if (item->isChecked())
                names << item->objectName();
        return names;
    };
    EXPECT_EQ(checkedItems(), QStringList{"miViewAlb"});
    for (int page = 0; page < TMainF::PageCount; ++page) {
        EXPECT_EQ(group->actions()[page], window->ViewItem(TMainF::TPage(page)));
        EXPECT_FALSE(window->ViewItem(TMainF::TPage(page))->icon().isNull()) << page;
    }
    const std::pair<TMainF::TPage, const char *> tabs[] = {{TMainF::HTMLPage, "miViewHTML"},
                                                           {TMainF::RetsPage, "miViewRec"},
                                                           {TMainF::VolumePage, "miViewVolume"},
                                                           {TMainF::HistoryPage, "miViewHistory"}};
    for (const auto &[page, item] : tabs) {
        window->PageControl1->setCurrentIndex(page); // the tab clicked
        EXPECT_EQ(checkedItems(), QStringList{item});
    }
    window->ActionNamed("miViewText")->trigger();
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::SongTextPage);
    EXPECT_EQ(checkedItems(), QStringList{"miViewText"});
}

TEST_F(TextPagesTest, PagesAreOfferedForWhatTheSongsOfTheListName)
{
    // Only the names count, not whether the files exist; an artist's or album's file counts
    // only when it has songs. (An album without songs comes last: the list format reads an
    // album's keys on until a song.)
    struct {
        const char *Name;
        std::vector<TTestArtist> Artists;
        QByteArray Common;
        bool Text, Review, History, Html;
    } const cases[] = {
        {"song text only", {{"X", {{"A", {"a1", "a2"}, {}, {}, {"", "t.txt"}}}}}, {},
         true, false, false, false},
        {"review and history without songs",
         {{"Y", {{"B", {"b1"}}}}, {"X", {{"A", {}, {}, "r.txt"}}, "h.txt"}}, {},
         false, false, false, false},
        {"review and history of songs", {{"X", {{"A", {"a1"}, {}, "r.txt"}}, "h.txt"}}, {},
         false, true, true, false},
        {"HTML", {{"X", {{"A", {"a1"}}}}}, "HTML=gone/index.htm\r\n", false, false, false, true},
    };
    Start();
    for (const auto &list : cases) {
        window->LoadPlaylist(WriteList("disc/l.pl", list.Artists, list.Common));
        window->FormActivate();
        const std::pair<TMainF::TPage, bool> pages[] = {{TMainF::SongTextPage, list.Text},
                                                        {TMainF::RetsPage, list.Review},
                                                        {TMainF::HistoryPage, list.History},
                                                        {TMainF::HTMLPage, list.Html}};
        for (const auto &[page, offered] : pages) {
            EXPECT_EQ(window->PageVisible(page), offered) << list.Name << " page " << page;
            EXPECT_EQ(window->ViewItem(page)->isEnabled(), offered) << list.Name << " " << page;
        }
        EXPECT_EQ(window->findChild<QMenu *>("miHTMLService")->isEnabled(), list.Html)
            << list.Name;
        EXPECT_TRUE(window->PageVisible(TMainF::VolumePage));
        EXPECT_TRUE(window->ViewItem(TMainF::VolumePage)->isEnabled());
    }
    EXPECT_EQ(prompt->Messages, QStringList{"Can't locate file: " + Path("disc/gone/index.htm")});
}

TEST_F(TextPagesTest, ArtistNodeShowsItsHistoryAndAlbumNodeItsReviewOnTheReviewPage)
{
    Write("disc/hx.txt", "история X");
    Write("disc/hy.txt", "история Y");
    Write("disc/ra.txt", "рецензия A");
    Write("disc/rb.txt", "рецензия B");
    const QString list =
        WriteList("disc/l.pl", {{"X", {{"A", {"a1"}, {}, "ra.txt"}}, "hx.txt"},
                                {"Y", {{"B", {"b1"}, {}, "rb.txt"}, {"C", {"c1"}}}, "hy.txt"},
                                {"Z", {{"D", {"d1"}, {}, "broken.txt"}}, "gone.txt"}});
    StartOn(list); // the current song is X's
    Activate(Node(1));
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::HistoryPage);
    EXPECT_EQ(History(), "история Y");
    EXPECT_TRUE(window->ViewItem(TMainF::HistoryPage)->isChecked());
    Activate(Node(2)); // the file is missing: reported, the page keeps its document
    ASSERT_EQ(prompt->Messages.size(), 1);
    EXPECT_EQ(prompt->Messages.last(), "Файл не найден: " + Path("disc/gone.txt"));
    EXPECT_EQ(History(), "история Y");
    Select(0); // the history page follows the song again
    EXPECT_EQ(History(), "история X");

    Show(TMainF::RetsPage);
    Activate(Node(1, 0));
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::RetsPage);
    EXPECT_EQ(Review(), "рецензия B");
    Activate(Node(1, 1)); // an album without a review: nothing changes
    EXPECT_EQ(Review(), "рецензия B");
    Activate(Node(2, 0));
    EXPECT_EQ(prompt->Messages.size(), 2);
    EXPECT_EQ(Review(), "рецензия B");

    Show(TMainF::VolumePage); // any other page gives way to the cover page
    Activate(Node(0, 0));
    EXPECT_EQ(window->PageControl1->currentIndex(), TMainF::AlbumPicPage);
}

TEST_F(TextPagesTest, ReadmeRtfBesideTheProgramIsShownFormattedBeforeTheReadmeTxt)
{
    Write("prog/readme.txt", "plain");
    Write("prog/readme.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 "
                             "{\\b \\'c4\\'e8\\'f1\\'ea}\\par \\'ee \\'ec\\'f3\\'e7\\'fb\\'ea\\'e5}");
    Start();
    EXPECT_TRUE(window->PageVisible(TMainF::InfoPage));
    EXPECT_EQ(window->InfoTS->InfoRE->toPlainText(), "Диск\nо музыке");
    const QTextBlock title = window->InfoTS->InfoRE->document()->firstBlock();
    EXPECT_EQ(title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(window->InfoTS->InfoRE->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}
