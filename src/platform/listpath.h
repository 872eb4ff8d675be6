#pragma once
// The path rules of list files, with their Linux meaning. Values are read with "\" and "/" as
// separators: a value starting with "\" is taken from the root (mount point) of the list's
// volume, one starting with "/" is a full Linux path, a drive-letter ("E:\x.mp3") or network
// ("\\server\x") value cannot be resolved here and is kept verbatim; any other value is relative
// to the list's folder. "." and ".." are resolved. Writing gives a path relative to the list's
// folder when it lies on the same volume (with "\" in own lists, "/" in M3U lists, which players
// on Linux and on Windows both read), else the full Linux path; verbatim values are written back
// unchanged. No function here depends on the current folder, and none
// touches the disk per path (the volume table is read once per TListPaths).

#include <QString>
#include <QStringList>
#include <QStringView>

class TListPaths {
public:
    // For the list file listFile (absolute or relative to the current folder).
    explicit TListPaths(const QString &listFile);

    // The list's folder, absolute, ending in "/".
    const QString &Folder() const { return fFolder; }
    // Mount point of the volume holding the folder, ending in "/".
    const QString &VolumeRoot() const { return fVolumeRoot; }

    // A value as read from a list, made a full path; empty stays empty.
    QString Expand(QStringView value) const;
    // A full path made into the value to write, its folders separated by separator; empty stays
    // empty.
    QString Relative(const QString &path, QChar separator = u'\\') const;

private:
    bool OnListVolume(const QString &path) const;

    QString fFolder;
    QString fVolumeRoot;
    QStringList fNestedMounts; // mount points below fVolumeRoot, each ending in "/"
};

// True for values kept verbatim: a drive letter and colon, or a leading "\\".
bool IsForeignPath(QStringView value);
// The file-name part of a path: the text after its last "\", "/" or ":".
QString FileNamePart(const QString &path);
// The folder of a file path, absolute, ending in "/" (computed without the current folder when
// the path is absolute).
QString FolderOf(const QString &path);
