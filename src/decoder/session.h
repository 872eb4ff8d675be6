#pragma once
// One run of playback, from "Play" or "Restart" until it ends or is stopped, on a thread of its
// own. SoundSession feeds the sound device, FileSession writes a WAV file. The threads and what
// they share are described at the top of session.cpp.

#include "decoder/mpegstream.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <sys/types.h>
#include <thread>

namespace mpegdll {

struct SessionParams {
    MpegStream *stream = nullptr;      // owned by the player
    std::mutex *decodeMutex = nullptr; // guards `stream`
    int64_t endSample = 0;             // decoding stops before this sample
    unsigned char *endByte = nullptr;  // set to 1 at the end; may be null
    int priority = 0;                  // Windows thread priority level
};

class Session {
public:
    virtual ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Prepares the output and launches the thread.
    void start();
    // Ends the thread (joins it); a second call does nothing.
    void stop();
    void pause();
    void resume();
    // The next sample played or written is `sample`; false when the stream cannot move there.
    virtual bool seek(int64_t sample) = 0;
    // The sample being heard (sound) or about to be written (file).
    virtual int64_t position() = 0;
    // When the sound device first took audio in this run (steady-clock ns; 0 before, or for a
    // file).
    virtual int64_t firstDeliveryNs() { return 0; }
    // True once the thread is over: the end was reached (the end byte is set) or output failed.
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    bool failed() const { return failed_.load(std::memory_order_acquire); }
    void setPriority(int level);

protected:
    explicit Session(const SessionParams &params) : params_(params), priority_(params.priority) {}
    virtual void prime() {}
    virtual void run() = 0;
    virtual void pauseOutput(bool paused) = 0;
    void signalEnd();
    void signalFailure() { failed_.store(true, std::memory_order_release); }
    void wakeThread();

    SessionParams params_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopRequested_ = false; // under mutex_
    bool paused_ = false;        // under mutex_

private:
    void threadMain();

    std::thread thread_;
    std::atomic<int> priority_;
    std::atomic<pid_t> tid_{0};
    std::atomic<bool> finished_{false};
    std::atomic<bool> failed_{false};
};

} // namespace mpegdll
