#pragma once
// SongsLst: the play list tree with exactly three levels (artist, album, song). Nodes carry no
// data of their own; a node maps to the model by its position among its siblings. Song nodes are
// the tree nodes the core selects when a song opens.

#include "library/expandedsong.h"

#include <QIcon>
#include <QList>
#include <QTreeWidget>

// A node of the tree. Its level is its item type; a node without an image of its own shows its
// level's image, so a hundred thousand nodes do not each carry a copy of it. The caption is kept
// as a plain text (usually sharing the model's title) rather than in the item's list of values.
class TTreeNode : public QTreeWidgetItem {
public:
    enum TType { ArtistNode = UserType, AlbumNode, SongNode };
    TTreeNode(TType type, const QString &caption);
    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant &value) override;

private:
    QString fCaption;
};

class TSongTreeItem : public TTreeNode, public TSongNode {
public:
    explicit TSongTreeItem(const QString &caption) : TTreeNode(SongNode, caption) {}
    void MakeVisibleAndSelect() override;
};

class TSongsTree : public QTreeWidget {
    Q_OBJECT
public:
    // Node images: 0 artist, 1 album, 2 song, 3 selected song. Further images (album cover
    // thumbnails) are appended by AddImage and never removed.
    enum TImage { ArtistImage, AlbumImage, SongImage, SelectedSongImage };

    explicit TSongsTree(QWidget *parent = nullptr);

    // Nodes are built outside the tree and put in with all their children at once (a list of a
    // hundred thousand songs would otherwise be announced to the view node by node).
    QTreeWidgetItem *NewArtistNode(const QString &caption) const;
    QTreeWidgetItem *AddAlbumNode(QTreeWidgetItem *artist, const QString &caption) const;
    TSongTreeItem *AddSongNode(QTreeWidgetItem *album, const QString &caption) const;
    // Replaces every node of the tree by artists (built by the three functions above).
    void SetArtistNodes(const QList<QTreeWidgetItem *> &artists);

    int AddImage(const QIcon &image);
    int ImageCount() const { return int(fImages.size()); }
    // Sets a node's image; for a song node the selected state shows selectedImage.
    void SetNodeImage(QTreeWidgetItem *node, int image, int selectedImage);

    // 0 artist, 1 album, 2 song; -1 for no node.
    static int Level(const QTreeWidgetItem *node);
    // The image a node of the given type shows when it has none of its own.
    QIcon LevelImage(int nodeType) const;
    // The selected node, or null.
    QTreeWidgetItem *Selected() const;

signals:
    // A double click, or the Enter key released on the tree.
    void Activated();
    // A right click (after selecting the node under the mouse) or the context-menu key.
    void PopupRequested(const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QIcon CombinedIcon(int image, int selectedImage) const;

    QList<QIcon> fImages;
    QIcon fSongIcon; // the song image with the selected-song image as its selected look
};
