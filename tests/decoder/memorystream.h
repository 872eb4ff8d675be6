#pragma once
// A stream for the library's stream mode, served from memory through the six callbacks. Booleans
// are written as one byte, the way the player component's events write them. The read callback
// can be held at a byte offset (the gate) to keep playback going as long as a test needs.

#include "decoder/mpegdll.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct MemoryStream {
    explicit MemoryStream(std::vector<uint8_t> bytes, bool seekable = true)
        : data(std::move(bytes)), seekable(seekable) {}
    // Closes the library's stream if this one is open in it: the callbacks must not outlive it.
    ~MemoryStream();
    MemoryStream(MemoryStream &&other)
        : data(std::move(other.data)), seekable(other.seekable) {}
    static MemoryStream fromFile(const std::string &path, bool seekable = true);

    // Opens this stream in the library (all six callbacks unless `withRestart` is false).
    void openIn(bool withRestart = true);
    // Reads block at `offset` until release() (or openGate()).
    void holdAt(size_t offset);
    void release();

    std::vector<uint8_t> data;
    bool seekable;
    size_t failReadsAt = SIZE_MAX; // a read reaching this offset reports an error
    std::atomic<int> opens{0}, closes{0}, restarts{0};
    std::atomic<bool> contextSeen{true}; // every callback got the context "open" gave
    std::atomic<bool> waitingAtGate{false};

    // Called by the callbacks.
    void onRead(void *buffer, int32_t count, int32_t *read, int32_t *res);
    int32_t onSeek(int32_t offset, int32_t method);

private:
    std::mutex mutex_;
    std::condition_variable gateChanged_;
    size_t position_ = 0;
    size_t gate_ = SIZE_MAX;
};
