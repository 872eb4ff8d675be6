#pragma once
// The player behind the 21 entries: one open stream, its mode, the output choices and the
// running session. Every public function is one entry; each takes the player's lock, so callers
// on any thread are serialised. The session's thread never takes that lock.

#include "decoder/bytesource.h"
#include "decoder/mpegstream.h"
#include "decoder/session.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace mpegdll {

enum PlayerMode { kOpened = 0, kReady = 1, kStopped = 2, kPlaying = 3, kPaused = 4 };
enum OutputDevice { kSoundOutput = 0, kPcmFile = 2 };

class Player {
public:
    ~Player();
    static Player &instance();

    int init();
    void deinit();
    void open(const char *fileName, int streamMode, const StreamCallbacks &callbacks);
    void pause(bool resume);
    void restart();
    void stop();
    void setPriority(int level);
    void setOutputDevice(int device, const char *fileName);
    int play(int startMs, int endMs, unsigned char *endByte);
    void close();
    int frequency() { return streamInfo(&StreamInfo::rate); }
    int bitrate() { return streamInfo(&StreamInfo::bitrate); }
    int stereoMode() { return streamInfo(&StreamInfo::stereoMode); }
    int layer() { return streamInfo(&StreamInfo::layer); }
    int mode();
    int currentPos();
    int length();
    void resetMode();
    void seek(int ms);
    void setSoundDevice(int device);
    int lastError() const { return error_.load(); }

    // When the device first took audio in the current run (steady-clock ns; 0 before).
    int64_t firstDeliveryNs();

private:
    using Lock = std::unique_lock<std::mutex>;
    Lock enter(); // takes the lock and clears the error code
    int fail(int code) { error_.store(code); return code; }
    int streamInfo(int StreamInfo::*field);
    void settle();
    void endSession();
    int startSession(int64_t fromSample);
    std::unique_ptr<Session> makeSession(const SessionParams &params);
    int64_t toSample(int64_t ms) const;
    int toMs(int64_t sample) const;

    std::mutex lock_;
    std::atomic<int> error_{0};
    std::mutex decodeMutex_; // guards stream_ while a session runs
    std::unique_ptr<MpegStream> stream_;
    std::unique_ptr<Session> session_;
    int mode_ = kReady;
    int outputDevice_ = kSoundOutput;
    std::string outFile_;
    int soundDevice_ = 0;
    int priority_ = 0;
    int64_t rangeStart_ = 0;
    int64_t rangeEnd_ = 0;
    unsigned char *endByte_ = nullptr;
    bool started_ = false;                // "Play" has run since "Open"
    std::optional<int64_t> pendingStart_; // a seek made while not playing
    int64_t stoppedAt_ = 0;               // where the last run stopped or ended
    bool sessionFailed_ = false;          // an output failure not yet reported
};

} // namespace mpegdll
