#pragma once
// The decoder library as a foreign program sees it: loaded with dlopen, its 21 entries bound by
// name. The types come from the library's header; nothing is linked.

#include "decoder/mpegdll.h"

#include <string>

struct MpegDll {
    decltype(&::init) init;
    decltype(&::deinit) deinit;
    decltype(&::Open) Open;
    decltype(&::Pause) Pause;
    decltype(&::Restart) Restart;
    decltype(&::Stop) Stop;
    decltype(&::SetPriority) SetPriority;
    decltype(&::SetOutputDevice) SetOutputDevice;
    decltype(&::Play) Play;
    decltype(&::Close) Close;
    decltype(&::GetFrequency) GetFrequency;
    decltype(&::GetBitrate) GetBitrate;
    decltype(&::GetStereoMode) GetStereoMode;
    decltype(&::GetLayer) GetLayer;
    decltype(&::GetPlayerMode) GetPlayerMode;
    decltype(&::GetCurrentPos) GetCurrentPos;
    decltype(&::GetLength) GetLength;
    decltype(&::ResetPlayerMode) ResetPlayerMode;
    decltype(&::Seek) Seek;
    decltype(&::SetSndDevice) SetSndDevice;
    decltype(&::LastError) LastError;

    // Opens a file in file mode.
    void OpenFile(const std::string &path) const
    {
        Open(path.c_str(), 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    }
};

// The library built with the tests, loaded once; aborts the test program when it cannot be.
const MpegDll &mpegdll();

// Path of a fixture in tests/data/audio.
std::string fixture(const std::string &name);

// Reads the end byte the library sets from its thread.
inline bool endReached(const unsigned char &endByte)
{
    return __atomic_load_n(&endByte, __ATOMIC_ACQUIRE) != 0;
}

// Waits until the end byte is set; false after `timeoutMs`.
bool waitForEnd(const unsigned char &endByte, int timeoutMs);
