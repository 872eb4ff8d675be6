#pragma once
// Songs: the editor's tree, the exact mirror of the library it edits (artists, their albums, the
// albums' songs). A node maps to the model by its position among its siblings. Nodes are lean:
// a caption of their own and their level's image, as a list of 100,000 songs needs.

#include <QIcon>
#include <QTreeWidget>

// The node images of the main window's tree: the song image shows the selected-song image as its
// Selected look.
struct TEditorNodeImages {
    QIcon Artist;
    QIcon Album;
    QIcon Song;
};

class TEditorNode : public QTreeWidgetItem {
public:
    enum TLevel { ArtistLevel, AlbumLevel, SongLevel };
    TEditorNode(TLevel level, const QString &caption);
    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant &value) override;

private:
    QString fCaption;
};

class TEditorTree : public QTreeWidget {
    Q_OBJECT
public:
    TEditorTree(const TEditorNodeImages &images, QWidget *parent = nullptr);

    // 0 artist, 1 album, 2 song; -1 for no node.
    static int Level(const QTreeWidgetItem *node);
    // A node's position among its siblings (the position of its item in its collection).
    static int Position(const QTreeWidgetItem *node);
    QIcon LevelImage(int level) const;

signals:
    // A right click (after selecting the node under the mouse) or the context-menu key.
    void PopupRequested(const QPoint &globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    TEditorNodeImages fImages;
};
