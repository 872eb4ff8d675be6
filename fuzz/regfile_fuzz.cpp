// Feeds arbitrary bytes to the settings file reader; whatever it accepts must write back to a
// file that reads the same.

#include "settings/regfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TRegKey root;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!ParseRegFile(bytes, root).Ok)
        return 0;
    const QByteArray written = FormatRegFile(root);
    TRegKey again;
    if (!ParseRegFile(written, again).Ok || FormatRegFile(again) != written)
        std::abort();
    return 0;
}
