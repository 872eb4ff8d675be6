#pragma once
// Generates a large own-format list for benchmarks: every path and text field set, Cyrillic
// names, Windows-1251 with CR LF, relative paths with "\" as discs made on Windows have them.
// The files the list names are not created.

#include <string>

struct BigListShape {
    int artists = 1000;
    int albumsPerArtist = 10;
    int songsPerAlbum = 10;
};

// Writes the list to path; false when the file cannot be written.
bool WriteBigList(const std::string &path, const BigListShape &shape = {});
