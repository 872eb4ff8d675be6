// The editor's dialogs: the browse buttons with their titles, filters, start folders and preset
// names; adding song files; files for a whole album or artist; the folder dialog; the pop-up
// menu; help, OK and Cancel.

#include "editorfixture.h"

#include "views/helpwindow.h"
#include "widgets/zvbrowsefolderdialog.h"
#include "widgets/zvfolderchooser.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

namespace {

const QString kMpeg = "MPEG аудио-файлы (*.mp1,*.mp2,*.mp3)|*.mp1;*.mp2;*.mp3|Все файлы (*.*)|*.*";
const QString kTextA =
    "Все поддерживаемые форматы (*.txt,*.rtf)|*.txt;*.rtf|RTF-текст (*.rtf)|*.rtf|"
    "Текстовый файл (*.txt)|*.txt|Все файлы (*.*)|*.*";
const QString kTextB =
    "Все поддерживаемые форматы (*.rtf,*.txt)|*.rtf;*.txt|RTF-текст (*.rtf)|*.rtf|"
    "Текстовый файл (*.txt)|*.txt|Все файлы (*.*)|*.*";
const QString kPicture =
    "Все поддерживаемые форматы картинок (*.bmp,*.wmf,*.emf,*.jpg,*.gif)|*.bmp;*.wmf;*.emf;*.jpg;"
    "*.gif|Растровые изображения (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg;*.jpeg|GIF (*.gif)|*.gif|"
    "Все файлы (*.*)|*.*";

struct TBrowseCase {
    int Artist, Album, Song;
    void (TEditorF::*Click)();
    QLineEdit *TEditorF::*Edit;
    QString Title, Filter;
};

TEST_F(EditorTest, EachBrowseButtonAsksWithItsTitleAndFilterAndFillsItsEdit)
{
    FillStandardLibrary();
    const TBrowseCase cases[] = {
        {0, -1, -1, &TEditorF::BrwsForFNMEd1Click, &TEditorF::FNameEd1,
         "Выбор файла с историей группы или исполнителя Blue", kTextA},
        {0, 0, -1, &TEditorF::BrwsForFNMEd1Click, &TEditorF::FNameEd1,
         "Выбор файла с рецензией на альбом \"First\"", kTextA},
        {0, 0, 1, &TEditorF::BrwsForFNMEd1Click, &TEditorF::FNameEd1, "Выбор файла песни \"b\"",
         kMpeg},
        {0, -1, -1, &TEditorF::BrwsForFNMEd2Click, &TEditorF::FNameEd2,
         "Выбор файла с путями к картинкам", "Все файлы (*.*)|*.*"},
        {0, 0, -1, &TEditorF::BrwsForFNMEd2Click, &TEditorF::FNameEd2,
         "Выбор картинки с обложкой альбома \"First\"", kPicture},
        {0, 0, 1, &TEditorF::BrwsForFNMEd2Click, &TEditorF::FNameEd2, "Выбор картинки к песне",
         kPicture},
        {0, 0, 1, &TEditorF::BrwsForFNMEd3Click, &TEditorF::FNameEd3,
         "Выбор файла с текстом к песне \"b\"", kTextB},
        {1, -1, -1, &TEditorF::BrwsForHTMLClick, &TEditorF::edHTML, "Выбор файла оглавления HTML",
         "Все поддерживаемые форматы (*.htm,*.html)|*.htm;*.html|Все файлы (*.*)|*.*"},
        {1, -1, -1, &TEditorF::BrwsForAboutClick, &TEditorF::edAbout,
         "Выбор файла с описанием диска", kTextB},
    };
    const QString chosen = WriteFile("chosen/файл.dat");
    for (const TBrowseCase &c : cases) {
        SCOPED_TRACE(c.Title.toStdString());
        Select(c.Artist, c.Album, c.Song);
        prompt.AnswerFiles(QStringList{chosen});
        (editor.get()->*c.Click)();
        ASSERT_FALSE(prompt.OpenRequests.isEmpty());
        const TPrompt::TOpenRequest &asked = prompt.OpenRequests.back();
        EXPECT_EQ(asked.Title, c.Title);
        EXPECT_EQ(asked.Filter, c.Filter);
        EXPECT_FALSE(asked.MultiSelect);
        EXPECT_EQ((editor.get()->*c.Edit)->text(), chosen);
    }
    EXPECT_EQ(editor->Artists[0].History, chosen);
    EXPECT_EQ(editor->Artists[0].Albums[0].Picture, chosen);
    EXPECT_EQ(editor->Artists[0].Albums[0].Songs[1].Text, chosen);
    EXPECT_EQ(editor->ODial.InitialFolder, Path("chosen"));

    prompt.AnswerFiles(std::nullopt);
    editor->BrwsForFNMEd1Click();
    EXPECT_TRUE(editor->Artists[1].History.isEmpty()) << "a cancelled dialog changes nothing";
}

TEST_F(EditorTest, BrowsingStartsAtTheNamedFileOrWhereTheDialogLastWas)
{
    FillStandardLibrary();
    const QString song = WriteFile("disc/Blue/01 Morning.mp3");
    editor->ODial.InitialFolder = Path("last");
    Select(0, 0, 0);
    editor->FNameEd1->setText(
        Path("disc/blue/01 morning.MP3")); // as a disc made on Windows names it
    prompt.AnswerFiles(std::nullopt);
    editor->BrwsForFNMEd1Click();
    EXPECT_EQ(prompt.OpenRequests.back().InitialFolder, Path("disc/Blue"));
    EXPECT_EQ(prompt.OpenRequests.back().FileName, "01 Morning.mp3");

    editor->FNameEd2->setText(Path("missing.jpg"));
    prompt.AnswerFiles(std::nullopt);
    editor->BrwsForFNMEd2Click();
    EXPECT_EQ(prompt.OpenRequests.back().InitialFolder, Path("disc/Blue"));
    EXPECT_EQ(prompt.OpenRequests.back().FileName, "");
}

TEST_F(EditorTest, AddedFilesBecomeSongsNamedByTheirTagsOrNumberedOn)
{
    FillStandardLibrary();
    const QStringList files = {WriteFile("new/x.mp3"), WriteFile("new/y.mp3", "Игрек", "коммент"),
                               WriteFile("new/z.mp3")};
    Select(0, 0, 1);
    prompt.AnswerFiles(files);
    editor->AddSongsBtnClick();
    const TPrompt::TOpenRequest &asked = prompt.OpenRequests.back();
    EXPECT_EQ(asked.Title, "Выбор файла песни для альбома \"b\"") << "Edit1 holds the song's title";
    EXPECT_EQ(asked.Filter, kMpeg);
    EXPECT_TRUE(asked.MultiSelect);
    EXPECT_EQ(asked.FileName, "");
    EXPECT_FALSE(editor->ODial.MultiSelect);
    EXPECT_EQ(editor->ODial.InitialFolder, Path("new"));
    EXPECT_EQ(TreeText().mid(1, 6),
              QStringList({"  First", "    a", "    b", "    Песня3", "    Игрек", "    Песня5"}));
    const TSongColl &songs = editor->Artists[0].Albums[0].Songs;
    ASSERT_EQ(songs.Count(), 5);
    EXPECT_EQ(songs[3].Comment, "коммент");
    EXPECT_EQ(songs[4].File, files[2]);
    EXPECT_EQ(editor->Songs->currentItem(), Node(0, 0, 1)) << "the selection stays";

    Select(1, 0);
    prompt.AnswerFiles(QStringList{files[0]});
    editor->AddSongsBtnClick();
    EXPECT_EQ(prompt.OpenRequests.back().Title, "Выбор файла песни для альбома \"Only\"");
    EXPECT_EQ(editor->Artists[1].Albums[0].Songs[3].Title, "Песня4");
}

TEST_F(EditorTest, CoversForAWholeArtistGoToItsAlbumsInTheDialogsOrder)
{
    FillStandardLibrary();
    editor->Artists[0].Albums.Add().Name = "Third";
    const QString cover = WriteFile("covers/old.jpg");
    editor->Artists[0].Albums[0].Picture = cover;
    const QStringList files = {Path("c/5.jpg"), Path("c/2.jpg"), Path("c/9.jpg"), Path("c/1.jpg"),
                               Path("c/3.jpg")};
    Select(0);
    prompt.AnswerFiles(files);
    editor->SetCovArtsMIClick();
    const TPrompt::TOpenRequest &asked = prompt.OpenRequests.back();
    EXPECT_EQ(asked.Title, "Задание обложек альбомов исполнителя \"Blue\"");
    EXPECT_EQ(asked.Filter, kPicture);
    EXPECT_EQ(asked.InitialFolder, Path("covers")) << "where the first album's cover is";
    EXPECT_TRUE(asked.MultiSelect);
    EXPECT_FALSE(editor->ODial.MultiSelect);
    const TAlbColl &albums = editor->Artists[0].Albums;
    EXPECT_EQ(albums[0].Picture, files[0]);
    EXPECT_EQ(albums[1].Picture, files[1]);
    EXPECT_EQ(albums[2].Picture, files[2]);
    EXPECT_EQ(editor->ODial.InitialFolder, Path("c"));

    prompt.AnswerFiles(QStringList{Path("r/1.rtf")});
    editor->SetRetsMIClick();
    EXPECT_EQ(prompt.OpenRequests.back().Title, "Задание рецензий на альбомы исполнителя \"Blue\"");
    EXPECT_EQ(prompt.OpenRequests.back().Filter, kTextB);
    EXPECT_EQ(albums[0].Retsenzia, Path("r/1.rtf"));
    EXPECT_EQ(albums[1].Retsenzia, "") << "surplus albums are left alone";
}

TEST_F(EditorTest, TextsForAnAlbumWithoutSongsAssignNothing)
{
    FillStandardLibrary();
    Select(0, 0);
    editor->NewAlbumBtnClick();
    prompt.AnswerFiles(QStringList{Path("t/1.rtf")});
    editor->SetTextsMIClick();
    EXPECT_EQ(prompt.OpenRequests.back().Title, "Задание текстов песен к альбому \"Альбом3\"");
    EXPECT_EQ(editor->ODial.InitialFolder, "") << "nothing assigned: the folder stays";

    Select(0, 0);
    prompt.AnswerFiles(QStringList{Path("t/1.rtf"), Path("t/2.rtf"), Path("t/3.rtf")});
    editor->SetTextsMIClick();
    EXPECT_EQ(editor->Artists[0].Albums[0].Songs[0].Text, Path("t/1.rtf"));
    EXPECT_EQ(editor->Artists[0].Albums[0].Songs[1].Text, Path("t/2.rtf"));
}

TEST_F(EditorTest, ThePhotosAndClipsFoldersComeFromTheFolderDialog)
{
    const QString photos = Path("disc/photos");
    const QString clips = Path("disc/clips");
    QDir().mkpath(photos + "/2001");
    QDir().mkpath(clips);
    editor->edPhotoPath->setText(photos);
    prompt.AnswerModal(
        [&](QWidget *shown) {
            auto *chooser = qobject_cast<TzvFolderChooser *>(shown);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle(), "Папка с фотографиями");
            EXPECT_EQ(chooser->PromptLabel->text(),
                      "Выберите папку с фотографиями (будут также включены поддиректории)");
            EXPECT_EQ(chooser->Highlighted()->Path, photos);
            EXPECT_EQ(chooser->StatusText(), photos);
            chooser->HighlightPath(photos + "/2001");
        },
        QDialog::Accepted);
    editor->BrwsForPhotoClick();
    EXPECT_EQ(editor->edPhotoPath->text(), photos + "/2001");

    // An empty edit leaves the start where it was: at the photos.
    prompt.AnswerModal(
        [&](QWidget *shown) {
            auto *chooser = qobject_cast<TzvFolderChooser *>(shown);
            EXPECT_EQ(chooser->Highlighted()->Path, photos);
            chooser->HighlightPath(clips);
        },
        QDialog::Accepted);
    editor->BrwsForClipsClick();
    EXPECT_EQ(editor->edClips->text(), clips);

    prompt.AnswerModal({}, QDialog::Rejected);
    editor->BrwsForClipsClick();
    EXPECT_EQ(editor->edClips->text(), clips);
}

TEST_F(EditorTest, ThePopUpMenuShowsWhatTheSelectedNodeAllows)
{
    FillStandardLibrary();
    const auto visible = [this] {
        editor->PopupMenu2Popup();
        QStringList names;
        for (QAction *item : editor->PopupMenu2->actions())
            if (item->isVisible() && !item->isSeparator())
                names << item->objectName();
        return names;
    };
    EXPECT_EQ(visible(), QStringList({"NewArtMI", "ClearAllMI"}));
    Select(0);
    EXPECT_EQ(visible(),
              QStringList({"NewArtMI", "NewAlbMI", "ChangeFileMI", "ChangePicMI", "SetCovArtsMI",
                           "SetRetsMI", "ClearValMI", "DownMI", "DelMI", "ClearAllMI"}));
    EXPECT_EQ(editor->ChangeFileMI->text(), "Изменить файл истории...");
    Select(0, 1);
    EXPECT_EQ(visible(),
              QStringList({"NewArtMI", "NewAlbMI", "NewSongMI", "ChangeRetsMI", "ChangePicMI",
                           "SetTextsMI", "ClearValMI", "UpMI", "DelMI", "ClearAllMI"}));
    Select(0, 0, 0);
    EXPECT_EQ(visible(), QStringList({"NewArtMI", "NewAlbMI", "NewSongMI", "ChangeFileMI",
                                      "ChangePicMI", "ChangeTextMI", "GetInfoMI", "ClearValMI",
                                      "DownMI", "DelMI", "ClearAllMI"}));
    EXPECT_EQ(editor->ChangeFileMI->text(), "Изменить звуковой файл...");
    prompt.AnswerFiles(std::nullopt);
    editor->NewSongMI->trigger(); // "Добавить композицию" adds files
    EXPECT_EQ(prompt.OpenRequests.back().Title, "Выбор файла песни для альбома \"a\"");
}

TEST_F(EditorTest, ARightClickSelectsTheNodeBeforeTheMenuOpens)
{
    FillStandardLibrary();
    editor->show();
    Select(0);
    const QPoint at = editor->Songs->visualItemRect(Node(1)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, editor->Songs->viewport()->mapToGlobal(at));
    QApplication::sendEvent(editor->Songs->viewport(), &click);
    EXPECT_EQ(editor->Songs->currentItem(), Node(1));
    EXPECT_TRUE(editor->PopupMenu2->isVisible());
    EXPECT_FALSE(editor->UpMI->isVisible() && editor->DownMI->isVisible()) << "built for Green";
    editor->PopupMenu2->hide();

    QContextMenuEvent key(QContextMenuEvent::Keyboard, at, editor->Songs->viewport()->mapToGlobal(at));
    Select(0);
    QApplication::sendEvent(editor->Songs->viewport(), &key);
    EXPECT_EQ(editor->Songs->currentItem(), Node(0)) << "the menu key keeps the selection";
    editor->PopupMenu2->hide();
}

TEST_F(EditorTest, HelpShowsTheEditorTopicAndTheButtonsCloseTheWindow)
{
    editor->BitBtn1->click();
    auto *help = editor->findChild<THelpWindow *>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser->source().fileName(), THelpWindow::TopicPage(10));
    EXPECT_EQ(THelpWindow::TopicPage(10), "editor.html");
    help->close();

    EXPECT_TRUE(editor->BitBtn2->isEnabled());
    EXPECT_EQ(editor->BitBtn2->toolTip(), "Автоматическое создание списка воспроизведения из папок");
    editor->OkBtn->click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    editor->CancelBtn->click();
    EXPECT_EQ(editor->result(), QDialog::Rejected);
}

} // namespace
