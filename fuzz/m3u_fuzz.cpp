// M3U reader on arbitrary bytes, and the writer on what it read.
#include "library/m3u.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TArtistColl artists;
    // Both kinds: ".m3u8" takes every byte for UTF-8, ".m3u" guesses.
    ReadM3U(bytes, QStringLiteral("/fuzz/list.m3u8"), artists);
    ReadM3U(bytes, QStringLiteral("/fuzz/list.m3u"), artists);
    TExpandedSongColl songs;
    FlattenLibrary(artists, songs, nullptr, {});
    M3UText(songs);
    return 0;
}
