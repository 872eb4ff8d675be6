// The playback thread: one per run, started by "Play" or "Restart", ended by the end of the
// audio, "Stop", "Seek" to another run, "Close" or "Open".
//
// Threads and what they share:
// - The caller's thread (the player's entries) starts, pauses, seeks and stops the run.
// - The session thread decodes. It holds `decodeMutex` (shared with the player, which owns the
//   stream) while it touches the stream; a seek takes the same lock, so the stream is never used
//   by two threads at once.
// - The sound device's thread (sound only) reads the ring without a lock (one reader, one writer)
//   and wakes the session thread through `mutex_` when the ring wants a refill or has run empty.
// - Lock order, never reversed: the device's lock (SDL's device lock, or the PulseAudio main
//   loop's), then `decodeMutex`, then `mutex_`; the position clock's own lock is taken last.
// - The end byte is written once, atomically, by the session thread after the last sample has
//   been played or the file is complete; `finished_` and `failed_` are atomics the player reads.

#include "decoder/session.h"

#include "decoder/priority.h"

#include <unistd.h>

namespace mpegdll {

Session::~Session() { stop(); }

void Session::start()
{
    prime();
    thread_ = std::thread(&Session::threadMain, this);
}

void Session::threadMain()
{
    tid_.store(gettid());
    applyPriority(gettid(), priority_.load());
    run();
    finished_.store(true, std::memory_order_release);
}

void Session::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void Session::pause()
{
    {
        // First, so that the thread never takes the output's step back for the end of the audio.
        std::lock_guard lock(mutex_);
        paused_ = true;
    }
    pauseOutput(true); // outside mutex_: the device lock comes first
}

void Session::resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    pauseOutput(false);
    wake_.notify_all();
}

void Session::wakeThread()
{
    std::lock_guard lock(mutex_);
    wake_.notify_all();
}

void Session::setPriority(int level)
{
    priority_.store(level);
    if (const pid_t tid = tid_.load(); tid != 0 && !finished())
        applyPriority(tid, level);
}

void Session::signalEnd()
{
    if (params_.endByte)
        __atomic_store_n(params_.endByte, 1, __ATOMIC_RELEASE);
}

} // namespace mpegdll
