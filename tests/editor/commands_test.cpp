// The tree commands: default names, moving with the tree rebuilt or not, deleting, clearing,
// clearing values and the title and comment from a song's file.

#include "editorfixture.h"

#include <QAction>
#include <QLineEdit>

namespace {

TEST_F(EditorTest, NewItemsAreNumberedOnFromTheirCollectionAndSelected)
{
    FillStandardLibrary();
    editor->NewArtistBtnClick();
    EXPECT_EQ(editor->Artists[2].Name, "Артист3");
    EXPECT_EQ(editor->Songs->currentItem(), Node(2));
    EXPECT_EQ(editor->Edit1->text(), "Артист3");
    editor->NewAlbumBtnClick();
    editor->NewSongBtnClick();
    editor->NewSongBtnClick(); // with the new song selected: a sibling of it
    EXPECT_EQ(TreeText().mid(11),
              QStringList({"Артист3", "  Альбом1", "    Песня1", "    Песня2"}));
    EXPECT_EQ(editor->Songs->currentItem(), Node(2, 0, 1));

    Select(0, 0, 1); // a song of Blue's first album: the new album goes last in Blue
    editor->NewAlbumBtnClick();
    EXPECT_EQ(editor->Artists[0].Albums[2].Name, "Альбом3");
    EXPECT_EQ(Node(0, 2)->text(0), "Альбом3");
    Select(1, 0);
    editor->NewSongBtnClick();
    EXPECT_EQ(editor->Artists[1].Albums[0].Songs[3].Title, "Песня4");
    EXPECT_TRUE(editor->Artists[1].Albums[0].Songs[3].File.isEmpty());
}

TEST_F(EditorTest, MovingAnAlbumRebuildsTheTreeCollapsedWithTheMovedAlbumSelected)
{
    FillStandardLibrary();
    Node(1)->setExpanded(true);
    Node(0)->setExpanded(true);
    Node(0, 0)->setExpanded(true);
    Select(0, 1);
    editor->MoveUpBtnClick();
    EXPECT_EQ(editor->Artists[0].Albums[0].Name, "Second");
    EXPECT_EQ(editor->Artists[0].Albums[1].Index(), 1);
    EXPECT_EQ(TreeText().mid(0, 6),
              QStringList({"Blue", "  Second", "    c", "  First", "    a", "    b"}));
    EXPECT_EQ(editor->Songs->currentItem(), Node(0, 0));
    EXPECT_EQ(editor->Edit1->text(), "Second");
    EXPECT_TRUE(Node(0)->isExpanded()) << "the moved album is shown";
    EXPECT_FALSE(Node(0, 1)->isExpanded());
    EXPECT_FALSE(Node(1)->isExpanded());

    Select(0);
    editor->MoveDownBtnClick();
    EXPECT_EQ(editor->Artists[1].Name, "Blue");
    EXPECT_EQ(editor->Songs->currentItem(), Node(1));
    EXPECT_EQ(editor->CurArtist, 1);
    EXPECT_FALSE(editor->MoveDownBtn->isEnabled());
}

TEST_F(EditorTest, MovingASongSwapsItWithItsNeighbourWithoutRebuilding)
{
    FillStandardLibrary();
    Node(0)->setExpanded(true);
    QTreeWidgetItem *before = Node(1, 0, 1);
    Select(1, 0, 1);
    editor->MoveDownBtnClick();
    EXPECT_EQ(TreeText().mid(7), QStringList({"  Only", "    d", "    f", "    e"}));
    EXPECT_EQ(editor->Artists[1].Albums[0].Songs[2].Title, "e");
    EXPECT_EQ(editor->Songs->currentItem(), Node(1, 0, 2));
    EXPECT_EQ(editor->CurSong, 2);
    EXPECT_EQ(Node(1, 0, 1), before) << "the nodes stay, their captions change places";
    EXPECT_TRUE(Node(0)->isExpanded());
    Type(editor->Edit1, "!");
    EXPECT_EQ(editor->Artists[1].Albums[0].Songs[2].Title, "e!");
    editor->MoveUpBtnClick();
    editor->MoveUpBtnClick();
    EXPECT_EQ(TreeText().mid(8), QStringList({"    e!", "    d", "    f"}));
    EXPECT_FALSE(editor->MoveUpBtn->isEnabled());
}

TEST_F(EditorTest, DeletingSelectsANeighbourWhoseEditsReachItsOwnItem)
{
    FillStandardLibrary();
    for (int song : {0, 1}) {
        Select(1, 0, song);
        editor->DelBtnClick();
    }
    EXPECT_EQ(TreeText().mid(6), QStringList({"Green", "  Only", "    e"}));
    const TAlbItem &only = editor->Artists[1].Albums[0];
    ASSERT_EQ(only.Songs.Count(), 1);
    EXPECT_EQ(editor->Songs->currentItem(), Node(1, 0, 0));
    EXPECT_TRUE(Node(1, 0, 0)->isSelected());
    Type(editor->Edit1, "!");
    EXPECT_EQ(only.Songs[0].Title, "e!");

    Select(0); // an artist takes its albums and songs with it
    editor->DelBtnClick();
    EXPECT_EQ(editor->Artists.Count(), 1);
    EXPECT_EQ(editor->Artists[0].Name, "Green");
    Select(0);
    editor->DelBtnClick();
    EXPECT_EQ(editor->Songs->topLevelItemCount(), 0);
    EXPECT_FALSE(editor->Edit1->isEnabled());
    editor->Edit1->setText("nowhere"); // nothing is selected: nothing may be written
    editor->FNameEd1->setText("nowhere");
    EXPECT_EQ(editor->Artists.Count(), 0);
}

TEST_F(EditorTest, ClearAllAsksFirstAndKeepsTheDiscWideEntries)
{
    FillStandardLibrary();
    editor->edHTML->setText("html/index.htm");
    Select(0, 0, 0);
    prompt.AnswerMessage(TPrompt::TAnswer::No);
    editor->ClearBtnClick();
    EXPECT_EQ(editor->Artists.Count(), 2);
    prompt.AnswerMessage(TPrompt::TAnswer::Yes);
    editor->ClearBtnClick();
    EXPECT_EQ(prompt.Messages, QStringList(2, "Вы уверены, что хотите очистить весь редактируемый "
                                              "список воспроизведения?"));
    EXPECT_EQ(editor->Artists.Count(), 0);
    EXPECT_EQ(editor->Songs->topLevelItemCount(), 0);
    for (QLineEdit *edit : {editor->Edit1, editor->FNameEd1, editor->FNameEd2, editor->FNameEd3,
                            editor->YearEd, editor->CommentEd})
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    EXPECT_EQ(editor->edHTML->text(), "html/index.htm");
    editor->NewArtistBtnClick();
    EXPECT_EQ(editor->Artists[0].Name, "Артист1");
}

TEST_F(EditorTest, ClearValuesKeepsAnArtistsPicturePathsAndAnAlbumsReview)
{
    FillStandardLibrary();
    Select(0);
    editor->ClearValuesBtnClick();
    const TArtistItem &blue = editor->Artists[0];
    EXPECT_TRUE(blue.Name.isEmpty());
    EXPECT_TRUE(blue.History.isEmpty());
    EXPECT_EQ(blue.PicPaths, Path("blue.pp"));
    EXPECT_EQ(editor->FNameEd2->text(), Path("blue.pp"));
    EXPECT_EQ(Node(0)->text(0), "");

    Select(0, 0);
    editor->ClearValuesBtnClick();
    const TAlbItem &first = blue.Albums[0];
    EXPECT_TRUE(first.Name.isEmpty() && first.Picture.isEmpty() && first.Year.isEmpty());
    EXPECT_EQ(first.Retsenzia, Path("first.rtf"));
    EXPECT_EQ(editor->FNameEd1->text(), Path("first.rtf"));

    Select(0, 0, 0);
    editor->ClearValuesBtnClick();
    const TSongItem &song = first.Songs[0];
    EXPECT_TRUE(song.Title.isEmpty() && song.File.isEmpty() && song.Picture.isEmpty() &&
                song.Text.isEmpty() && song.Comment.isEmpty());
    EXPECT_EQ(first.Songs[1].Title, "b");
}

TEST_F(EditorTest, FromFileTakesTheTagsTitleAndCommentWhenTheFileExists)
{
    FillStandardLibrary();
    Select(0, 0, 0);
    editor->FNameEd1->setText(WriteFile("tagged.mp3", "Утро", "запись 1999"));
    editor->GetTitleAndCommentBtnClick();
    const TSongItem &song = editor->Artists[0].Albums[0].Songs[0];
    EXPECT_EQ(song.Title, "Утро");
    EXPECT_EQ(song.Comment, "запись 1999");
    EXPECT_EQ(Node(0, 0, 0)->text(0), "Утро");

    editor->FNameEd1->setText(WriteFile("untagged.mp3"));
    editor->GetTitleAndCommentBtnClick();
    EXPECT_EQ(song.Title, "") << "no tag: both emptied";
    EXPECT_EQ(song.Comment, "");

    editor->Edit1->setText("kept");
    editor->FNameEd1->setText(Path("missing.mp3"));
    editor->GetTitleAndCommentBtnClick();
    EXPECT_EQ(song.Title, "kept");
}

} // namespace
