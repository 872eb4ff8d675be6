#pragma once
// The library model: artists, their albums and the albums' songs, as loaded from a list or made
// in the editor; and the flat play list derived from it. Paths are full native paths (or kept as
// written for drive-letter paths that cannot be resolved here); an empty text means "not given".

#include "library/collection.h"
#include "library/filepath.h"

#include <QString>
#include <functional>

class TSongItem : public TCollectionItem<TSongItem> {
public:
    TFilePath File;    // the sound file
    TFilePath Picture; // photo belonging to the song
    TFilePath Text;    // song text document
    QString Title;
    QString Comment;
};
using TSongColl = TCollection<TSongItem>;

class TAlbItem : public TCollectionItem<TAlbItem> {
public:
    TSongColl Songs;
    TFilePath Picture;   // album cover
    TFilePath Retsenzia; // album review document
    QString Name;
    QString Year; // free text, never parsed
};
using TAlbColl = TCollection<TAlbItem>;

class TArtistItem : public TCollectionItem<TArtistItem> {
public:
    TAlbColl Albums;
    QString Name;
    TFilePath History;  // artist history document
    TFilePath PicPaths; // text file listing photo folders, one per line
};
using TArtistColl = TCollection<TArtistItem>;

// The four disc-wide paths of a list ("[Common]" section).
struct TDiscPaths {
    QString AboutFile;
    QString PhotosFolder;
    QString HTMLFile;
    QString ClipsFolder;
    bool operator==(const TDiscPaths &) const = default;
};

// Deep copy of one artist collection into another; the destination is cleared first.
void CopyLibrary(const TArtistColl &source, TArtistColl &destination);

// Number of songs in the whole tree.
int CountSongs(const TArtistColl &artists);
