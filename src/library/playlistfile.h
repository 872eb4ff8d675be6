#pragma once
// The program's own list format (".pl"): a sectioned text file with the four disc-wide paths
// and the artist/album/song tree, read by a count-driven walk over its lines. Paths are stored
// relative to the list's folder. These functions do no window work (status text, rebuild):
// callers do that around them.

#include "library/model.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// Called once before each album is read (the main window lets pending events run there).
using TAlbumProgress = std::function<void()>;

// Reads list bytes into artists (cleared first) and paths (replaced: all four paths come from
// the list, empty when not given). listFile decides how relative values are expanded. Reading
// stops at a NUL byte and never goes past the last line.
void ReadPlaylist(QByteArrayView bytes, const QString &listFile, TArtistColl &artists,
                  TDiscPaths &paths, const TAlbumProgress &onAlbum = {});

// Loads the list file as above, then leaves the current folder at the list's folder.
// A missing or unreadable file (or a folder) gives an empty library and empty paths: false.
bool LoadPlaylist(const QString &listFile, TArtistColl &artists, TDiscPaths &paths,
                  const TAlbumProgress &onAlbum = {});

// The file content for listFile: Windows-1251 with CR LF, or UTF-8 with a byte-order mark when
// some text does not fit Windows-1251.
QByteArray PlaylistText(const TArtistColl &artists, const TDiscPaths &paths,
                        const QString &listFile);

// Writes the list atomically; throws EIOError (the old file untouched) on failure.
void SavePlaylist(const QString &listFile, const TArtistColl &artists, const TDiscPaths &paths);
