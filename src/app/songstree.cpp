#include "app/songstree.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int ImageSize = 16;

QPixmap BlankImage()
{
    QPixmap pixmap(ImageSize, ImageSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A head and shoulders: the artist.
QIcon ArtistIcon()
{
    QPixmap pixmap = BlankImage();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 110));
    p.setBrush(QColor(120, 140, 220));
    p.drawEllipse(QRectF(5, 1, 6, 6));
    p.drawRoundedRect(QRectF(2, 8, 12, 7), 3, 3);
    return QIcon(pixmap);
}

// A disc: the album.
QIcon AlbumIcon()
{
    QPixmap pixmap = BlankImage();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(200, 200, 215));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6, 6, 4, 4));
    return QIcon(pixmap);
}

// A note, dark for a song and green for the selected song.
QPixmap NotePixmap(const QColor &colour)
{
    QPixmap pixmap = BlankImage();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour);
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 10, 5, 4));
    p.drawRect(QRectF(7, 2, 1.5, 10));
    p.drawRect(QRectF(7, 2, 5, 2));
    return pixmap;
}

} // namespace

TTreeNode::TTreeNode(TType type, const QString &caption)
    : QTreeWidgetItem(QStringList(caption), type)
{
}

QVariant TTreeNode::data(int column, int role) const
{
    if (role != Qt::DecorationRole || column != 0)
        return QTreeWidgetItem::data(column, role);
    QVariant own = QTreeWidgetItem::data(column, role);
    if (own.isValid())
        return own;
    const auto *tree = static_cast<const TSongsTree *>(treeWidget());
    return tree ? QVariant(tree->LevelImage(type())) : QVariant();
}

void TSongTreeItem::MakeVisibleAndSelect()
{
    QTreeWidget *tree = treeWidget();
    if (!tree)
        return;
    tree->scrollToItem(this);
    tree->setCurrentItem(this);
}

TSongsTree::TSongsTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName("SongsLst");
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setIndentation(19);
    setMouseTracking(true); // hot tracking
    setAttribute(Qt::WA_Hover);
    setUniformRowHeights(true);
    // Captions are shown whole: the one column is as wide as the rows in view need, and a
    // caption wider than the tree scrolls sideways instead of being cut.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setResizeContentsPrecision(0); // the rows in view: cheap with 100,000 nodes
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    // The selection stays visible when the tree loses focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);

    fImages << ArtistIcon() << AlbumIcon() << QIcon(NotePixmap(QColor(40, 40, 40)))
            << QIcon(NotePixmap(QColor(0, 150, 0)));
    fSongIcon = CombinedIcon(SongImage, SelectedSongImage);
}

QTreeWidgetItem *TSongsTree::NewArtistNode(const QString &caption) const
{
    return new TTreeNode(TTreeNode::ArtistNode, caption);
}

QTreeWidgetItem *TSongsTree::AddAlbumNode(QTreeWidgetItem *artist, const QString &caption) const
{
    auto *node = new TTreeNode(TTreeNode::AlbumNode, caption);
    artist->addChild(node);
    return node;
}

TSongTreeItem *TSongsTree::AddSongNode(QTreeWidgetItem *album, const QString &caption) const
{
    auto *node = new TSongTreeItem(caption);
    album->addChild(node);
    return node;
}

QIcon TSongsTree::LevelImage(int nodeType) const
{
    switch (nodeType) {
    case TTreeNode::ArtistNode: return fImages[ArtistImage];
    case TTreeNode::AlbumNode: return fImages[AlbumImage];
    case TTreeNode::SongNode: return fSongIcon;
    default: return QIcon();
    }
}

void TSongsTree::SetArtistNodes(const QList<QTreeWidgetItem *> &artists)
{
    clear();
    addTopLevelItems(artists);
}

int TSongsTree::AddImage(const QIcon &image)
{
    fImages << image;
    return int(fImages.size()) - 1;
}

QIcon TSongsTree::CombinedIcon(int image, int selectedImage) const
{
    if (image == selectedImage)
        return fImages[image];
    // One icon, two looks: the selected look is that icon's Selected mode.
    QIcon icon;
    icon.addPixmap(fImages[image].pixmap(ImageSize), QIcon::Normal);
    icon.addPixmap(fImages[selectedImage].pixmap(ImageSize), QIcon::Selected);
    return icon;
}

void TSongsTree::SetNodeImage(QTreeWidgetItem *node, int image, int selectedImage)
{
    if (image < 0 || image >= fImages.size() || selectedImage < 0 || selectedImage >= fImages.size())
        return;
    node->setIcon(0, CombinedIcon(image, selectedImage));
}

int TSongsTree::Level(const QTreeWidgetItem *node)
{
    int level = -1;
    for (; node; node = node->parent())
        ++level;
    return level;
}

QTreeWidgetItem *TSongsTree::Selected() const
{
    QTreeWidgetItem *node = currentItem();
    return node && node->isSelected() ? node : nullptr;
}

void TSongsTree::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        // A right click selects the node under the mouse before the pop-up menu shows.
        if (QTreeWidgetItem *node = itemAt(event->position().toPoint()))
            setCurrentItem(node);
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TSongsTree::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Activated();
}

void TSongsTree::keyReleaseEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat())
        emit Activated();
    QTreeWidget::keyReleaseEvent(event);
}

void TSongsTree::contextMenuEvent(QContextMenuEvent *event)
{
    emit PopupRequested(event->globalPos());
}
