#pragma once
// TzvBrowseFolderDialog: a component owned by a form that lets the user pick a folder and hands
// back its path. Each run shows the modal folder chooser (zvfolderchooser.h) through the prompt
// seam, over a root (the whole namespace, a special folder or a given folder), with a prompt, an
// optional status line (a text of the caller's or the highlighted folder's path) and a folder
// highlighted at the start.
//
// Every property setter that finds the new value equal to the old one does nothing; otherwise it
// stores the value, does its extra work and emits its own change signal.

#include "widgets/zvspecialfolders.h"

#include <QFlags>
#include <QObject>
#include <QString>

class QWidget;
class TzvFolderChooser;

enum TzvBrowseOption {
    boBrowseForComputer = 0x01,
    boBrowseForPrinter = 0x02,
    boDontGoBelowDomain = 0x04,
    boAncestor = 0x08,
    boSystemDirs = 0x10,
};
Q_DECLARE_FLAGS(TzvBrowseOptions, TzvBrowseOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TzvBrowseOptions)

// The browser flags the options stand for, and the status-line flag.
inline constexpr unsigned BIF_RETURNONLYFSDIRS = 0x0001;
inline constexpr unsigned BIF_DONTGOBELOWDOMAIN = 0x0002;
inline constexpr unsigned BIF_STATUSTEXT = 0x0004;
inline constexpr unsigned BIF_RETURNFSANCESTORS = 0x0008;
inline constexpr unsigned BIF_BROWSEFORCOMPUTER = 0x1000;
inline constexpr unsigned BIF_BROWSEFORPRINTER = 0x2000;

class TzvBrowseFolderDialog : public QObject {
    Q_OBJECT
public:
    // All properties at their defaults: root the whole namespace, nothing else set. The chooser
    // belongs to owner's window when owner is a widget. OnCreate follows at the next turn of the
    // event loop, so that the owner's connections made after construction see it.
    explicit TzvBrowseFolderDialog(QObject *owner = nullptr);

    // Runs the chooser modally; true when the user confirmed a folder, whose path is then
    // SelectedFolder (empty for a folder without a file-system path).
    bool Execute();

    TzvSpecialFolder RootFolder() const { return fRootFolder; }
    // Any root but sfUserDefinedRoot empties CustomRootFolder.
    void SetRootFolder(TzvSpecialFolder root);
    QString Caption() const { return fCaption; } // the chooser's title; empty: its own
    void SetCaption(const QString &caption);
    QString Text() const { return fText; } // the prompt above the folder tree
    void SetText(const QString &text);
    // The folder of the last confirmed run; a cancelled run leaves it as it was.
    QString SelectedFolder() const { return fSelectedFolder; }
    // The root when RootFolder is sfUserDefinedRoot; setting it makes that the root.
    QString CustomRootFolder() const { return fCustomRootFolder; }
    void SetCustomRootFolder(const QString &folder);
    bool HasStatusText() const { return fHasStatusText; } // show StatusText in a status line
    void SetHasStatusText(bool has);
    QString StatusText() const { return fStatusText; }
    void SetStatusText(const QString &text);
    // Show the highlighted folder's path in the status line (before StatusText).
    bool ShowCurrentPath() const { return fShowCurrentPath; }
    void SetShowCurrentPath(bool show);
    TzvBrowseOptions Options() const { return fOptions; }
    void SetOptions(TzvBrowseOptions options);
    // The folder highlighted when the chooser opens; empty: the computer's folder under the
    // whole namespace, the root otherwise.
    QString StartSelectedFolder() const { return fStartSelectedFolder; }
    void SetStartSelectedFolder(const QString &folder);

    // The browser flags: those of the options, with BIF_STATUSTEXT for a status line.
    unsigned Flags() const { return fFlags; }
    // The folder at the top of the chooser, computed when the root is set.
    const TzvFolder &RootItem() const { return fRootItem; }

signals:
    void OnCreate();
    void OnBeforeExecute();
    void OnAfterExecute();
    // Around the chooser's set-up, before it shows.
    void OnBeforeInit(QWidget *dialog);
    void OnAfterInit(QWidget *dialog);
    // Around each move of the highlight; currentPath is empty for a folder without a path.
    void OnBeforeChange(QWidget *dialog, const QString &currentPath);
    void OnAfterChange(QWidget *dialog, const QString &currentPath);
    void OnRootFolderChange();
    void OnOptionsChange();
    void OnHasStatusTextChange();
    void OnCaptionChange();
    void OnTextChange();
    void OnShowCurrentPathChange();
    void OnCustomRootFolderChange();
    void OnStartSelectedFolderChange();

protected:
    // The chooser is set up: caption, status line, the folder highlighted first.
    virtual void BrowserInitialized(TzvFolderChooser *dialog);
    // The highlight moved: the status line follows it when ShowCurrentPath is set.
    virtual void HighlightChanged(TzvFolderChooser *dialog, const QString &path);

private:
    void UpdateFlags();
    void UpdateRootItem();
    QWidget *OwnerWindow() const;

    TzvSpecialFolder fRootFolder = sfDesktop;
    QString fCaption;
    QString fText;
    QString fSelectedFolder;
    QString fCustomRootFolder;
    bool fHasStatusText = false;
    QString fStatusText;
    bool fShowCurrentPath = false;
    TzvBrowseOptions fOptions;
    QString fStartSelectedFolder;
    unsigned fFlags = 0;
    TzvFolder fRootItem;
    QString fPathBuffer; // the path last shown in the status line, kept between runs
};
