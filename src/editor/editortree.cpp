#include "editor/editortree.h"

#include <QContextMenuEvent>
#include <QHeaderView>

namespace {

bool IsCaptionRole(int column, int role)
{
    return column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole);
}

} // namespace

TEditorNode::TEditorNode(TLevel level, const QString &caption)
    : QTreeWidgetItem(int(UserType) + int(level)), fCaption(caption)
{
    setFlags(flags() | Qt::ItemIsEditable); // renaming in place renames the item
}

QVariant TEditorNode::data(int column, int role) const
{
    if (IsCaptionRole(column, role))
        return fCaption;
    if (column == 0 && role == Qt::DecorationRole && treeWidget())
        return static_cast<const TEditorTree *>(treeWidget())->LevelImage(type() - UserType);
    return QTreeWidgetItem::data(column, role);
}

void TEditorNode::setData(int column, int role, const QVariant &value)
{
    if (!IsCaptionRole(column, role)) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    fCaption = value.toString();
    emitDataChanged();
}

TEditorTree::TEditorTree(const TEditorNodeImages &images, QWidget *parent)
    : QTreeWidget(parent), fImages(images)
{
    setObjectName("Songs");
    setAccessibleName("Список воспроизведения");
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(SingleSelection);
    setEditTriggers(EditKeyPressed | SelectedClicked);
    setUniformRowHeights(true);
    setIndentation(19);
    header()->setStretchLastSection(true);
}

int TEditorTree::Level(const QTreeWidgetItem *node)
{
    return node ? node->type() - QTreeWidgetItem::UserType : -1;
}

int TEditorTree::Position(const QTreeWidgetItem *node)
{
    if (QTreeWidgetItem *parent = node->parent())
        return parent->indexOfChild(const_cast<QTreeWidgetItem *>(node));
    return node->treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(node));
}

QIcon TEditorTree::LevelImage(int level) const
{
    switch (level) {
    case TEditorNode::ArtistLevel: return fImages.Artist;
    case TEditorNode::AlbumLevel: return fImages.Album;
    case TEditorNode::SongLevel: return fImages.Song;
    default: return QIcon();
    }
}

void TEditorTree::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click selects the node under the mouse first; the menu key keeps the selection.
    if (event->reason() == QContextMenuEvent::Mouse)
        if (QTreeWidgetItem *node = itemAt(event->pos()))
            setCurrentItem(node);
    emit PopupRequested(event->globalPos());
}
