#pragma once
// The kinds of list the program opens, and how a file's name decides its kind.

#include <QString>

// List types as "PlaylistType" stores them.
enum TListType { OwnListType = 0, M3UListType = 1, SoundFileType = 2, UnknownListType = -1 };

// The type by the file's extension, as Open's "all supported files" chooses it: ".PL" own list,
// ".M3U" or ".M3U8" M3U list, ".MP1", ".MP2", ".MP3" sound file (any letter case); anything else
// unknown.
int ListTypeOfFile(const QString &fileName);
// Whether the name ends in ".m3u8" (any letter case): an M3U list that is UTF-8 whatever its bytes.
bool IsM3U8Name(const QString &fileName);
