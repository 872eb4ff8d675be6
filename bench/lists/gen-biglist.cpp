// gen-biglist OUT.pl [ARTISTS ALBUMS SONGS]: writes a generated own-format list for benchmarks.
#include "biglist.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: gen-biglist OUT.pl [ARTISTS ALBUMS SONGS]\n");
        return 1;
    }
    BigListShape shape;
    if (argc == 5) {
        shape.artists = std::atoi(argv[2]);
        shape.albumsPerArtist = std::atoi(argv[3]);
        shape.songsPerAlbum = std::atoi(argv[4]);
    }
    if (!WriteBigList(argv[1], shape)) {
        std::fprintf(stderr, "gen-biglist: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
