// The detail panel: showing the selected node, and writing every change of an edit into the
// model item of the selected node at once.

#include "editor/editorf.h"

#include "library/listtext.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// Captions of StaticText1 and StaticText2 by level.
const char *const kNameCaptions[] = {"&Исполнитель", "&Альбом", "&Песня"};
const char *const kFileCaptions[] = {"Истори&я", "&Рецензия", "&Файл песни"};

// Puts text into an edit unless it holds it already (which would write nothing new).
void Show(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void EnableWithLabel(QWidget *edit, QLabel *label, bool enabled)
{
    edit->setEnabled(enabled);
    label->setEnabled(enabled);
}

} // namespace

int TEditorF::SelectedLevel() const
{
    return TEditorTree::Level(Songs->currentItem());
}

TArtistItem *TEditorF::SelArtist()
{
    return SelectedLevel() >= 0 && Artists.IsValidIndex(CurArtist) ? &Artists[CurArtist] : nullptr;
}

TAlbItem *TEditorF::SelAlbum()
{
    TArtistItem *artist = SelectedLevel() >= 1 ? SelArtist() : nullptr;
    return artist && artist->Albums.IsValidIndex(CurAlbum) ? &artist->Albums[CurAlbum] : nullptr;
}

TSongItem *TEditorF::SelSong()
{
    TAlbItem *album = SelectedLevel() >= 2 ? SelAlbum() : nullptr;
    return album && album->Songs.IsValidIndex(CurSong) ? &album->Songs[CurSong] : nullptr;
}

// Before the first selection (and once nothing is selected) only the commands that need no node
// work.
void TEditorF::ShowNoNode()
{
    StaticText1->setText("Название");
    for (QWidget *control : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(StaticText1),
                             static_cast<QWidget *>(ClearValuesBtn)})
        control->setEnabled(false);
    EnableDetails(-1);
    for (QAction *command : {NewAlbumBtn, DelBtn, MoveUpBtn, MoveDownBtn})
        command->setEnabled(false);
}

// Enables the detail controls for a node of level (-1: none).
void TEditorF::EnableDetails(int level)
{
    const bool any = level >= 0;
    const bool album = level == TEditorNode::AlbumLevel;
    const bool song = level == TEditorNode::SongLevel;
    EnableWithLabel(FNameEd1, StaticText2, any);
    BrwsForFNMEd1->setEnabled(any);
    EnableWithLabel(FNameEd2, PictureLbl, any);
    BrwsForFNMEd2->setEnabled(any);
    EnableWithLabel(FNameEd3, TextLbl, song);
    BrwsForFNMEd3->setEnabled(song);
    EnableWithLabel(YearEd, YearLbl, album);
    EnableWithLabel(CommentEd, CommentLbl, song);
    GetTitleAndCommentBtn->setEnabled(song);
    NewSongBtn->setEnabled(album || song);
    AddSongsBtn->setEnabled(album || song);
}

void TEditorF::SelectionChanged()
{
    if (Songs->currentItem())
        ShowNodeDetails();
    else
        ShowNoNode();
}

void TEditorF::ShowNodeDetails()
{
    QTreeWidgetItem *node = Songs->currentItem();
    const int level = TEditorTree::Level(node);
    if (level < 0)
        return;
    // The positions come first: filling an edit writes its text back through them.
    int position = TEditorTree::Position(node);
    int count = 0;
    if (level == TEditorNode::ArtistLevel) {
        CurArtist = position;
        count = Artists.Count();
    } else if (level == TEditorNode::AlbumLevel) {
        CurArtist = TEditorTree::Position(node->parent());
        CurAlbum = position;
        count = SelArtist() ? SelArtist()->Albums.Count() : 0;
    } else {
        CurArtist = TEditorTree::Position(node->parent()->parent());
        CurAlbum = TEditorTree::Position(node->parent());
        CurSong = position;
        count = SelAlbum() ? SelAlbum()->Songs.Count() : 0;
    }
    Edit1->setEnabled(true);
    StaticText1->setEnabled(true);
    StaticText1->setText(kNameCaptions[level]);
    StaticText2->setText(kFileCaptions[level]);
    EnableDetails(level);
    NewAlbumBtn->setEnabled(true);
    DelBtn->setEnabled(true);
    MoveUpBtn->setEnabled(position > 0);
    MoveDownBtn->setEnabled(position < count - 1);
    ForSelected(
        [this](TArtistItem &artist) {
            Show(Edit1, artist.Name);
            Show(FNameEd1, artist.History);
            Show(FNameEd2, artist.PicPaths);
        },
        [this](TAlbItem &album) {
            Show(Edit1, album.Name);
            Show(FNameEd1, album.Retsenzia);
            Show(FNameEd2, album.Picture);
            Show(YearEd, album.Year);
        },
        [this](TSongItem &song) {
            Show(Edit1, song.Title);
            Show(FNameEd1, song.File);
            Show(FNameEd2, song.Picture);
            Show(FNameEd3, song.Text);
            Show(CommentEd, song.Comment);
            Show(YearEd, SelAlbum()->Year);
        });
    ClearValuesBtn->setEnabled(true);
}

// A node renamed in place renames its item through Edit1.
void TEditorF::NodeRenamed(QTreeWidgetItem *node)
{
    if (node == Songs->currentItem())
        Show(Edit1, node->text(0));
}

void TEditorF::ForSelected(const std::function<void(TArtistItem &)> &artist,
                           const std::function<void(TAlbItem &)> &album,
                           const std::function<void(TSongItem &)> &song)
{
    switch (SelectedLevel()) {
    case TEditorNode::ArtistLevel:
        if (TArtistItem *item = SelArtist(); item && artist)
            artist(*item);
        break;
    case TEditorNode::AlbumLevel:
        if (TAlbItem *item = SelAlbum(); item && album)
            album(*item);
        break;
    case TEditorNode::SongLevel:
        if (TSongItem *item = SelSong(); item && song)
            song(*item);
        break;
    default: break;
    }
}

// Everything typed goes into the model as one line, so that a list saved from it reads back the
// same (a line break or NUL cannot stand in a list).
void TEditorF::Edit1Change()
{
    const QString text = OneLineText(Edit1->text());
    bool written = false;
    ForSelected(
        [&](TArtistItem &artist) {
            artist.Name = text;
            written = true;
        },
        [&](TAlbItem &album) {
            album.Name = text;
            written = true;
        },
        [&](TSongItem &song) {
            song.Title = text;
            written = true;
        });
    QTreeWidgetItem *node = Songs->currentItem();
    if (written && node->text(0) != text)
        node->setText(0, text);
}

void TEditorF::FNameEd1Change()
{
    const QString text = OneLineText(FNameEd1->text());
    ForSelected([&](TArtistItem &artist) { artist.History = text; },
                [&](TAlbItem &album) { album.Retsenzia = text; },
                [&](TSongItem &song) { song.File = text; });
}

void TEditorF::FNameEd2Change()
{
    const QString text = OneLineText(FNameEd2->text());
    ForSelected([&](TArtistItem &artist) { artist.PicPaths = text; },
                [&](TAlbItem &album) { album.Picture = text; },
                [&](TSongItem &song) { song.Picture = text; });
}

void TEditorF::FNameEd3Change()
{
    const QString text = OneLineText(FNameEd3->text());
    ForSelected({}, {}, [&](TSongItem &song) { song.Text = text; });
}

void TEditorF::CommentEdChange()
{
    const QString text = OneLineText(CommentEd->text());
    ForSelected({}, {}, [&](TSongItem &song) { song.Comment = text; });
}

// Shown for a song too, but only an album's year is written.
void TEditorF::YearEdChange()
{
    const QString text = OneLineText(YearEd->text());
    ForSelected({}, [&](TAlbItem &album) { album.Year = text; }, {});
}
