// A stand-in for the decoder library mpegdll.so: it exports the same 21 entries, behaves like a
// plausible decoder without decoding anything, records every call with its arguments, returns
// scripted results and error codes, and lets a test set the end byte handed to "Play".
// Everything runs on the caller's thread; nothing here is thread-safe, and tests need no more.
//
// Built with FAKE_WITHOUT_SEEK it lacks the "Seek" entry. The environment variable
// FAKE_MPEGDLL_INIT_ERROR=N makes "init" fail with "LastError" N (for whole-program runs).

#include "decoder/mpegdll.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

// The entries are defined against the real library's declarations, so their signatures cannot
// drift from it.
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Callbacks {
    MpegOpenStream open = nullptr;
    MpegCloseStream close = nullptr;
    MpegRestartStream restart = nullptr;
    MpegReadStream read = nullptr;
    MpegSeekStream seek = nullptr;
    MpegStreamSize size = nullptr;
    void *user = nullptr;
    void *context = nullptr;
};

struct State {
    std::string calls;                       // one line per entry call
    std::map<std::string, int32_t> results;  // scripted results by entry name
    std::map<std::string, int32_t> failNext; // one-shot error codes by entry name
    int32_t lastError = 0;
    int32_t mode = 0;
    int32_t pos = 0;
    int32_t length = 250000;
    bool checkFiles = false;
    bool checkPending = false; // an entry was called and "LastError" not asked since
    int32_t missedChecks = 0;
    unsigned char *endByte = nullptr;
    Callbacks callbacks;
};

State &state()
{
    static State s;
    return s;
}

// Records the call, checks that the previous one was followed by "LastError", and applies a
// scripted failure. Returns false when the call is to fail (the state then stays as it was).
bool enter(const std::string &name, const std::string &line)
{
    State &s = state();
    s.calls += line + "\n";
    if (s.checkPending)
        ++s.missedChecks;
    s.checkPending = name != "init";
    s.lastError = 0;
    auto failure = s.failNext.find(name);
    if (failure == s.failNext.end())
        return true;
    s.lastError = failure->second;
    s.failNext.erase(failure);
    return false;
}

int32_t result(const std::string &name, int32_t fallback)
{
    auto it = state().results.find(name);
    return it == state().results.end() ? fallback : it->second;
}

int32_t query(const char *name, int32_t fallback)
{
    if (!enter(name, name))
        return 0;
    return result(name, fallback);
}

bool fileExists(const char *name)
{
    FILE *f = std::fopen(name, "rb");
    if (f)
        std::fclose(f);
    return f != nullptr;
}

std::string withArgs(const char *name, std::initializer_list<std::string> args)
{
    std::string line = std::string(name) + "(";
    bool first = true;
    for (const std::string &arg : args) {
        line += (first ? "" : ",") + arg;
        first = false;
    }
    return line + ")";
}

std::string num(int32_t value) { return std::to_string(value); }

} // namespace

FAKE_EXPORT int32_t init()
{
    State &s = state();
    if (const char *code = std::getenv("FAKE_MPEGDLL_INIT_ERROR"); code && std::atoi(code) > 0)
        s.failNext["init"] = std::atoi(code);
    if (!enter("init", "init"))
        return 0;
    return result("init", 1);
}

FAKE_EXPORT void deinit() { enter("deinit", "deinit"); }

FAKE_EXPORT void Open(const char *name, int32_t mode, MpegOpenStream open, MpegCloseStream close,
                      MpegRestartStream restart, MpegReadStream read, MpegSeekStream seek,
                      MpegStreamSize size, void *user)
{
    State &s = state();
    const bool anyCallback = open || close || restart || read || seek || size || user;
    std::string line = withArgs("Open", {name ? name : "nil", num(mode)});
    if (anyCallback)
        line.insert(line.size() - 1, ",+callbacks");
    if (!enter("Open", line))
        return;
    if (mode == 0 && s.checkFiles && (!name || !fileExists(name))) {
        s.lastError = 3;
        return;
    }
    s.callbacks = Callbacks{open, close, restart, read, seek, size, user, nullptr};
    if (mode == 1 && open) {
        int32_t nonseekable = 0;
        open(user, &nonseekable, &s.callbacks.context);
    }
    s.mode = 1;
    s.pos = 0;
}

FAKE_EXPORT void Pause(int32_t resume)
{
    if (enter("Pause", withArgs("Pause", {num(resume)})))
        state().mode = (resume & 0xff) ? 3 : 4;
}

FAKE_EXPORT void Restart()
{
    if (enter("Restart", "Restart"))
        state().mode = 3;
}

FAKE_EXPORT void Stop()
{
    if (enter("Stop", "Stop"))
        state().mode = 2;
}

FAKE_EXPORT void SetPriority(int32_t priority)
{
    enter("SetPriority", withArgs("SetPriority", {num(priority)}));
}

FAKE_EXPORT void SetOutputDevice(int32_t code, const char *file)
{
    enter("SetOutputDevice", withArgs("SetOutputDevice", {num(code), file ? file : "nil"}));
}

FAKE_EXPORT int32_t Play(int32_t startPos, int32_t endPos, unsigned char *endReached)
{
    if (!enter("Play", withArgs("Play", {num(startPos), num(endPos)})))
        return 1;
    int32_t res = result("Play", 0);
    if (res == 0) {
        state().endByte = endReached;
        state().mode = 3;
    }
    return res;
}

FAKE_EXPORT void Close()
{
    State &s = state();
    if (!enter("Close", "Close"))
        return;
    if (s.callbacks.close)
        s.callbacks.close(s.callbacks.user, s.callbacks.context);
    s.callbacks = Callbacks{};
    s.mode = 0;
    s.endByte = nullptr;
}

FAKE_EXPORT int32_t GetFrequency() { return query("GetFrequency", 44100); }
FAKE_EXPORT int32_t GetBitrate() { return query("GetBitrate", 128000); }
FAKE_EXPORT int32_t GetStereoMode() { return query("GetStereoMode", 1); }
FAKE_EXPORT int32_t GetLayer() { return query("GetLayer", 3); }
FAKE_EXPORT int32_t GetPlayerMode() { return query("GetPlayerMode", state().mode); }
FAKE_EXPORT int32_t GetCurrentPos() { return query("GetCurrentPos", state().pos); }
FAKE_EXPORT int32_t GetLength() { return query("GetLength", state().length); }

FAKE_EXPORT void ResetPlayerMode() { enter("ResetPlayerMode", "ResetPlayerMode"); }

#ifndef FAKE_WITHOUT_SEEK
FAKE_EXPORT void Seek(int32_t ms)
{
    if (enter("Seek", withArgs("Seek", {num(ms)})))
        state().pos = ms;
}
#endif

FAKE_EXPORT void SetSndDevice(int32_t device)
{
    enter("SetSndDevice", withArgs("SetSndDevice", {num(device)}));
}

FAKE_EXPORT int32_t LastError()
{
    state().checkPending = false;
    return state().lastError;
}

// ---- Control interface for tests (see fakempegdll_control.h) ----

FAKE_EXPORT void fake_reset() { state() = State{}; }
FAKE_EXPORT const char *fake_calls() { return state().calls.c_str(); }
FAKE_EXPORT void fake_clear_calls() { state().calls.clear(); }
FAKE_EXPORT int32_t fake_missed_checks()
{
    return state().missedChecks + (state().checkPending ? 1 : 0);
}
FAKE_EXPORT void fake_set_result(const char *entry, int32_t value)
{
    state().results[entry] = value;
}
FAKE_EXPORT void fake_fail_next(const char *entry, int32_t code) { state().failNext[entry] = code; }
FAKE_EXPORT void fake_set_mode(int32_t mode) { state().mode = mode; }
FAKE_EXPORT void fake_set_pos(int32_t ms) { state().pos = ms; }
FAKE_EXPORT void fake_set_length(int32_t ms) { state().length = ms; }
FAKE_EXPORT void fake_set_check_files(int32_t on) { state().checkFiles = on != 0; }

FAKE_EXPORT int32_t fake_end()
{
    State &s = state();
    if (!s.endByte)
        return 0;
    *s.endByte = 1;
    s.mode = 2;
    return 1;
}

// Stream mode: call the callbacks handed to "Open" as the library's reader would.
FAKE_EXPORT int32_t fake_stream_read(void *buffer, int32_t toRead, int32_t *read)
{
    const Callbacks &c = state().callbacks;
    int32_t res = 0;
    *read = 0;
    if (c.read)
        c.read(c.user, c.context, buffer, toRead, read, &res);
    return res & 0xFF;
}

FAKE_EXPORT int32_t fake_stream_seek(int32_t numbytes, int32_t moveMethod)
{
    const Callbacks &c = state().callbacks;
    int32_t res = -2;
    if (c.seek)
        c.seek(c.user, c.context, numbytes, moveMethod, &res);
    return res;
}

FAKE_EXPORT int32_t fake_stream_size()
{
    const Callbacks &c = state().callbacks;
    int32_t res = -2;
    if (c.size)
        c.size(c.user, c.context, &res);
    return res;
}

FAKE_EXPORT int32_t fake_stream_restart()
{
    const Callbacks &c = state().callbacks;
    int32_t res = 2;
    if (c.restart)
        c.restart(c.user, c.context, &res);
    return res & 0xFF;
}

FAKE_EXPORT void *fake_stream_context() { return state().callbacks.context; }
