// Own list reader on arbitrary bytes; what it reads must also write and read back.
#include "library/playlistfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString list = QStringLiteral("/fuzz/disc/list.pl");
    TArtistColl artists;
    TDiscPaths paths;
    ReadPlaylist(bytes, list, artists, paths);
    TArtistColl again;
    TDiscPaths pathsAgain;
    ReadPlaylist(PlaylistText(artists, paths, list), list, again, pathsAgain);
    return 0;
}
