#pragma once
// The sound device through the PulseAudio client library, which PulseAudio and PipeWire servers
// both answer. The server holds about a second of audio and asks for almost half of it at a time,
// so the process wakes a few times a second rather than dozens; a pause or a seek drops what the
// server holds, so the long buffer delays neither. Positions follow the latency the server
// reports.

#include "decoder/soundoutput.h"

#include <pulse/pulseaudio.h>

#include <atomic>
#include <string>

namespace mpegdll {

class PulseOutput final : public SoundOutput {
public:
    enum class Opened { kYes, kNo, kNoServer };

    PulseOutput() = default;
    ~PulseOutput() override;
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    // Connects a stream for the format to the default sink (`deviceNumber` 0) or the n-th the
    // server lists, corked. kNoServer when no server answers, so that another output may be tried.
    Opened open(int rate, int channels, int deviceNumber);
    void close() override;
    bool lost() const override { return lost_.load(std::memory_order_acquire); }

    void attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace) override;
    void refilled() override;
    void pause() override;
    void resume() override;
    void restartAt(int64_t startSample, const std::function<void()> &change) override;
    int heldFrames() const override;
    int requestFrames() const override;

private:
    bool connectContext();
    bool sinkName(int deviceNumber, std::string &name);
    bool connectStream(const char *sink);
    bool wait(pa_operation *operation);
    void cork(bool corked);
    void flush();
    void writeRequested();
    int64_t latencyFrames() const;
    void restartClock(int64_t startSample);
    void markLost();
    int framesOf(size_t bytes) const;

    static void onContextState(pa_context *context, void *self);
    static void onStreamState(pa_stream *stream, void *self);
    static void onWriteRequest(pa_stream *stream, size_t bytes, void *self);
    static void onLatencyUpdate(pa_stream *stream, void *self);

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    pa_sample_spec spec_{};
    pa_buffer_attr attr_{};
    // Under the main loop's lock, which every callback holds.
    RingBuffer *ring_ = nullptr;
    std::function<void()> onSpace_;
    bool paused_ = true;
    std::atomic<bool> lost_{false};
};

} // namespace mpegdll
