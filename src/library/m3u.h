#pragma once
// M3U lists: reading one into a library of one artist and one album, a single sound file as a
// one-song library, writing the play list, and the M3U pack (a folder per artist with a list
// per album and one of all its songs, plus a list of all songs). No window work here.

#include "library/expandedsong.h"
#include "library/model.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Reads M3U bytes of the list listFile into artists (cleared first). Titles test whether a line
// names an existing file (as written, no case folding). A list named ".m3u8" is UTF-8; others are
// read as list text is (Windows-1251 unless UTF-8). "file:" URLs, as other players write them,
// name local files (percent escapes decoded). Network addresses ("http://...", any other scheme)
// are no files to play: they are left out, and returned so that the caller can say so.
QStringList ReadM3U(QByteArrayView bytes, const QString &listFile, TArtistColl &artists);
// Reads the file, then leaves the current folder at the list's folder; false (nothing changed,
// the current folder too) when the file does not exist. An unreadable file gives the empty album.
// The network addresses left out go to networkAddresses when given.
bool LoadM3U(const QString &listFile, TArtistColl &artists,
             QStringList *networkAddresses = nullptr);
// The one-song library "Файл" / "Пользовательский" for a sound file; false (nothing changed)
// when the file does not exist.
bool LoadSingleFile(const QString &fileName, TArtistColl &artists);

// The list text: one line per song with CR LF (full paths as the model holds them).
QByteArray M3UText(const TExpandedSongColl &songs);
// Writes the list atomically; throws EIOError on failure. A ".m3u8" list is UTF-8 without a
// byte-order mark, as players expect of that kind.
void SaveM3U(const QString &fileName, const TExpandedSongColl &songs);

// Writes the pack whose main list is packFile (ending in ".m3u"), with the artist folder and
// album file templates ("%I" and "%Y - %A" by default). Throws EIOError with
// "Не удается создать папку " and the folder when an artist folder cannot be made; lists written
// before a failure stay.
void SaveM3UPack(const QString &packFile, const TArtistColl &artists,
                 const QString &artistTemplate, const QString &albumTemplate);

// The path without any "/", "?", "*", "<" and ">".
QString StripInvalidChars(const QString &path);
// A name safe as one entry of a folder: StripInvalidChars, "\" removed too, and a name made
// only of dots replaced by "_" so it cannot climb out of its folder.
QString SafeSingleName(const QString &name);
