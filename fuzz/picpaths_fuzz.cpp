// The picture-folder file (an artist's PicPaths) on arbitrary bytes.
#include "library/picturescan.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList folders;
    AddPictureFolders(bytes, QStringLiteral("/fuzz/disc/pics.txt"), folders);
    return 0;
}
