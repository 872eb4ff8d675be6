#pragma once
// Drives the decoder test double (tests/fakempegdll) from a test. Link the CMake target
// fakempegdll_control: it builds the double and defines FAKE_MPEGDLL_DIR (its folder, for
// TMPEGPlayer::PathToDLL) and FAKE_MPEGDLL_NOSEEK_DIR (a variant without the "Seek" entry).
//
// The control functions are bound from the same file the player loads, so both share one copy
// of the double's state. Typical use:
//   fakempegdll::Reset();                      // in SetUp
//   player.PathToDLL = FAKE_MPEGDLL_DIR; player.LoadDecoder();
//   fakempegdll::FailNext("Open", 3);          // the next "Open" fails with "LastError" 3
//   fakempegdll::End();                        // the song has ended; the next tick reports it
//   EXPECT_EQ(fakempegdll::Calls(), (std::vector<std::string>{"SetPriority(0)", ...}));
//
// Call log lines: "init", "Open(/x.mp3,0)" (",+callbacks" added when any callback or user data
// is passed; "nil" for a null name), "Pause(0)", "Restart", "Stop", "SetPriority(0)",
// "SetOutputDevice(2,/o.wav)", "SetSndDevice(0)", "Play(0,0)", "Close", "Seek(1000)", and the
// bare names of the queries ("GetCurrentPos", "GetLength", ...). "LastError" is not logged;
// MissedChecks() counts entry calls that were not followed by "LastError".
//
// Defaults: "init" succeeds; "Open" sets mode 1, "Play" and "Restart" mode 3, "Pause"(0) 4,
// "Pause"(1) 3, "Stop" 2, End() 2, "Close" 0; length 250000 ms, position 0, bit rate 128000,
// frequency 44100, stereo mode 1, layer 3.

#include <dlfcn.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace fakempegdll {

inline void *Handle()
{
    static void *handle = dlopen(FAKE_MPEGDLL_DIR "/mpegdll.so", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw std::runtime_error(std::string("fake mpegdll.so not found: ") + dlerror());
    return handle;
}

template <typename Function> Function *Bind(const char *name)
{
    void *symbol = dlsym(Handle(), name);
    if (!symbol)
        throw std::runtime_error(std::string("fake mpegdll.so lacks ") + name);
    return reinterpret_cast<Function *>(symbol);
}

// Forgets every call, script and state: a freshly loaded library.
inline void Reset() { Bind<void()>("fake_reset")(); }
inline void ClearCalls() { Bind<void()>("fake_clear_calls")(); }

// The calls since the last Reset or ClearCalls, one entry per call.
inline std::vector<std::string> Calls()
{
    std::vector<std::string> lines;
    std::string all = Bind<const char *()>("fake_calls")();
    for (size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(all.substr(start, end - start));
    return lines;
}

inline int MissedChecks() { return Bind<int32_t()>("fake_missed_checks")(); }

// The result an entry returns from now on ("init", "Play", "GetBitrate", "GetPlayerMode", ...).
inline void SetResult(const char *entry, int value)
{
    Bind<void(const char *, int32_t)>("fake_set_result")(entry, value);
}
// The next call of entry fails: it changes nothing, and "LastError" then gives code ("init"
// also returns false, "Play" returns 1).
inline void FailNext(const char *entry, int code)
{
    Bind<void(const char *, int32_t)>("fake_fail_next")(entry, code);
}
inline void SetMode(int mode) { Bind<void(int32_t)>("fake_set_mode")(mode); }
inline void SetPos(int ms) { Bind<void(int32_t)>("fake_set_pos")(ms); }
inline void SetLength(int ms) { Bind<void(int32_t)>("fake_set_length")(ms); }
// On: "Open" of a file that does not exist fails with code 3.
inline void SetCheckFiles(bool on) { Bind<void(int32_t)>("fake_set_check_files")(on ? 1 : 0); }
// Sets the end byte handed to the last successful "Play"; false when nothing has been played.
inline bool End() { return Bind<int32_t()>("fake_end")() != 0; }

// Stream mode: calls the callbacks handed to "Open" as the library's reader would, with the
// context the open callback gave. Without callbacks: -2 (seek, size), 2 (restart), 0 (read).
inline bool StreamRead(void *buffer, int toRead, int &read)
{
    int32_t got = 0;
    bool ok =
        Bind<int32_t(void *, int32_t, int32_t *)>("fake_stream_read")(buffer, toRead, &got) != 0;
    read = got;
    return ok;
}
inline int StreamSeek(int numbytes, int moveMethod)
{
    return Bind<int32_t(int32_t, int32_t)>("fake_stream_seek")(numbytes, moveMethod);
}
inline int StreamSize() { return Bind<int32_t()>("fake_stream_size")(); }
inline int StreamRestart() { return Bind<int32_t()>("fake_stream_restart")(); }
inline void *StreamContext() { return Bind<void *()>("fake_stream_context")(); }

} // namespace fakempegdll
