// ID3v1 tag parser on arbitrary file tails.
#include "library/id3v1.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TMP3TagInfo info;
    ParseID3v1Tag(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), info);
    return 0;
}
