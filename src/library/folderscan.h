#pragma once
// Building a list from a disc's folders. The MP3 folder holds artist folders, each holding album
// folders of songs ("*.MP?"). Up to four parallel folders hold the companion material: covers
// (a folder per artist, one picture per album), texts (artist and album folders, one ".TXT" or
// ".RTF" per song), reviews (a folder per artist, one per album) and histories (a file per
// artist, named like the artist's folder). Covers and reviews pair with albums, texts with
// songs, by position in their sorted lists, never by name; histories alone go by name. Artist
// names, album names and years come from the folder names through the two folder templates;
// song titles from the ID3v1 tag, else the file name. Names are looked up without regard to
// letter case, so a disc mastered on Windows and copied to Linux builds the same list.

#include "library/model.h"

#include <QString>
#include <functional>

struct TFolderScanInput {
    QString Mp3Folder;    // required: nothing is built without it
    QString CoversFolder; // these four: empty means "do not look"
    QString TextsFolder;
    QString ReviewsFolder;
    QString HistoriesFolder;
    QString ArtistTemplate = QStringLiteral("%I");     // empty stands for "%I" too
    QString AlbumTemplate = QStringLiteral("%Y - %A"); // empty stands for "%Y - %A" too
};

// Called with the folder being read, the MP3 folder first and then each album folder: the
// scanning window shows the path and repaints, as the build runs on the window's thread.
using TScanProgress = std::function<void(const QString &folder)>;

// Replaces artists by the list read from the folders and returns true. Paths in the list are
// the folders as given (a missing "/" added; one that exists only in other letter case as
// found) followed by the names found on disk. A missing or unreadable MP3 folder gives an
// empty list; missing companion folders leave their fields empty.
// Returns false, artists unchanged, when the MP3 folder is empty. A bad template throws
// ETemplateError (library/foldertemplate.h) and leaves artists as they were: an error in the
// elements' order is found only at the first folder name matched.
bool BuildListFromFolders(const TFolderScanInput &input, TArtistColl &artists,
                          const TScanProgress &progress = {});
