#pragma once
// The disc's media folders: the walk shared by the photo and clip scans (subfolders first, depth
// first, then the folder's own files, each folder's names sorted once), the test of a file's
// kind by its extension, and the clip scan.

#include "library/folderscan.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

// Whether fileName ends in one of extensions (each with its "."), in any letter case.
bool HasExtension(const QString &fileName, std::initializer_list<QLatin1String> extensions);

// Appends to files the files in folder that wanted accepts, full paths with "/" separators:
// with descend, the files of every subfolder (in name order, each scanned with its own
// subfolders) come before the folder's own files (in name order). A folder that exists only in
// another letter case is found; one that is missing or cannot be read adds nothing. progress
// gets every folder before it is read, as given. A folder reached again through a link inside
// its own tree is skipped.
void ScanMediaFolder(const QString &folder, bool descend,
                     const std::function<bool(const QString &name)> &wanted, QStringList &files,
                     const TScanProgress &progress = {});

// Whether the file's extension, in any letter case, is .avi, .mpg, .wmv, .mov or .asf.
bool IsClipFile(const QString &fileName);

// Appends the clips of folder and of all its subfolders to clips, as ScanMediaFolder orders
// them: clips in subfolders, depth first, precede the clips of the folder itself.
void ScanClipFolder(const QString &folder, QStringList &clips, const TScanProgress &progress = {});
