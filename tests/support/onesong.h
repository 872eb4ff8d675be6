#pragma once
// A library of one song with its expanded record, for tests of code that reads a song's fields:
// the fields are set on the items, the code under test reads them through the record.

#include "library/expandedsong.h"

struct TOneSongLibrary {
    TOneSongLibrary() { song.Refer(artist, album, item); }

    TArtistColl artists;
    TArtistItem &artist = artists.Add();
    TAlbItem &album = artist.Albums.Add();
    TSongItem &item = album.Songs.Add();
    TExpandedSongColl songs;
    TExpandedSong &song = songs.Add();
};
