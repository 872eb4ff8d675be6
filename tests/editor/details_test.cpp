// The detail panel: what it shows and enables for each kind of node, and every edit written into
// the model at once (renaming on each keystroke, the year rule, one-line texts).

#include "editorfixture.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

TEST_F(EditorTest, BeforeTheFirstSelectionOnlyCommandsWithoutANodeWork)
{
    FillStandardLibrary();
    EXPECT_EQ(editor->StaticText1->text(), "Название");
    for (QWidget *control : std::initializer_list<QWidget *>{
             editor->Edit1, editor->FNameEd1, editor->FNameEd2, editor->FNameEd3, editor->YearEd,
             editor->CommentEd, editor->BrwsForFNMEd1, editor->BrwsForFNMEd2, editor->BrwsForFNMEd3,
             editor->ClearValuesBtn, editor->GetTitleAndCommentBtn})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    for (QAction *command : {editor->NewAlbumBtn, editor->NewSongBtn, editor->AddSongsBtn,
                             editor->MoveUpBtn, editor->MoveDownBtn, editor->DelBtn})
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    for (QWidget *control : std::initializer_list<QWidget *>{
             editor->edPhotoPath, editor->edHTML, editor->edClips, editor->edAbout,
             editor->BrwsForPhoto, editor->BrwsForHTML, editor->BitBtn1, editor->OkBtn,
             editor->CancelBtn})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(editor->NewArtistBtn->isEnabled());
    EXPECT_TRUE(editor->ClearBtn->isEnabled());
    editor->NewAlbumBtnClick();
    editor->DelBtnClick();
    editor->ClearValuesBtnClick();
    EXPECT_EQ(editor->Artists.Count(), 2) << "commands on the selected node do nothing";
}

struct TPanelCase {
    int Artist, Album, Song;
    const char *NameCaption, *FileCaption;
    QString Name, File, Picture;
    bool SongOnly, AlbumOnly;
};

TEST_F(EditorTest, TheDetailPanelShowsAndEnablesWhatTheKindOfNodeHas)
{
    FillStandardLibrary();
    const TPanelCase cases[] = {
        {0, -1, -1, "&Исполнитель", "Истори&я", "Blue", Path("blue.txt"), Path("blue.pp"), false,
         false},
        {0, 0, -1, "&Альбом", "&Рецензия", "First", Path("first.rtf"), Path("first.jpg"), false,
         true},
        {0, 0, 1, "&Песня", "&Файл песни", "b", Path("b.mp3"), Path("b.jpg"), true, false},
    };
    for (const TPanelCase &c : cases) {
        SCOPED_TRACE(c.NameCaption);
        Select(c.Artist, c.Album, c.Song);
        EXPECT_EQ(editor->CurArtist, c.Artist);
        EXPECT_EQ(editor->StaticText1->text(), c.NameCaption);
        EXPECT_EQ(editor->StaticText2->text(), c.FileCaption);
        EXPECT_EQ(editor->Edit1->text(), c.Name);
        EXPECT_EQ(editor->FNameEd1->text(), c.File);
        EXPECT_EQ(editor->FNameEd2->text(), c.Picture);
        for (QWidget *control : std::initializer_list<QWidget *>{
                 editor->FNameEd3, editor->TextLbl, editor->BrwsForFNMEd3, editor->CommentEd,
                 editor->CommentLbl, editor->GetTitleAndCommentBtn})
            EXPECT_EQ(control->isEnabled(), c.SongOnly) << control->objectName().toStdString();
        EXPECT_EQ(editor->YearEd->isEnabled(), c.AlbumOnly);
        EXPECT_EQ(editor->YearLbl->isEnabled(), c.AlbumOnly);
        EXPECT_TRUE(editor->NewAlbumBtn->isEnabled());
        EXPECT_EQ(editor->NewSongBtn->isEnabled(), c.Album >= 0);
        EXPECT_EQ(editor->AddSongsBtn->isEnabled(), c.Album >= 0);
        EXPECT_TRUE(editor->ClearValuesBtn->isEnabled());
    }
    // A song shows its album's year and its own text and comment.
    EXPECT_EQ(editor->YearEd->text(), "1999");
    EXPECT_EQ(editor->FNameEd3->text(), Path("b.txt"));
    EXPECT_EQ(editor->CommentEd->text(), "comment b");

    // A disabled edit keeps what it showed.
    Select(1);
    EXPECT_EQ(editor->FNameEd3->text(), Path("b.txt"));
    EXPECT_EQ(editor->CommentEd->text(), "comment b");
}

TEST_F(EditorTest, MoveButtonsAreEnabledOnlyTowardsANeighbour)
{
    FillStandardLibrary();
    const struct {
        int Artist, Album, Song;
        bool Up, Down;
    } cases[] = {{0, -1, -1, false, true}, {1, -1, -1, true, false}, {0, 0, -1, false, true},
                 {0, 1, -1, true, false},  {1, 0, -1, false, false}, {1, 0, 1, true, true},
                 {1, 0, 2, true, false}};
    for (const auto &c : cases) {
        Select(c.Artist, c.Album, c.Song);
        EXPECT_EQ(editor->MoveUpBtn->isEnabled(), c.Up) << c.Artist << c.Album << c.Song;
        EXPECT_EQ(editor->MoveDownBtn->isEnabled(), c.Down) << c.Artist << c.Album << c.Song;
    }
}

TEST_F(EditorTest, TypingRenamesTheNodeAndItsItemOnEveryKeystroke)
{
    FillStandardLibrary();
    Select(0, 0, 1);
    editor->Edit1->clear();
    EXPECT_EQ(Node(0, 0, 1)->text(0), "") << "an emptied name leaves an empty label";
    EXPECT_EQ(editor->Artists[0].Albums[0].Songs[1].Title, "");
    QString typed;
    for (const QString key : {"Н", "о", "ч", "ь"}) {
        Type(editor->Edit1, key);
        typed += key;
        EXPECT_EQ(Node(0, 0, 1)->text(0), typed);
        EXPECT_EQ(editor->Artists[0].Albums[0].Songs[1].Title, typed);
    }
    Select(1, 0);
    Type(editor->Edit1, "!");
    EXPECT_EQ(editor->Artists[1].Albums[0].Name, "Only!");
    EXPECT_EQ(Node(1, 0)->text(0), "Only!");
    EXPECT_EQ(editor->Artists[0].Albums[0].Songs[1].Title, "Ночь") << "the song stays as it was";
}

TEST_F(EditorTest, RenamingANodeInPlaceRenamesItsItemThroughEdit1)
{
    FillStandardLibrary();
    Select(1);
    Node(1)->setData(0, Qt::EditRole, "Зелёные");
    EXPECT_EQ(editor->Edit1->text(), "Зелёные");
    EXPECT_EQ(editor->Artists[1].Name, "Зелёные");
}

TEST_F(EditorTest, EachEditWritesOnlyTheFieldOfTheSelectedKind)
{
    FillStandardLibrary();
    Select(0, 0, 0);
    editor->FNameEd3->setText("text.rtf");
    editor->CommentEd->setText("new comment");
    editor->FNameEd2->setText("photo.jpg");
    const TSongItem &song = editor->Artists[0].Albums[0].Songs[0];
    EXPECT_EQ(song.Text, "text.rtf");
    EXPECT_EQ(song.Comment, "new comment");
    EXPECT_EQ(song.Picture, "photo.jpg");
    editor->YearEd->setText("2024"); // shown for a song, never written from there
    EXPECT_EQ(editor->Artists[0].Albums[0].Year, "1999");

    Select(0);
    editor->FNameEd2->setText("paths.txt");
    editor->FNameEd3->setText("stray.txt"); // disabled for an artist: writes nowhere
    EXPECT_EQ(editor->Artists[0].PicPaths, "paths.txt");
    EXPECT_EQ(song.Text, "text.rtf");

    Select(0, 1);
    editor->YearEd->setText("2001");
    editor->FNameEd1->setText("review.txt");
    EXPECT_EQ(editor->Artists[0].Albums[1].Year, "2001");
    EXPECT_EQ(editor->Artists[0].Albums[1].Retsenzia, "review.txt");
}

TEST_F(EditorTest, AFourCharacterYearTakesNoFurtherCharacterNotEvenBackspace)
{
    FillStandardLibrary();
    Select(0, 0);
    Type(editor->YearEd, "5");
    EXPECT_EQ(editor->YearEd->text(), "1999");
    Type(editor->YearEd, "\b");
    EXPECT_EQ(editor->YearEd->text(), "1999");
    editor->YearEd->setText("19");
    Type(editor->YearEd, "x7");
    EXPECT_EQ(editor->YearEd->text(), "19x7") << "no digit check";
    Type(editor->YearEd, "\b");
    EXPECT_EQ(editor->Artists[0].Albums[0].Year, "19x7");
    QKeyEvent end(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(editor->YearEd, &end);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(editor->YearEd, &del);
    EXPECT_EQ(editor->Artists[0].Albums[0].Year, "9x7") << "keys that type nothing still work";
}

TEST_F(EditorTest, LineBreaksAndNulsBecomeBlanksSoASavedListReadsBackTheSame)
{
    FillStandardLibrary();
    Select(0, 0, 0);
    editor->Edit1->setText("two\r\nlines");
    editor->CommentEd->setText(QString("nul") + QChar(0) + "inside");
    const TSongItem &song = editor->Artists[0].Albums[0].Songs[0];
    EXPECT_EQ(song.Title, "two  lines");
    EXPECT_EQ(Node(0, 0, 0)->text(0), "two  lines");
    EXPECT_EQ(editor->Edit1->text(), "two  lines");
    EXPECT_EQ(song.Comment, "nul inside");
}

} // namespace
