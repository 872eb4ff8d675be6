// BMP files and packed DIBs (as metafiles and documents embed them) through Qt's BMP reader, on
// arbitrary bytes.
#include "picturefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPicture(data, size, size > 0 && data[0] == 'B' ? "BMP" : "DIB");
}
