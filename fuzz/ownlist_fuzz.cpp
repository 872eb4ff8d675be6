// Own list reader on arbitrary bytes. Whatever it reads must write and read back unchanged:
// writing the read-back library gives the same bytes again.
#include "library/playlistfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray ReadAndWrite(QByteArrayView bytes, const QString &list)
{
    TArtistColl artists;
    TDiscPaths paths;
    ReadPlaylist(bytes, list, artists, paths);
    return PlaylistText(artists, paths, list);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString list = QStringLiteral("/fuzz/disc/list.pl");
    const QByteArray written =
        ReadAndWrite(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), list);
    if (ReadAndWrite(written, list) != written)
        std::abort();
    return 0;
}
