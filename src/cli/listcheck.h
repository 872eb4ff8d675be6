#pragma once
// A disc author's check of a list before burning: every file and folder the list names exists,
// and reads as the player will read it. Songs must hold MPEG audio frames, pictures must decode
// through the picture component, RTF documents must be whole. A name found only in another
// letter case works here and on Windows but not on a case-sensitive copy of the disc: it is
// reported apart, and the file found is checked further.

#include "library/model.h"

#include <QString>
#include <vector>

// Where the list names a file.
struct TCheckEntry {
    QString Section; // "Common", "Artist", "Album" or "Song"
    QString Key;     // the key as the list writes it: "File", "Picture", "PicPaths", ...
    int Artist = 0;  // positions from 1; 0 where the section has none
    int Album = 0;
    int Song = 0;
    QString Title; // the artist's or album's name, the song's title; empty for "Common"
};

struct TCheckProblem {
    QString File;    // as the list gives it, made a full path
    QString Problem; // "missing", "case", "foreign", "not-file", "not-folder", "unreadable",
                     // "not-mpeg", "bad-picture" or "bad-text"
    QString Detail;  // what is wrong, for a person
    QString Found;   // for "case": the name the file has on disc; empty otherwise
    TCheckEntry Entry;
};

// Checks every file and folder the list names: the disc-wide paths, then each artist (history,
// picture-folder file and the folders its lines name, reported under the artist's "PicPaths"), album (cover, review) and song (sound
// file, picture, text) in list order. The problems in that order; none for a clean list. A file
// named by several entries is read once and reported for each of them.
std::vector<TCheckProblem> CheckList(const TArtistColl &artists, const TDiscPaths &paths);
