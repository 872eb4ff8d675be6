// "&Из папок...": the folders dialog, the build that replaces the editor's list, its errors, and
// the scanning window that follows the build.
#include "editorfixture.h"

#include "editor/buildprogress.h"
#include "editor/editordirsf.h"
#include "editor/templatesf.h"
#include "views/scandirf.h"
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

// The texts the scanning window's path line was painted with, each once as it changed, and
// whether the window showed the playlist caption and icon then.
class TPathLineWatch : public QObject {
public:
    TPathLineWatch() { qApp->installEventFilter(this); }
    ~TPathLineWatch() override { qApp->removeEventFilter(this); }
    QStringList Paths;
    bool PlaylistLook = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const TScanDirF *window = TScanDirF::Current();
        if (event->type() != QEvent::Paint || !window || watched != window->lPath ||
            window->lPath->text().isEmpty() ||
            Paths.value(Paths.size() - 1) == window->lPath->text())
            return false;
        Paths << window->lPath->text();
        PlaylistLook &= window->windowTitle() == "Создание списка воспроизведения..." &&
                        !window->Image1->isVisible() && window->Image2->isVisible();
        return false;
    }
};

class FoldersTest : public EditorTest {
protected:
    // A disc of one artist with two albums, their covers, a song text and the artist's history.
    TFolderScanInput WriteDisc()
    {
        WriteFile("disc/MP3/Aurora Bell/1998 - First Light/01 Dawn.mp3", "Dawn", "утро");
        WriteFile("disc/MP3/Aurora Bell/1998 - First Light/02 Noon.mp3");
        WriteFile("disc/MP3/Aurora Bell/2001 - Tides/Tide.mp3", "Tide");
        WriteFile("disc/Covers/Aurora Bell/a.jpg");
        WriteFile("disc/Covers/Aurora Bell/b.jpg");
        WriteFile("disc/Texts/Aurora Bell/1998 - First Light/02.rtf");
        WriteFile("disc/Hist/Aurora Bell.txt");
        return {Path("disc/MP3"), Path("disc/Covers"), Path("disc/Texts"), {}, Path("disc/Hist")};
    }

    // Answers the folders dialog with input (the templates too), closing it with result.
    void AnswerFolders(const TFolderScanInput &input, int result = QDialog::Accepted)
    {
        prompt.AnswerModal(
            [input](QWidget *shown) {
                auto *dirs = qobject_cast<TEditorDirsF *>(shown);
                for (auto [edit, text] : {std::pair{dirs->Edit1, input.Mp3Folder},
                                          {dirs->Edit2, input.CoversFolder},
                                          {dirs->Edit3, input.TextsFolder},
                                          {dirs->Edit5, input.HistoriesFolder},
                                          {dirs->edImportArt, input.ArtistTemplate},
                                          {dirs->edImportAlb, input.AlbumTemplate}})
                    edit->setText(text);
            },
            result);
    }
};

TEST_F(FoldersTest, ABrowseStartsAtItsEditsFolderOrElseBesideTheFolderChosenLast)
{
    const QString music = Path("music");
    QDir().mkpath(music + "/mp3");
    TEditorDirsF dirs(Path("settings.reg"));
    QStringList asked; // each browse's prompt and the folder it started at
    for (const QString &choice : {music + "/mp3", QString()})
        prompt.AnswerModal(
            [&asked, choice](QWidget *shown) {
                auto *chooser = qobject_cast<TzvFolderChooser *>(shown);
                asked << chooser->PromptLabel->text() + " @ " + chooser->Highlighted()->Path;
                chooser->HighlightPath(choice);
            },
            choice.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
    for (auto [label, edit] : {std::pair{dirs.Label1, dirs.Edit1}, {dirs.Label3, dirs.Edit3},
                               {dirs.Label6, dirs.edImportArt}})
        EXPECT_EQ(label->buddy(), edit) << "reached by its label's key";
    EXPECT_EQ(dirs.SpeedButton2->accessibleName(), "Указать папку с обложками альбомов");
    dirs.SpeedButton1->click();
    dirs.SpeedButton2->click(); // an empty edit; Cancel leaves it so
    EXPECT_EQ(dirs.Edit1->text(), music + "/mp3");
    EXPECT_TRUE(dirs.Edit2->text().isEmpty());
    EXPECT_EQ(asked.value(1), "Укажите папку для обложек альбомов @ " + music);
    for (auto [chosen, next] : {std::pair{"/disc/music", "/disc/"}, {"/", "/"}, {"relative", ""}})
        EXPECT_EQ(NextBrowseStart(chosen), next) << chosen;
}

TEST_F(FoldersTest, TheTemplatesStartAsTheProgramsAndConfigureChangesThemOnlyAfterOk)
{
    editor->FolderImport = {Path("settings.reg"), "%I", "%A"};
    prompt.AnswerModal(
        [](QWidget *shown) {
            auto *dirs = qobject_cast<TEditorDirsF *>(shown);
            EXPECT_EQ(dirs->Input().AlbumTemplate, "%A");
            EXPECT_TRUE(dirs->Input().Mp3Folder.isEmpty());
            dirs->Button1->click(); // "Домашняя коллекция", OK
            dirs->Button1->click(); // "Проще некуда", Cancel
            EXPECT_EQ(dirs->Input().ArtistTemplate, "%N-%I");
            EXPECT_EQ(dirs->Input().AlbumTemplate, "%N-%A (%Y)");
        },
        QDialog::Rejected);
    for (auto [preset, result] : {std::pair{1, QDialog::Accepted}, {2, QDialog::Rejected}})
        prompt.AnswerModal(
            [preset](QWidget *shown) {
                auto *templates = qobject_cast<TTemplatesF *>(shown);
                EXPECT_EQ(templates->edImportAlb->text(), preset == 1 ? "%A" : "%N-%A (%Y)");
                EXPECT_FALSE(templates->GroupBox2->isEnabled()) << "the pack part is disabled";
                templates->cbxTemplChange(preset);
            },
            result);
    editor->BitBtn2->click();
}

TEST_F(FoldersTest, TheBuildReplacesTheListAndTheTree)
{
    FillStandardLibrary();
    Select(1, 0, 2);
    AnswerFolders(WriteDisc());
    editor->BitBtn2->click();
    EXPECT_EQ(TreeText(), QStringList({"Aurora Bell", "  First Light", "    Dawn",
                                       "    02 Noon.mp3", "  Tides", "    Tide"}));
    const TAlbItem &first = editor->Artists[0].Albums[0];
    EXPECT_EQ(editor->Artists[0].History, Path("disc/Hist/Aurora Bell.txt"));
    EXPECT_EQ(first.Year, "1998");
    EXPECT_EQ(editor->Artists[0].Albums[1].Picture, Path("disc/Covers/Aurora Bell/b.jpg"));
    EXPECT_EQ(first.Songs[0].Text, Path("disc/Texts/Aurora Bell/1998 - First Light/02.rtf"));
    EXPECT_EQ(first.Songs[0].Comment, "утро");
    EXPECT_FALSE(editor->Edit1->isEnabled()) << "no node is selected in the new tree";
    EXPECT_EQ(TScanDirF::Current(), nullptr);
}

TEST_F(FoldersTest, CancelAnEmptyMp3FolderOrABadTemplateLeaveTheListAsItWas)
{
    FillStandardLibrary();
    const QStringList before = TreeText();
    const TFolderScanInput disc = WriteDisc();
    TFolderScanInput noMp3 = disc, literalOnly = disc, adjacent = disc;
    noMp3.Mp3Folder.clear();
    literalOnly.AlbumTemplate = "album";
    adjacent.ArtistTemplate = "%I%A"; // passes parsing, fails at the first artist folder
    AnswerFolders(disc, QDialog::Rejected);
    for (const TFolderScanInput &input : {noMp3, literalOnly, adjacent})
        AnswerFolders(input);
    for (int i = 0; i < 4; ++i) {
        editor->BitBtn2->click();
        EXPECT_EQ(TreeText(), before) << i;
        EXPECT_EQ(editor->Artists[1].Albums[0].Songs.Count(), 3) << i;
    }
    EXPECT_EQ(prompt.Messages,
              QStringList({"Неверный шаблон папок альбомов!", "Шаблоны не должны идти подряд!"}));
}

TEST_F(FoldersTest, AMissingMp3FolderEmptiesTheListAndTheTreeWithoutAMessage)
{
    FillStandardLibrary();
    TFolderScanInput input = WriteDisc();
    input.Mp3Folder = Path("nowhere");
    AnswerFolders(input);
    editor->BitBtn2->click();
    EXPECT_TRUE(editor->Artists.IsEmpty());
    EXPECT_TRUE(TreeText().isEmpty());
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(FoldersTest, TheScanningWindowFollowsTheBuildAndRepaintsDuringIt)
{
    TPathLineWatch watch;
    bool timerRanDuringBuild = false;
    QTimer::singleShot(0, [&] { timerRanDuringBuild = TScanDirF::Current() != nullptr; });
    const TFolderScanInput disc = WriteDisc();
    AnswerFolders(disc);
    editor->BitBtn2->click();
    EXPECT_EQ(watch.Paths.value(0), disc.Mp3Folder + "/");
    EXPECT_TRUE(watch.PlaylistLook);
    EXPECT_TRUE(timerRanDuringBuild) << "pending messages are processed during the build";

    // A large tree: each folder is shown once an interval has passed since the last shown.
    watch.Paths.clear();
    TBuildProgress progress(150);
    for (const char *folder : {"/m/", "/m/a/1", "/m/a/2"}) {
        progress.Report(folder);
        QThread::msleep(100);
    }
    EXPECT_EQ(watch.Paths, QStringList({"/m/", "/m/a/2"}));
}

} // namespace
