// "&Из папок...": the folders dialog (its controls, browse buttons and templates), the build that
// replaces the editor's list, its errors, and the scanning window that reports the build.
#include "editorfixture.h"

#include "editor/buildprogress.h"
#include "editor/editordirsf.h"
#include "editor/templatesf.h"
#include "views/scandirf.h"
#include "widgets/zvbrowsefolderdialog.h"
#include "widgets/zvfolderchooser.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace {

// The scripted prompt, also noting whether a scanning window was open when a message showed.
class TScanAwarePrompt : public TScriptedPrompt {
public:
    QList<bool> ScanningAtMessage;

    TAnswer Message(QWidget *parent, TKind kind, const QString &text, TButtons buttons) override
    {
        ScanningAtMessage << (TScanDirF::Current() != nullptr);
        return TScriptedPrompt::Message(parent, kind, text, buttons);
    }
};

// What the path line of a scanning window showed when painted (each text once, as it changed),
// with the window's caption and which of its icons showed.
class TPathLineWatch : public QObject {
public:
    TPathLineWatch() { qApp->installEventFilter(this); }
    ~TPathLineWatch() override { qApp->removeEventFilter(this); }

    QStringList Paths;
    QStringList Captions;
    bool PlaylistIconOnly = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *line = qobject_cast<QLabel *>(watched);
        TScanDirF *window = TScanDirF::Current();
        if (event->type() == QEvent::Paint && window && line == window->lPath &&
            !line->text().isEmpty() && (Paths.isEmpty() || Paths.last() != line->text())) {
            Paths << line->text();
            Captions << window->windowTitle();
            PlaylistIconOnly &= !window->Image1->isVisible() && window->Image2->isVisible() &&
                                !window->Image3->isVisible();
        }
        return false;
    }
};

class FoldersTest : public EditorTest {
protected:
    // The disc of the worked example: two artists, three albums, covers, texts and a history.
    void WriteDisc()
    {
        WriteFile("disc/MP3/Aurora Bell/1998 - First Light/01 Dawn.mp3", "Dawn", "утро");
        WriteFile("disc/MP3/Aurora Bell/1998 - First Light/02 Noon.mp3");
        WriteFile("disc/MP3/Aurora Bell/2001 - Tides/Tide.mp3", "Tide");
        WriteFile("disc/MP3/Ziggurat/Live/track1.mp3");
        WriteFile("disc/Covers/Aurora Bell/a.jpg");
        WriteFile("disc/Covers/Aurora Bell/b.jpg");
        WriteFile("disc/Texts/Aurora Bell/1998 - First Light/01.txt");
        WriteFile("disc/Texts/Aurora Bell/1998 - First Light/02.rtf");
        WriteFile("disc/Hist/Aurora Bell.txt");
    }

    // Answers the folders dialog with the given folders and templates (OK), or cancels it.
    void AnswerFolders(const TFolderScanInput &input, int result = QDialog::Accepted)
    {
        prompt.AnswerModal(
            [input](QWidget *shown) {
                auto *dirs = qobject_cast<TEditorDirsF *>(shown);
                ASSERT_NE(dirs, nullptr);
                dirs->Edit1->setText(input.Mp3Folder);
                dirs->Edit2->setText(input.CoversFolder);
                dirs->Edit3->setText(input.TextsFolder);
                dirs->Edit4->setText(input.ReviewsFolder);
                dirs->Edit5->setText(input.HistoriesFolder);
                dirs->edImportArt->setText(input.ArtistTemplate);
                dirs->edImportAlb->setText(input.AlbumTemplate);
            },
            result);
    }

    TFolderScanInput DiscInput() const
    {
        return {Path("disc/MP3"), Path("disc/Covers"), Path("disc/Texts"),
                QString(),        Path("disc/Hist"),   "%I",
                "%Y - %A"};
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompt.Exhausted()) << "unused scripted answers";
        EditorTest::TearDown();
    }

    const QStringList kDiscTree = {"Aurora Bell",   "  First Light", "    Dawn", "    02 Noon.mp3",
                                   "  Tides",       "    Tide",      "Ziggurat", "  ",
                                   "    track1.mp3"};
    TScanAwarePrompt prompt; // installed after the fixture's, so it answers
};

TEST_F(FoldersTest, TheDialogShowsItsFoldersAndTemplatesWithTheirCaptionsAndHints)
{
    editor->FolderImport = {Path("settings.reg"), "%N-%I", "%N-%A (%Y)"};
    prompt.AnswerModal(
        [](QWidget *shown) {
            auto *dirs = qobject_cast<TEditorDirsF *>(shown);
            ASSERT_NE(dirs, nullptr);
            EXPECT_EQ(dirs->windowTitle(), "Папки для списка воспроизведения");
            EXPECT_EQ(dirs->GroupBox1->title(), "Папки");
            EXPECT_EQ(dirs->GroupBox2->title(), "Форматы");
            const std::tuple<QLabel *, QLineEdit *, QToolButton *, const char *, const char *>
                rows[] = {
                    {dirs->Label1, dirs->Edit1, dirs->SpeedButton1, "MP&3", "Указать папку с MP3"},
                    {dirs->Label2, dirs->Edit2, dirs->SpeedButton2, "&Обложки альбомов",
                     "Указать папку с обложками альбомов"},
                    {dirs->Label3, dirs->Edit3, dirs->SpeedButton3, "&Тексты",
                     "Указать папку с текстами"},
                    {dirs->Label4, dirs->Edit4, dirs->SpeedButton4, "&Рецензии",
                     "Указать папку с рецензиями"},
                    {dirs->Label5, dirs->Edit5, dirs->SpeedButton5, "&Истории групп",
                     "Указать папку с историями групп"}};
            for (const auto &[label, edit, button, caption, hint] : rows) {
                EXPECT_EQ(label->text(), caption);
                EXPECT_EQ(label->buddy(), edit);
                EXPECT_TRUE(edit->text().isEmpty()) << caption;
                EXPECT_EQ(button->toolTip(), hint);
                EXPECT_EQ(button->accessibleName(), hint);
            }
            EXPECT_EQ(dirs->Label6->text(), "Папки &исполнителей");
            EXPECT_EQ(dirs->Label7->text(), "Папки &альбомов");
            EXPECT_EQ(dirs->edImportArt->text(), "%N-%I");
            EXPECT_EQ(dirs->edImportAlb->text(), "%N-%A (%Y)");
            EXPECT_EQ(dirs->Button1->text(), "&Настроить...");
            EXPECT_EQ(dirs->BitBtn2->text(), "О&тмена");
            dirs->Edit1->setText("/m");
            dirs->Edit5->setText("/h");
            const TFolderScanInput input = dirs->Input();
            EXPECT_EQ(input.Mp3Folder, "/m");
            EXPECT_EQ(input.HistoriesFolder, "/h");
            EXPECT_EQ(input.ArtistTemplate, "%N-%I");
            EXPECT_EQ(input.AlbumTemplate, "%N-%A (%Y)");
            dirs->BitBtn2->click();
            EXPECT_EQ(dirs->result(), QDialog::Rejected);
            dirs->BitBtn1->click();
            EXPECT_EQ(dirs->result(), QDialog::Accepted);
        },
        QDialog::Rejected);
    editor->BitBtn2->click();
}

TEST_F(FoldersTest, EachBrowseButtonAsksWithItsPromptAndTheNextStartsBesideTheLastChoice)
{
    const QString music = Path("music");
    for (const char *sub : {"mp3", "covers", "texts"})
        QDir().mkpath(music + "/" + sub);
    TEditorDirsF dirs(Path("settings.reg"));
    QStringList prompts;
    QStringList starts;
    const auto choose = [&](const QString &folder) {
        prompt.AnswerModal(
            [&, folder](QWidget *shown) {
                auto *chooser = qobject_cast<TzvFolderChooser *>(shown);
                ASSERT_NE(chooser, nullptr);
                prompts << chooser->PromptLabel->text();
                starts << (chooser->Highlighted() ? chooser->Highlighted()->Path : QString());
                if (!folder.isEmpty()) chooser->HighlightPath(folder);
            },
            folder.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
    };
    choose(music + "/mp3");
    dirs.SpeedButton1->click();
    EXPECT_EQ(dirs.Edit1->text(), music + "/mp3");
    choose(music + "/covers"); // an empty edit: the dialog starts beside the MP3 folder
    dirs.SpeedButton2->click();
    EXPECT_EQ(dirs.Edit2->text(), music + "/covers");
    dirs.Edit3->setText(music + "/texts");
    choose(QString()); // a filled edit is the start; Cancel leaves it
    dirs.SpeedButton3->click();
    EXPECT_EQ(dirs.Edit3->text(), music + "/texts");
    choose(QString());
    dirs.SpeedButton4->click();
    choose(QString());
    dirs.SpeedButton5->click();
    EXPECT_EQ(prompts, QStringList({"Укажите папку для MP3", "Укажите папку для обложек альбомов",
                                    "Укажите папку для текстов песен", "Укажите папку для рецензий",
                                    "Укажите папку для историй групп"}));
    EXPECT_EQ(starts.mid(1),
              QStringList({music, music + "/texts", music + "/texts", music + "/texts"}));
}

TEST_F(FoldersTest, TheNextBrowseStartsAtTheParentOfTheFolderChosen)
{
    const struct {
        const char *chosen, *next;
    } cases[] = {{"/disc/music/mp3", "/disc/music/"},
                 {"/disc", "/"},
                 {"/", "/"},
                 {"relative", ""},
                 {"", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(NextBrowseStart(c.chosen), c.next) << c.chosen;
}

TEST_F(FoldersTest, ConfigureEditsOnlyTheImportTemplatesAndStoresNothing)
{
    TEditorDirsF dirs(Path("settings.reg"));
    dirs.edImportArt->setText("%I");
    dirs.edImportAlb->setText("%Y - %A");
    prompt.AnswerModal(
        [](QWidget *shown) {
            auto *templates = qobject_cast<TTemplatesF *>(shown);
            ASSERT_NE(templates, nullptr);
            EXPECT_EQ(templates->edImportArt->text(), "%I");
            EXPECT_EQ(templates->edImportAlb->text(), "%Y - %A");
            EXPECT_FALSE(templates->GroupBox2->isEnabled());
            EXPECT_FALSE(templates->edPackArt->isEnabled());
            templates->cbxTemplChange(1); // "Домашняя коллекция"
        },
        QDialog::Accepted);
    dirs.Button1->click();
    EXPECT_EQ(dirs.edImportArt->text(), "%N-%I");
    EXPECT_EQ(dirs.edImportAlb->text(), "%N-%A (%Y)");

    prompt.AnswerModal(
        [](QWidget *shown) { qobject_cast<TTemplatesF *>(shown)->cbxTemplChange(2); },
        QDialog::Rejected);
    dirs.Button1->click();
    EXPECT_EQ(dirs.edImportAlb->text(), "%N-%A (%Y)") << "Cancel brings nothing back";
    QFile settings(Path("settings.reg"));
    if (settings.open(QIODevice::ReadOnly)) {
        EXPECT_FALSE(settings.readAll().contains("%N-%A (%Y)"));
    }
}

TEST_F(FoldersTest, TheBuildReplacesTheListAndTheTree)
{
    FillStandardLibrary();
    Select(1, 0, 2);
    WriteDisc();
    AnswerFolders(DiscInput());
    editor->BitBtn2->click();
    EXPECT_EQ(TreeText(), kDiscTree);
    ASSERT_EQ(editor->Artists.Count(), 2);
    const TArtistItem &bell = editor->Artists[0];
    EXPECT_EQ(bell.History, Path("disc/Hist/Aurora Bell.txt"));
    EXPECT_EQ(bell.Albums[0].Year, "1998");
    EXPECT_EQ(bell.Albums[1].Picture, Path("disc/Covers/Aurora Bell/b.jpg"));
    EXPECT_EQ(bell.Albums[0].Songs[1].Text,
              Path("disc/Texts/Aurora Bell/1998 - First Light/02.rtf"));
    EXPECT_EQ(bell.Albums[0].Songs[0].Comment, "утро");
    EXPECT_EQ(editor->Artists[1].Albums[0].Year, "<>");
    EXPECT_EQ(editor->Songs->currentItem(), nullptr);
    EXPECT_FALSE(editor->Edit1->isEnabled()) << "no node selected after the tree was rebuilt";
    EXPECT_EQ(TScanDirF::Current(), nullptr) << "the scanning window closed";
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(FoldersTest, CancelAnEmptyMp3FolderOrABadTemplateLeaveTheListAsItWas)
{
    FillStandardLibrary();
    WriteDisc();
    const QStringList before = TreeText();
    TFolderScanInput literalOnly = DiscInput();
    literalOnly.AlbumTemplate = "album";
    TFolderScanInput adjacent = DiscInput();
    adjacent.ArtistTemplate = "%I%A"; // passes parsing, fails at the first artist folder
    TFolderScanInput noMp3 = DiscInput();
    noMp3.Mp3Folder.clear();
    AnswerFolders(DiscInput(), QDialog::Rejected);
    AnswerFolders(noMp3);
    AnswerFolders(literalOnly);
    AnswerFolders(adjacent);
    for (int i = 0; i < 4; ++i) {
        editor->BitBtn2->click();
        EXPECT_EQ(TreeText(), before) << i;
        EXPECT_EQ(editor->Artists.Count(), 2) << i;
        EXPECT_EQ(editor->Artists[1].Albums[0].Songs.Count(), 3) << i;
    }
    EXPECT_EQ(prompt.Messages,
              QStringList({"Неверный шаблон папок альбомов!", "Шаблоны не должны идти подряд!"}));
    EXPECT_EQ(prompt.ScanningAtMessage, QList<bool>({false, false}))
        << "the scanning window is gone before an error shows";
}

TEST_F(FoldersTest, AMissingMp3FolderEmptiesTheList)
{
    FillStandardLibrary();
    TFolderScanInput input = DiscInput();
    input.Mp3Folder = Path("nowhere");
    AnswerFolders(input);
    editor->BitBtn2->click();
    EXPECT_TRUE(editor->Artists.IsEmpty());
    EXPECT_TRUE(TreeText().isEmpty());
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(FoldersTest, TheScanningWindowShowsTheFoldersReadWithThePlaylistCaptionAndIcon)
{
    WriteDisc();
    TPathLineWatch watch;
    bool timerRan = false;
    bool scanningWhenTimerRan = false;
    QTimer::singleShot(0, [&] {
        timerRan = true;
        scanningWhenTimerRan = TScanDirF::Current() != nullptr;
    });
    AnswerFolders(DiscInput());
    editor->BitBtn2->click();
    ASSERT_FALSE(watch.Paths.isEmpty());
    EXPECT_EQ(watch.Paths.first(), Path("disc/MP3/"));
    EXPECT_EQ(watch.Captions.first(), "Создание списка воспроизведения...");
    EXPECT_TRUE(watch.PlaylistIconOnly);
    EXPECT_TRUE(timerRan && scanningWhenTimerRan) << "messages are processed during the build";
}

TEST_F(FoldersTest, ProgressShowsEachFolderOnceAnIntervalHasPassed)
{
    TPathLineWatch watch;
    {
        TBuildProgress everyFolder(0);
        EXPECT_EQ(everyFolder.Window(), nullptr) << "no window before the build reads a folder";
        for (const char *folder : {"/m/", "/m/a/1", "/m/a/2", "/m/b/1"})
            everyFolder.Report(folder);
        ASSERT_NE(everyFolder.Window(), nullptr);
        EXPECT_EQ(everyFolder.Window()->lPath->text(), "/m/b/1");
    }
    EXPECT_EQ(TScanDirF::Current(), nullptr);
    EXPECT_EQ(watch.Paths, QStringList({"/m/", "/m/a/1", "/m/a/2", "/m/b/1"}));

    watch.Paths.clear();
    TBuildProgress throttled(200);
    throttled.Report("/m/");
    throttled.Report("/m/a/1"); // within the interval: not shown
    QThread::msleep(250);
    throttled.Report("/m/a/2");
    EXPECT_EQ(watch.Paths, QStringList({"/m/", "/m/a/2"}));
}

} // namespace
