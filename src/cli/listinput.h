#pragma once
// Reading a command's input the way the Open command does: the list type follows the file's
// extension (".pl" own list, ".m3u" or ".m3u8" M3U list, ".mp1"/".mp2"/".mp3" one sound file; any
// letter case). Unlike the player, which silently keeps its library, a missing, unreadable or
// folder input is bad input here and raises ECliError.

#include "library/expandedsong.h"
#include "library/listtype.h"
#include "library/model.h"

#include <QString>

struct TLoadedList {
    TListType type = OwnListType;
    TArtistColl artists;
    TDiscPaths paths;           // empty for M3U lists and single files
    TExpandedSongColl playList; // the flat play list, for the commands that make it
};

// The absolute, cleaned form of a path given on the command line (relative to the current folder).
QString AbsoluteArgPath(const QString &path);

// Raises ECliError unless path names a regular file that can be opened for reading.
void RequireReadableFile(const QString &path);

// The list type for a file name; ECliError for an extension the Open command does not know.
TListType ListKindOf(const QString &path);

// Loads an absolute path into the command's one list, which is never freed: a command reads one
// list and the process ends right after it, and freeing 100,000 songs string by string would
// cost a quarter of the whole run. ECliError on bad input. The network addresses an M3U list names
// are left out, each with a line on standard error.
TLoadedList &LoadCommandList(const QString &path);

// "pl", "m3u" or "single".
const char *ListKindName(TListType type);
