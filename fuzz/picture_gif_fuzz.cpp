// GIF's first frame through giflib, on arbitrary bytes.
#include "picturefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPicture(data, size, "GIF");
}
