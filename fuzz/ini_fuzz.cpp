// INI reader on arbitrary bytes.
#include "platform/ini.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TIniFile ini;
    ini.Parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    ini.ReadString(QStringLiteral("lorvanta"), QStringLiteral("playlist"));
    return 0;
}
