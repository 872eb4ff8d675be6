#pragma once
// The photo list's sources on disc: which files count as pictures, the scan of a picture folder
// (subfolders first, depth first, then the folder's own pictures, each folder's names sorted
// once) and the artists' picture-folder files, each line of which names one folder of photos.

#include "library/folderscan.h"
#include "library/model.h"

#include <QString>
#include <QStringList>

// Whether the file's extension, in any letter case, is .bmp, .jpg, .gif, .wmf, .emf, .dib or
// .jpeg (the formats the picture object decodes).
bool IsPictureFile(const QString &fileName);

// Appends to photos the pictures in folder, full paths with "/" separators: with descend, the
// pictures of every subfolder (in name order, each scanned with its own subfolders) come before
// the folder's own pictures (in name order). A folder that exists only in another letter case is
// found; one that is missing or cannot be read adds nothing. progress gets every folder before it
// is read, as given. A folder reached again through a link inside its own tree is skipped.
void ScanPictureFolder(const QString &folder, bool descend, QStringList &photos,
                       const TScanProgress &progress = {});

// Adds the folders named in the picture-folder file picPathsFile to folders, each ending in "/"
// (a drive-letter line keeps its "\"): a line starting with "\" is taken from the root of the
// file's volume, a full path as it is, any other line from the file's folder. A folder already
// in the list (without regard to letter case) is not added again; empty lines name no folder.
// A file that cannot be read adds nothing.
void ReadPictureFolderFile(const QString &picPathsFile, QStringList &folders);
// The same for the file's bytes (Windows-1251 unless UTF-8, as lists are).
void AddPictureFolders(QByteArrayView bytes, const QString &picPathsFile, QStringList &folders);

// ReadPictureFolderFile on the PicPaths file of every artist, in list order, whose file exists
// (found without regard to letter case).
void CollectArtistPhotoFolders(const TArtistColl &artists, QStringList &folders);

// Whether photos holds at least one non-empty entry.
bool HasPhotos(const QStringList &photos);
