#pragma once
// The sound device through SDL2 audio, for systems without a PulseAudio or PipeWire server. Its
// callback, on SDL's audio thread, copies decoded samples from the ring.

#include "decoder/soundoutput.h"

#include <SDL.h>

namespace mpegdll {

class SdlOutput final : public SoundOutput {
public:
    SdlOutput() = default;
    ~SdlOutput() override;
    SdlOutput(const SdlOutput &) = delete;
    SdlOutput &operator=(const SdlOutput &) = delete;

    // Opens the device (`deviceNumber` 0 default, n > 0 the n-th SDL lists) for the format,
    // paused; false when there is no such device.
    bool open(int rate, int channels, int deviceNumber);
    void close() override;
    bool lost() const override;

    void attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace) override;
    void pause() override;
    void resume() override;
    void restartAt(int64_t startSample, const std::function<void()> &change) override;
    int heldFrames() const override { return latencyFrames_; }
    int requestFrames() const override { return spec_.samples; }

    // Lets go of SDL's audio subsystem.
    static void quit();

private:
    static void callback(void *self, Uint8 *stream, int len);
    void fill(int16_t *out, size_t samples);
    void restartClock(int64_t startSample);

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    int latencyFrames_ = 0;
    RingBuffer *ring_ = nullptr;     // set and cleared with the callback held off
    std::function<void()> onSpace_;  // likewise
};

} // namespace mpegdll
