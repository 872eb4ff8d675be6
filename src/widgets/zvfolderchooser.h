#pragma once
// The modal folder chooser behind the folder browse component: a prompt, the tree of folders
// below a root (branches are read from disk when they open), a status line the caller sets, and
// OK and Cancel. The desktop's own folder dialog cannot show a prompt or a status line.

#include "widgets/zvspecialfolders.h"

#include <QDialog>
#include <QFileIconProvider>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TzvFolderChooser : public QDialog {
    Q_OBJECT
public:
    // Which highlighted folders OK confirms.
    enum TAccept {
        AnyFolder,         // folders without a file-system path too
        FileSystemFolders, // only folders on disk
        NoFolder,          // computers or printers only, of which the tree has none
    };

    TzvFolderChooser(QWidget *parent, const TzvFolder &root, const QString &prompt, TAccept accept);

    void SetStatusLineShown(bool shown);
    void SetStatusText(const QString &text);
    QString StatusText() const;

    // Highlights the folder at path, opening the branches on the way; false (the highlight
    // unchanged) when the tree does not reach it.
    bool HighlightPath(const QString &path);
    // Highlights the computer's folder (the mounted volumes); false when the tree has none.
    bool HighlightComputer();
    // The highlighted folder; nullopt when none is.
    std::optional<TzvFolder> Highlighted() const;
    // Whether OK would confirm the highlighted folder.
    bool CanConfirm() const;

    QLabel *PromptLabel;
    QTreeWidget *FolderTree;
    QLabel *StatusLine;
    QPushButton *OkButton;

signals:
    // The highlight moved to another folder; path is empty for a folder without one.
    void HighlightChanged(const QString &path);

private:
    QTreeWidgetItem *AddNode(QTreeWidgetItem *parent, const TzvFolder &folder);
    void Fill(QTreeWidgetItem *node);
    QTreeWidgetItem *ClosestNodeAbove(const QString &path);
    QTreeWidgetItem *ChildNamed(QTreeWidgetItem *node, const QString &name);
    void Select(QTreeWidgetItem *node);
    void CurrentChanged(QTreeWidgetItem *current);

    TAccept fAccept;
    QFileIconProvider fIcons;
};
