#include "widgets/zvfolderchooser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum TRole { KindRole = Qt::UserRole, PathRole, FilledRole };

TzvFolder FolderOf(const QTreeWidgetItem *node)
{
    return {TzvFolder::TKind(node->data(0, KindRole).toInt()), node->text(0),
            node->data(0, PathRole).toString()};
}

QIcon FolderIcon(const QFileIconProvider &icons, const TzvFolder &folder)
{
    switch (folder.Kind) {
    case TzvFolder::Volumes: return icons.icon(QFileIconProvider::Computer);
    case TzvFolder::NoPath: return icons.icon(QFileIconProvider::Network);
    default: return icons.icon(QFileIconProvider::Folder);
    }
}

// Whether the folder at base holds path (or is it).
bool Holds(const QString &base, const QString &path)
{
    if (path == base)
        return true;
    return path.startsWith(base.endsWith(u'/') ? base : base + u'/');
}

} // namespace

TzvFolderChooser::TzvFolderChooser(QWidget *parent, const TzvFolder &root, const QString &prompt,
                                   TAccept accept)
    : QDialog(parent), fAccept(accept)
{
    setWindowTitle(QStringLiteral("Обзор папок"));
    PromptLabel = new QLabel(prompt, this);
    PromptLabel->setWordWrap(true);
    PromptLabel->setVisible(!prompt.isEmpty());
    FolderTree = new QTreeWidget(this);
    FolderTree->setHeaderHidden(true);
    FolderTree->setAccessibleName(prompt.isEmpty() ? QStringLiteral("Папки") : prompt);
    FolderTree->setUniformRowHeights(true);
    FolderTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FolderTree->header()->setStretchLastSection(false);
    StatusLine = new QLabel(this);
    StatusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusLine->hide();
    auto *buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PromptLabel);
    layout->addWidget(FolderTree, 1);
    layout->addWidget(StatusLine);
    layout->addWidget(buttons);
    resize(380, 440);

    if (root.Kind == TzvFolder::Namespace) {
        for (const TzvFolder &folder : NamespaceFolders())
            AddNode(nullptr, folder);
    } else {
        AddNode(nullptr, root)->setExpanded(true);
    }
    connect(FolderTree, &QTreeWidget::itemExpanded, this, &TzvFolderChooser::Fill);
    if (QTreeWidgetItem *first = FolderTree->topLevelItem(0)) {
        Fill(first);
        FolderTree->setCurrentItem(first);
    }
    OkButton->setEnabled(CanConfirm());
    connect(FolderTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { CurrentChanged(current); });
}

QTreeWidgetItem *TzvFolderChooser::AddNode(QTreeWidgetItem *parent, const TzvFolder &folder)
{
    auto *node = new QTreeWidgetItem({folder.Name});
    node->setIcon(0, FolderIcon(fIcons, folder));
    node->setData(0, KindRole, int(folder.Kind));
    node->setData(0, PathRole, folder.Path);
    node->setToolTip(0, folder.Path);
    if (folder.Kind == TzvFolder::FileSystem || folder.Kind == TzvFolder::Volumes)
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (parent)
        parent->addChild(node);
    else
        FolderTree->addTopLevelItem(node);
    return node;
}

// Branches are read when they first open: a whole disc would take long, and most is never seen.
void TzvFolderChooser::Fill(QTreeWidgetItem *node)
{
    if (node->data(0, FilledRole).toBool())
        return;
    node->setData(0, FilledRole, true);
    const TzvFolder folder = FolderOf(node);
    QList<TzvFolder> children;
    if (folder.Kind == TzvFolder::Volumes)
        children = VolumeFolders();
    else if (folder.Kind == TzvFolder::FileSystem)
        children = SubFolders(folder.Path);
    for (const TzvFolder &child : children)
        AddNode(node, child);
    if (children.isEmpty())
        node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void TzvFolderChooser::SetStatusLineShown(bool shown)
{
    StatusLine->setVisible(shown);
}

void TzvFolderChooser::SetStatusText(const QString &text)
{
    StatusLine->setText(text);
}

QString TzvFolderChooser::StatusText() const
{
    return StatusLine->text();
}

// The node of the deepest folder the tree shows at its top (or among the volumes) that holds
// path: a file in ~/Music is reached through "Музыка" rather than through "/".
QTreeWidgetItem *TzvFolderChooser::ClosestNodeAbove(const QString &path)
{
    QList<QTreeWidgetItem *> candidates;
    for (int i = 0; i < FolderTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = FolderTree->topLevelItem(i);
        candidates << top;
        if (FolderOf(top).Kind == TzvFolder::Volumes) {
            Fill(top);
            for (int j = 0; j < top->childCount(); ++j)
                candidates << top->child(j);
        }
    }
    QTreeWidgetItem *closest = nullptr;
    qsizetype closestLength = -1;
    for (QTreeWidgetItem *node : candidates) {
        const TzvFolder folder = FolderOf(node);
        if (folder.Kind == TzvFolder::FileSystem && Holds(folder.Path, path) &&
            folder.Path.size() > closestLength) {
            closest = node;
            closestLength = folder.Path.size();
        }
    }
    return closest;
}

QTreeWidgetItem *TzvFolderChooser::ChildNamed(QTreeWidgetItem *node, const QString &name)
{
    Fill(node);
    for (int i = 0; i < node->childCount(); ++i)
        if (node->child(i)->text(0) == name)
            return node->child(i);
    // Hidden folders are not listed, but one can still be asked for.
    const QString path = FolderOf(node).Path;
    if (!QFileInfo(QDir(path).filePath(name)).isDir())
        return nullptr;
    return AddNode(node, SubFolder(path, name));
}

bool TzvFolderChooser::HighlightPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QTreeWidgetItem *node = ClosestNodeAbove(target);
    if (!node)
        return false;
    const QString base = FolderOf(node).Path;
    const QStringList names = target.mid(base.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &name : names) {
        node = ChildNamed(node, name);
        if (!node)
            return false;
    }
    Select(node);
    return true;
}

bool TzvFolderChooser::HighlightComputer()
{
    for (int i = 0; i < FolderTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = FolderTree->topLevelItem(i);
        if (FolderOf(top).Kind == TzvFolder::Volumes) {
            Select(top);
            return true;
        }
    }
    return false;
}

void TzvFolderChooser::Select(QTreeWidgetItem *node)
{
    FolderTree->setCurrentItem(node);
    FolderTree->scrollToItem(node);
}

std::optional<TzvFolder> TzvFolderChooser::Highlighted() const
{
    const QTreeWidgetItem *node = FolderTree->currentItem();
    if (!node)
        return std::nullopt;
    return FolderOf(node);
}

bool TzvFolderChooser::CanConfirm() const
{
    const std::optional<TzvFolder> folder = Highlighted();
    if (!folder)
        return false;
    switch (fAccept) {
    case AnyFolder: return true;
    case FileSystemFolders: return folder->Kind == TzvFolder::FileSystem;
    case NoFolder: return false;
    }
    return false;
}

void TzvFolderChooser::CurrentChanged(QTreeWidgetItem *current)
{
    OkButton->setEnabled(CanConfirm());
    if (current)
        emit HighlightChanged(FolderOf(current).Path);
}
