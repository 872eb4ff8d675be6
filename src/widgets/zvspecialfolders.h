#pragma once
// The folders the folder chooser shows, and the shell's special folders as a person on Linux
// expects them: the desktop, documents, music, pictures and videos from the XDG user folders,
// the computer as the list of mounted volumes, the file-system root, the home folder and the
// trash. Folders with no Linux counterpart (printers, control panel, the network) are folders
// without a file-system path.

#include <QList>
#include <QString>

// The roots the component offers, in the shell's order.
enum TzvSpecialFolder {
    sfRecycleBin,
    sfControlPanel,
    sfDesktop,
    sfDesktopDirectory,
    sfMyComputer,
    sfFonts,
    sfNetHood,
    sfNetwork,
    sfPersonal,
    sfPrinters,
    sfPrograms,
    sfRecent,
    sfSendTo,
    sfStartMenu,
    sfStartup,
    sfTemplates,
    sfUserDefinedRoot
};

// One folder of the chooser's tree.
struct TzvFolder {
    enum TKind {
        Namespace,  // everything: the top of the tree is the list of NamespaceFolders()
        FileSystem, // a folder on disk; its subfolders are its children
        Volumes,    // the computer: the mounted volumes are its children
        NoPath,     // a shell folder with no Linux counterpart: no path, no children
    };
    TKind Kind = Namespace;
    QString Name; // as shown
    QString Path; // FileSystem only: the absolute path

    bool operator==(const TzvFolder &) const = default;
};

// The folder a special folder stands for. The whole namespace for sfDesktop and
// sfUserDefinedRoot, and where the folder a special folder maps to is missing on this machine.
TzvFolder SpecialFolderRoot(TzvSpecialFolder folder);
// The folder at path (made absolute); the whole namespace when path names no folder.
TzvFolder CustomFolderRoot(const QString &path);

// The top of the whole namespace: home, desktop, documents, music, pictures, videos, the
// computer, the file-system root and the trash, each where it exists.
QList<TzvFolder> NamespaceFolders();
// The computer's folder (Kind Volumes).
TzvFolder ComputerFolder();
// The mounted volumes a person would browse (no kernel or memory file systems), by mount point.
QList<TzvFolder> VolumeFolders();
// The subfolders of a folder on disk that are not hidden, by name without regard to case.
QList<TzvFolder> SubFolders(const QString &path);
// The folder named name inside the folder at path.
TzvFolder SubFolder(const QString &path, const QString &name);
