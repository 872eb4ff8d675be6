#include "mpegdll_loader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <thread>

namespace {

template <typename F> void bind(void *lib, F &entry, const char *name)
{
    entry = reinterpret_cast<F>(dlsym(lib, name));
    if (!entry) {
        std::fprintf(stderr, "mpegdll.so has no entry %s\n", name);
        std::abort();
    }
}

MpegDll load()
{
    void *lib = dlopen(MPEGDLL_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        std::fprintf(stderr, "cannot load %s: %s\n", MPEGDLL_PATH, dlerror());
        std::abort();
    }
    MpegDll d{};
    bind(lib, d.init, "init");
    bind(lib, d.deinit, "deinit");
    bind(lib, d.Open, "Open");
    bind(lib, d.Pause, "Pause");
    bind(lib, d.Restart, "Restart");
    bind(lib, d.Stop, "Stop");
    bind(lib, d.SetPriority, "SetPriority");
    bind(lib, d.SetOutputDevice, "SetOutputDevice");
    bind(lib, d.Play, "Play");
    bind(lib, d.Close, "Close");
    bind(lib, d.GetFrequency, "GetFrequency");
    bind(lib, d.GetBitrate, "GetBitrate");
    bind(lib, d.GetStereoMode, "GetStereoMode");
    bind(lib, d.GetLayer, "GetLayer");
    bind(lib, d.GetPlayerMode, "GetPlayerMode");
    bind(lib, d.GetCurrentPos, "GetCurrentPos");
    bind(lib, d.GetLength, "GetLength");
    bind(lib, d.ResetPlayerMode, "ResetPlayerMode");
    bind(lib, d.Seek, "Seek");
    bind(lib, d.SetSndDevice, "SetSndDevice");
    bind(lib, d.LastError, "LastError");
    return d;
}

} // namespace

const MpegDll &mpegdll()
{
    static const MpegDll library = load();
    return library;
}

std::string fixture(const std::string &name)
{
    return std::string(LORVANTA_TEST_DATA) + "/audio/" + name;
}

bool waitForEnd(const unsigned char &endByte, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!endReached(endByte)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
