#pragma once
// The SDL2 audio device, open while a run plays or pauses (a stopped player holds no device and
// costs no CPU). Its callback, on SDL's audio thread, copies decoded samples from the ring and
// tells the position clock how much audio the device took.

#include "decoder/positionclock.h"
#include "decoder/ringbuffer.h"

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <mutex>

namespace mpegdll {

class SoundOutput {
public:
    SoundOutput() = default;
    ~SoundOutput();
    SoundOutput(const SoundOutput &) = delete;
    SoundOutput &operator=(const SoundOutput &) = delete;

    // Opens the device (`deviceNumber` 0 default, n > 0 the n-th SDL lists) for the format,
    // paused; false when there is no such device.
    bool open(int rate, int channels, int deviceNumber);
    void close();
    bool lost() const;

    // Plays `ring` from `startSample` on; `onSpace` runs (on the audio thread) when the ring has
    // room for a refill or has run empty. The device plays until pause() or close().
    void attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace);
    // Stops taking audio; the position stays at the sample being heard, which is where resume()
    // goes on.
    void pause();
    void resume();
    // Runs `change` while the callback is held off, with the position restarting at startSample.
    void restartAt(int64_t startSample, const std::function<void()> &change);
    // No more audio will come: the estimate runs to the last sample handed over.
    void setDraining(bool draining);

    int64_t heard();
    int64_t playedOutAtNs();
    int64_t firstDeliveryNs();
    // Frames from the callback's hand-over until they are heard.
    int latencyFrames() const { return latencyFrames_; }

private:
    static void callback(void *self, Uint8 *stream, int len);
    void fill(int16_t *out, size_t samples);
    void resetClock(int64_t startSample);

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    int latencyFrames_ = 0;
    RingBuffer *ring_ = nullptr;     // set and cleared with the callback held off
    std::function<void()> onSpace_;  // likewise
    std::mutex clockMutex_;          // guards clock_ between the callback and the callers
    PositionClock clock_;
};

// Frames from the callback's hand-over until they are heard, for an opened `device` behind a
// sound server holding `serverMs` (0: one more buffer of the device's size).
int latencyFramesFor(const SDL_AudioSpec &device, int serverMs);

// Nanoseconds of the steady clock.
int64_t nowNs();

} // namespace mpegdll
