// The tree commands: filling the tree, new items, moving, deleting and clearing, and taking a
// song's title and comment from its file.

#include "editor/editorf.h"

#include "library/id3v1.h"
#include "library/listtext.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// Builds the nodes of a whole branch outside the tree: a list of 100,000 songs put in node by
// node would be announced to the view node by node.
QTreeWidgetItem *ArtistBranch(const TArtistItem &artist)
{
    auto *artistNode = new TEditorNode(TEditorNode::ArtistLevel, artist.Name);
    for (const TAlbItem &album : artist.Albums) {
        auto *albumNode = new TEditorNode(TEditorNode::AlbumLevel, album.Name);
        artistNode->addChild(albumNode);
        QList<QTreeWidgetItem *> songNodes;
        songNodes.reserve(album.Songs.Count());
        for (const TSongItem &song : album.Songs)
            songNodes << new TEditorNode(TEditorNode::SongLevel, song.Title);
        albumNode->addChildren(songNodes);
    }
    return artistNode;
}

QString Numbered(const char *name, int number)
{
    return QString::fromUtf8(name) + QString::number(number);
}

} // namespace

void TEditorF::FillTree()
{
    Songs->setUpdatesEnabled(false);
    Songs->clear();
    QList<QTreeWidgetItem *> artistNodes;
    artistNodes.reserve(Artists.Count());
    for (const TArtistItem &artist : Artists)
        artistNodes << ArtistBranch(artist);
    Songs->addTopLevelItems(artistNodes);
    Songs->setUpdatesEnabled(true);
    SelectionChanged();
}

QTreeWidgetItem *TEditorF::AppendNode(QTreeWidgetItem *parent, TEditorNode::TLevel level,
                                      const QString &caption)
{
    auto *node = new TEditorNode(level, caption);
    if (parent)
        parent->addChild(node);
    else
        Songs->addTopLevelItem(node);
    return node;
}

// Selects node and makes it visible (its branch opens).
void TEditorF::Select(QTreeWidgetItem *node)
{
    Songs->setCurrentItem(node);
    Songs->scrollToItem(node);
}

void TEditorF::NewArtistBtnClick()
{
    const QString name = Numbered("Артист", Artists.Count() + 1);
    Artists.Add().Name = name;
    Select(AppendNode(nullptr, TEditorNode::ArtistLevel, name));
}

void TEditorF::NewAlbumBtnClick()
{
    TArtistItem *artist = SelArtist();
    if (!artist)
        return;
    QTreeWidgetItem *artistNode = Songs->topLevelItem(CurArtist);
    const QString name = Numbered("Альбом", artist->Albums.Count() + 1);
    artist->Albums.Add().Name = name;
    Select(AppendNode(artistNode, TEditorNode::AlbumLevel, name));
}

void TEditorF::NewSongBtnClick()
{
    TAlbItem *album = SelAlbum();
    if (!album)
        return;
    QTreeWidgetItem *albumNode = Songs->topLevelItem(CurArtist)->child(CurAlbum);
    const QString name = Numbered("Песня", album->Songs.Count() + 1);
    album->Songs.Add().Title = name;
    Select(AppendNode(albumNode, TEditorNode::SongLevel, name));
}

void TEditorF::MoveUpBtnClick()
{
    MoveSelected(-1);
}

void TEditorF::MoveDownBtnClick()
{
    MoveSelected(+1);
}

// A song changes places with its neighbour, captions and all; an artist or album moves in its
// collection and the tree is rebuilt (every branch closes) with the moved node selected.
void TEditorF::MoveSelected(int step)
{
    QTreeWidgetItem *node = Songs->currentItem();
    switch (SelectedLevel()) {
    case TEditorNode::SongLevel: {
        TAlbItem *album = SelAlbum();
        const int to = CurSong + step;
        if (!SelSong() || !album->Songs.IsValidIndex(to))
            return;
        album->Songs.Move(CurSong, to);
        QTreeWidgetItem *neighbour = node->parent()->child(to);
        {
            const QSignalBlocker quiet(Songs); // the captions follow the items already moved
            const QString caption = node->text(0);
            node->setText(0, neighbour->text(0));
            neighbour->setText(0, caption);
        }
        Select(neighbour);
        break;
    }
    case TEditorNode::AlbumLevel: {
        TArtistItem *artist = SelArtist();
        const int to = CurAlbum + step;
        if (!SelAlbum() || !artist->Albums.IsValidIndex(to))
            return;
        artist->Albums.Move(CurAlbum, to);
        const int artistPosition = CurArtist;
        FillTree();
        Select(Songs->topLevelItem(artistPosition)->child(to));
        break;
    }
    case TEditorNode::ArtistLevel: {
        const int to = CurArtist + step;
        if (!SelArtist() || !Artists.IsValidIndex(to))
            return;
        Artists.Move(CurArtist, to);
        FillTree();
        Select(Songs->topLevelItem(to));
        break;
    }
    default: break;
    }
}

void TEditorF::DelBtnClick()
{
    QTreeWidgetItem *node = Songs->currentItem();
    bool deleted = false;
    const auto remove = [&deleted](auto &item) {
        item.Collection()->Delete(item.Index());
        deleted = true;
    };
    ForSelected(remove, remove, remove);
    if (!deleted)
        return;
    {
        // The tree moves its selection while the node is still there: the positions it would
        // give then are not those of the model. The details follow once it is gone.
        const QSignalBlocker quiet(Songs);
        delete node;
    }
    if (QTreeWidgetItem *current = Songs->currentItem())
        current->setSelected(true);
    SelectionChanged();
}

void TEditorF::ClearBtnClick()
{
    if (Prompt().Message(this, TPrompt::TKind::Confirmation,
                         "Вы уверены, что хотите очистить весь редактируемый список "
                         "воспроизведения?",
                         TPrompt::TButtons::YesNo) != TPrompt::TAnswer::Yes)
        return;
    Songs->clear();
    Artists.Clear();
    SelectionChanged();
    for (QLineEdit *edit : {Edit1, FNameEd1, FNameEd2, FNameEd3, YearEd, CommentEd})
        edit->clear();
}

// Empties the names and the files of the selected item; an artist keeps its picture-paths file,
// an album its review.
void TEditorF::ClearValuesBtnClick()
{
    const auto clear = [](std::initializer_list<QLineEdit *> edits) {
        for (QLineEdit *edit : edits)
            edit->clear();
    };
    ForSelected(
        [&](TArtistItem &artist) {
            artist.Name.clear();
            artist.History = TFilePath();
            clear({Edit1, FNameEd1});
        },
        [&](TAlbItem &album) {
            album.Name.clear();
            album.Picture = TFilePath();
            album.Year.clear();
            clear({Edit1, FNameEd2, YearEd});
        },
        [&](TSongItem &song) {
            song.Title.clear();
            song.File = TFilePath();
            song.Picture = TFilePath();
            song.Text = TFilePath();
            song.Comment.clear();
            clear({Edit1, FNameEd1, FNameEd2, FNameEd3, CommentEd});
        });
}

void TEditorF::GetTitleAndCommentBtnClick()
{
    if (SelectedLevel() != TEditorNode::SongLevel)
        return;
    const QString file = NamedFile(FNameEd1->text());
    if (file.isEmpty())
        return;
    TMP3TagInfo tag;
    ReadID3v1Tag(file, tag);
    Edit1->setText(tag.Title);
    CommentEd->setText(tag.Comment);
}
