// New and Edit: the editor gets a copy of the library, OK hands it back and rebuilds, Cancel
// leaves everything as it was; how each changes the list's identity; Save keeps the bound file's
// format; what the editor accepts saves and reads back the same.

#include "mainffixture.h"

#include "app/qtprompt.h"
#include "editor/editorf.h"
#include "library/playlistfile.h"
#include "platform/codepage.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QLineEdit>
#include <functional>

namespace {

TEditorF *Editor(QWidget *dialog)
{
    auto *editor = qobject_cast<TEditorF *>(dialog);
    EXPECT_NE(editor, nullptr);
    return editor;
}

// Every field of a library, one line per item.
QStringList Dump(const TArtistColl &artists)
{
    QStringList lines;
    for (const TArtistItem &artist : artists) {
        lines << QStringList{artist.Name, artist.History, artist.PicPaths}.join('|');
        for (const TAlbItem &album : artist.Albums) {
            lines << "  " +
                         QStringList{album.Name, album.Year, album.Picture, album.Retsenzia}.join(
                             '|');
            for (const TSongItem &song : album.Songs)
                lines << "    " + QStringList{song.Title, song.File, song.Picture, song.Text,
                                              song.Comment}
                                      .join('|');
        }
    }
    return lines;
}

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EditorCommandsTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        ownList = WriteStandardList("lists/own.pl");
        Start();
        window->FormActivate();
        window->LoadPlaylist(ownList);
        window->DiscPaths.HTMLFile = Path("lists/html/index.htm");
    }
    // Runs a command whose editor is answered by edit and closed with result.
    void RunEditor(void (TMainF::*command)(), const std::function<void(TEditorF &)> &edit,
                   int result)
    {
        prompt->AnswerModal([&](QWidget *dialog) { edit(*Editor(dialog)); }, result);
        (window.get()->*command)();
    }
    void BindToM3U()
    {
        prompt->AnswerFile(m3uList = Path("lists/bound.m3u"), 2);
        window->SaveAsMIClick();
        ASSERT_EQ(window->BoundListType, 1);
    }
    struct TIdentity {
        int Type;
        QString File;
        bool Bound, Modified;
    };
    TIdentity Identity() const
    {
        return {window->Settings.PlaylistType, window->ListFileName, window->ListBound,
                window->ListModified};
    }
    QString ownList, m3uList;
};

void ExpectIdentity(const char *row, const auto &actual, int type, const QString &file, bool bound,
                    bool modified)
{
    SCOPED_TRACE(row);
    EXPECT_EQ(actual.Type, type);
    EXPECT_EQ(actual.File, file);
    EXPECT_EQ(actual.Bound, bound);
    EXPECT_EQ(actual.Modified, modified);
}

TEST_F(EditorCommandsTest, MenuAndPopUpOpenTheEditorOnACopyOrOnNothing)
{
    for (const char *name : {"EditMI", "N10"}) {
        ASSERT_TRUE(window->ActionNamed(name)->isEnabled());
        prompt->AnswerModal(
            [&](QWidget *dialog) {
                TEditorF *editor = Editor(dialog);
                EXPECT_EQ(Dump(editor->Artists), Dump(window->Artists));
                EXPECT_NE(&editor->Artists[0], &window->Artists[0]) << "a copy, not the library";
                EXPECT_EQ(editor->Songs->topLevelItem(1)->child(0)->child(1)->text(0), "f");
                EXPECT_FALSE(editor->Songs->topLevelItem(0)->isExpanded());
                EXPECT_EQ(editor->edHTML->text(), Path("lists/html/index.htm"));
                EXPECT_EQ(editor->edPhotoPath->text(), "");
            },
            QDialog::Rejected);
        window->ActionNamed(name)->trigger();
    }
    for (const char *name : {"NewMI", "N3"}) {
        ASSERT_TRUE(window->ActionNamed(name)->isEnabled());
        prompt->AnswerModal(
            [&](QWidget *dialog) {
                TEditorF *editor = Editor(dialog);
                EXPECT_EQ(editor->Artists.Count(), 0);
                EXPECT_EQ(editor->Songs->topLevelItemCount(), 0);
                EXPECT_EQ(editor->edHTML->text(), "");
            },
            QDialog::Rejected);
        window->ActionNamed(name)->trigger();
    }
    EXPECT_EQ(prompt->Asked.filter("modal: TEditorF").size(), 4);
}

TEST_F(EditorCommandsTest, EachCommandChangesTheIdentityAsTheTableSays)
{
    const auto rename = [](TEditorF &editor) { editor.NewArtistBtnClick(); };
    RunEditor(&TMainF::EditMIClick, rename, QDialog::Rejected);
    ExpectIdentity("Edit, cancelled", Identity(), 0, ownList, true, false);
    RunEditor(&TMainF::EditMIClick, rename, QDialog::Accepted);
    ExpectIdentity("Edit, accepted", Identity(), 0, ownList, true, true);

    BindToM3U();
    RunEditor(&TMainF::EditMIClick, rename, QDialog::Accepted);
    ExpectIdentity("Edit of an M3U list, accepted", Identity(), 1, m3uList, true, true);
    RunEditor(&TMainF::NewMIClick, rename, QDialog::Rejected);
    ExpectIdentity("New, cancelled", Identity(), 0, m3uList, true, true);
    EXPECT_EQ(window->BoundListType, 1);
    RunEditor(&TMainF::NewMIClick, rename, QDialog::Accepted);
    ExpectIdentity("New, accepted", Identity(), 0, m3uList, false, true);
}

TEST_F(EditorCommandsTest, OkHandsTheEditedLibraryAndPathsBackAndRebuilds)
{
    window->PlayControl().SelectSong(4, false);
    window->Settings.SongPicIdx = 3;
    window->Settings.ClipIdx = 2;
    RunEditor(
        &TMainF::EditMIClick,
        [](TEditorF &editor) {
            editor.Songs->setCurrentItem(editor.Songs->topLevelItem(0)->child(0)->child(0));
            editor.Edit1->setText("Новая a");
            editor.Songs->setCurrentItem(editor.Songs->topLevelItem(1));
            editor.DelBtnClick();
            editor.edPhotoPath->setText("/photos");
            editor.edHTML->clear();
            editor.edAbout->setText("/about.rtf");
            editor.edClips->setText("/clips");
        },
        QDialog::Accepted);
    EXPECT_EQ(SongTitles(), QStringList({"Новая a", "b", "c", "d"}));
    EXPECT_EQ(Node(0, 0, 0)->text(0), "Новая a");
    EXPECT_EQ(window->SongsLst->topLevelItemCount(), 1);
    EXPECT_EQ(window->DiscPaths, (TDiscPaths{"/about.rtf", "/photos", QString(), "/clips"}));
    EXPECT_EQ(window->Settings.SongPicIdx, 0);
    EXPECT_EQ(window->Settings.ClipIdx, 0);
}

TEST_F(EditorCommandsTest, CancelAfterAnyEditsLeavesTheLibraryExactlyAsItWas)
{
    const QByteArray before = PlaylistText(window->Artists, window->DiscPaths, ownList);
    const QStringList titles = SongTitles();
    RunEditor(
        &TMainF::EditMIClick,
        [this](TEditorF &editor) {
            editor.Songs->setCurrentItem(editor.Songs->topLevelItem(0)->child(1));
            editor.Edit1->setText("renamed");
            editor.YearEd->setText("2020");
            editor.MoveUpBtnClick();
            editor.ClearValuesBtnClick();
            editor.NewSongBtnClick();
            editor.edHTML->setText("other.htm");
            prompt->AnswerMessage(TPrompt::TAnswer::Yes);
            editor.ClearBtnClick();
            editor.NewArtistBtnClick();
        },
        QDialog::Rejected);
    EXPECT_EQ(PlaylistText(window->Artists, window->DiscPaths, ownList), before);
    EXPECT_EQ(SongTitles(), titles);
    EXPECT_FALSE(window->ListModified);
}

TEST_F(EditorCommandsTest, SaveWritesTheBoundFilesFormatEvenAfterACancelledNew)
{
    BindToM3U();
    RunEditor(
        &TMainF::NewMIClick, [](TEditorF &) {}, QDialog::Rejected);
    EXPECT_EQ(window->Settings.PlaylistType, 0);
    QFile::remove(m3uList);
    window->SaveMIClick();
    const QByteArray saved = ReadAll(m3uList);
    EXPECT_FALSE(saved.contains("[Common]")) << saved.constData();
    EXPECT_TRUE(saved.contains("a.mp3"));

    // An accepted New is not bound: Save asks for a name instead of writing into the M3U list.
    RunEditor(
        &TMainF::NewMIClick, [](TEditorF &editor) { editor.NewArtistBtnClick(); },
        QDialog::Accepted);
    prompt->CancelFile();
    window->SaveMIClick();
    EXPECT_TRUE(prompt->Asked.last().startsWith("save: "));
    EXPECT_EQ(ReadAll(m3uList), saved);
}

TEST_F(EditorCommandsTest, WhateverTheEditorAcceptsSavesAndReadsBackTheSame)
{
    const QString odd = Path("lists/=odd [name].mp3");
    RunEditor(
        &TMainF::EditMIClick,
        [&](TEditorF &editor) {
            const auto select = [&](int album, int song) {
                editor.Songs->setCurrentItem(
                    editor.Songs->topLevelItem(0)->child(album)->child(song));
            };
            select(0, 0);
            editor.Edit1->setText("line\r\nFile=/etc/passwd");
            editor.FNameEd1->setText(odd);
            select(0, 1);
            editor.Edit1->setText("=starts with equals");
            editor.CommentEd->setText("[Song]");
            select(0, 2);
            editor.Edit1->setText("[Artist]");
            editor.Songs->setCurrentItem(editor.Songs->topLevelItem(0)->child(1));
            editor.Edit1->setText("Ωmega ★ альбом");
            editor.YearEd->setText("=[");
        },
        QDialog::Accepted);
    const QStringList edited = Dump(window->Artists);
    window->SaveMIClick();
    const QByteArray saved = ReadAll(ownList);
    EXPECT_TRUE(saved.startsWith(kUtf8Bom)) << "text beyond Windows-1251 makes the list UTF-8";
    window->LoadPlaylist(ownList);
    EXPECT_EQ(Dump(window->Artists), edited);
    EXPECT_EQ(window->ExpandedSongs.Count(), 6);
    EXPECT_EQ(window->ExpandedSongs[0].Title(), "line  File=/etc/passwd");
    EXPECT_EQ(window->ExpandedSongs[0].File(), odd);
}

TEST(QtPromptTest, TheEditorsOpenDialogGetsItsTitleFolderNameAndQtFilters)
{
    QTemporaryDir dir;
    QFile(dir.filePath("song.mp3")).open(QIODevice::WriteOnly);
    TPrompt::TOpenRequest request;
    request.Title = "Выбор файла песни \"a\"";
    request.Filter = "MPEG аудио-файлы (*.mp1,*.mp2,*.mp3)|*.mp1;*.mp2;*.mp3|Все файлы (*.*)|*.*";
    request.InitialFolder = dir.path();
    request.FileName = "song.mp3";
    request.MultiSelect = true;
    QFileDialog dialog;
    SetUpOpenDialog(dialog, request);
    EXPECT_EQ(dialog.windowTitle(), request.Title);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog.directory().path(), dir.path());
    EXPECT_EQ(dialog.selectedFiles(), QStringList({dir.filePath("song.mp3")}));
    EXPECT_EQ(dialog.nameFilters(),
              QStringList({"MPEG аудио-файлы (*.mp1,*.mp2,*.mp3) (*.mp1 *.mp2 *.mp3)",
                           "Все файлы (*.*) (*.*)"}));
    request.MultiSelect = false;
    request.Title.clear();
    SetUpOpenDialog(dialog, request);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.windowTitle(), "Открыть");
}

} // namespace
