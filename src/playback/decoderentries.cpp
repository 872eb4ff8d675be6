#include "playback/decoderentries.h"

#include "platform/shippedfiles.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

namespace {

template <typename Function> bool Bind(void *handle, const char *name, Function &slot)
{
    slot = reinterpret_cast<Function>(dlsym(handle, name));
    return slot != nullptr;
}

void *Load(const QString &path)
{
    return dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
}

} // namespace

bool TDecoderEntries::BindAll(void *h)
{
    return Bind(h, "init", init) && Bind(h, "deinit", deinit) && Bind(h, "Open", open) &&
           Bind(h, "Pause", pause) && Bind(h, "Restart", restart) && Bind(h, "Stop", stop) &&
           Bind(h, "SetPriority", setPriority) && Bind(h, "SetOutputDevice", setOutputDevice) &&
           Bind(h, "Play", play) && Bind(h, "Close", close) &&
           Bind(h, "GetFrequency", getFrequency) && Bind(h, "GetBitrate", getBitrate) &&
           Bind(h, "GetStereoMode", getStereoMode) && Bind(h, "GetLayer", getLayer) &&
           Bind(h, "GetPlayerMode", getPlayerMode) && Bind(h, "GetCurrentPos", getCurrentPos) &&
           Bind(h, "GetLength", getLength) && Bind(h, "ResetPlayerMode", resetPlayerMode) &&
           Bind(h, "Seek", seek) && Bind(h, "SetSndDevice", setSndDevice) &&
           Bind(h, "LastError", lastError);
}

void *OpenDecoderLibrary(const QString &folder)
{
    const QString name = QStringLiteral("mpegdll.so");
    if (!folder.isEmpty())
        return Load(folder.endsWith(u'/') ? folder + name : folder + u'/' + name);
    if (QCoreApplication::instance()) {
        const QStringList paths =
            ShippedPaths(QCoreApplication::applicationDirPath(), name, TShippedKind::Library);
        for (const QString &path : paths) {
            if (void *handle = Load(path)) return handle;
        }
    }
    return Load(name); // no slash: the system's library search
}
