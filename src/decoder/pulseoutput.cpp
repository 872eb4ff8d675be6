#include "decoder/pulseoutput.h"

#include <algorithm>

namespace mpegdll {
namespace {

// The server's buffer and its requests. The server also gives the sink the buffer less two
// requests (here 100 ms): that much is heard late after a resume or a seek, and it bounds how
// late a change of volume is heard.
constexpr pa_usec_t kBufferUsec = 1'000'000;
constexpr pa_usec_t kRequestUsec = 450'000;

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop *loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock &) = delete;
    LoopLock &operator=(const LoopLock &) = delete;

private:
    pa_threaded_mainloop *loop_;
};

void release(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

struct SinkSearch {
    pa_threaded_mainloop *loop;
    int wanted; // 1 for the first sink the server lists
    int seen = 0;
    std::string name;
};

void onSinkInfo(pa_context *, const pa_sink_info *info, int eol, void *search)
{
    auto *s = static_cast<SinkSearch *>(search);
    if (eol) {
        pa_threaded_mainloop_signal(s->loop, 0);
        return;
    }
    if (info && ++s->seen == s->wanted)
        s->name = info->name;
}

} // namespace

PulseOutput::~PulseOutput() { close(); }

PulseOutput::Opened PulseOutput::open(int rate, int channels, int deviceNumber)
{
    close();
    spec_ = {PA_SAMPLE_S16NE, static_cast<uint32_t>(rate), static_cast<uint8_t>(channels)};
    if (!pa_sample_spec_valid(&spec_))
        return Opened::kNo;
    loop_ = pa_threaded_mainloop_new();
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
        close();
        return Opened::kNo;
    }
    LoopLock lock(loop_);
    if (!connectContext())
        return Opened::kNoServer; // the caller closes, or this object does when it goes
    std::string sink;
    if (deviceNumber > 0 && !sinkName(deviceNumber, sink))
        return Opened::kNo;
    return connectStream(sink.empty() ? nullptr : sink.c_str()) ? Opened::kYes : Opened::kNo;
}

bool PulseOutput::connectContext()
{
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Lorvanta");
    if (!context_)
        return false;
    pa_context_set_state_callback(context_, &PulseOutput::onContextState, this);
    // A player never starts a sound server of its own.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(state))
            return false;
        pa_threaded_mainloop_wait(loop_);
    }
}

bool PulseOutput::sinkName(int deviceNumber, std::string &name)
{
    SinkSearch search{loop_, deviceNumber, 0, {}};
    if (!wait(pa_context_get_sink_info_list(context_, &onSinkInfo, &search)))
        return false;
    name = search.name;
    return !name.empty();
}

bool PulseOutput::wait(pa_operation *operation)
{
    if (!operation)
        return false;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
        pa_threaded_mainloop_wait(loop_);
    const bool done = pa_operation_get_state(operation) == PA_OPERATION_DONE;
    pa_operation_unref(operation);
    return done;
}

bool PulseOutput::connectStream(const char *sink)
{
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "music");
    stream_ = pa_stream_new_with_proplist(context_, "Music", &spec_, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_)
        return false;
    pa_stream_set_state_callback(stream_, &PulseOutput::onStreamState, this);
    pa_stream_set_write_callback(stream_, &PulseOutput::onWriteRequest, this);
    pa_stream_set_latency_update_callback(stream_, &PulseOutput::onLatencyUpdate, this);
    const uint32_t request = static_cast<uint32_t>(pa_usec_to_bytes(kRequestUsec, &spec_));
    // After an underrun (the decoder late, or the last sample played) the stream waits for a
    // request's worth before it plays on, so a late decoder never stutters.
    const pa_buffer_attr wanted{static_cast<uint32_t>(-1),
                                static_cast<uint32_t>(pa_usec_to_bytes(kBufferUsec, &spec_)),
                                request, request, static_cast<uint32_t>(-1)};
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_START_CORKED | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(stream_, sink, &wanted, flags, nullptr, nullptr) < 0)
        return false;
    for (;;) {
        const pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_READY)
            break;
        if (!PA_STREAM_IS_GOOD(state))
            return false;
        pa_threaded_mainloop_wait(loop_);
    }
    attr_ = *pa_stream_get_buffer_attr(stream_); // as the server settled it
    return true;
}

void PulseOutput::close()
{
    if (!loop_)
        return;
    {
        LoopLock lock(loop_);
        ring_ = nullptr;
        onSpace_ = nullptr;
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_set_latency_update_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    if (stream_)
        pa_stream_unref(stream_);
    if (context_)
        pa_context_unref(context_);
    pa_threaded_mainloop_free(loop_);
    stream_ = nullptr;
    context_ = nullptr;
    loop_ = nullptr;
    lost_.store(false, std::memory_order_release);
}

int PulseOutput::framesOf(size_t bytes) const
{
    return static_cast<int>(bytes / pa_frame_size(&spec_));
}

int PulseOutput::heldFrames() const
{
    // The stream's buffer, and the sink's, which is never longer than it.
    return 2 * framesOf(attr_.tlength);
}

int PulseOutput::requestFrames() const { return framesOf(attr_.minreq); }

void PulseOutput::restartClock(int64_t startSample)
{
    // Nothing counts as heard until the server reports how much it holds.
    resetClock(startSample, static_cast<int>(spec_.rate), requestFrames(), heldFrames());
}

void PulseOutput::attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace)
{
    LoopLock lock(loop_);
    ring_ = ring;
    onSpace_ = std::move(onSpace);
    restartClock(startSample);
    paused_ = false;
    cork(false);
    writeRequested();
}

void PulseOutput::refilled()
{
    LoopLock lock(loop_);
    writeRequested();
}

void PulseOutput::pause()
{
    LoopLock lock(loop_);
    paused_ = true;
    cork(true);
    flush();
    // What the server held is dropped, and the run goes on from the sample heard now: the ring
    // steps back over the rest, so the resume loses nothing.
    restartClock(stepBackToHeard(*ring_, spec_.channels));
}

void PulseOutput::resume()
{
    LoopLock lock(loop_);
    paused_ = false;
    cork(false);
    writeRequested(); // what the server asked for while paused
}

void PulseOutput::restartAt(int64_t startSample, const std::function<void()> &change)
{
    LoopLock lock(loop_);
    change();
    flush();
    restartClock(startSample);
}

void PulseOutput::cork(bool corked)
{
    release(pa_stream_cork(stream_, corked ? 1 : 0, nullptr, nullptr));
}

void PulseOutput::flush() { release(pa_stream_flush(stream_, nullptr, nullptr)); }

// Hands the server as much of what it asked for as the ring holds. Under the loop's lock.
void PulseOutput::writeRequested()
{
    if (!ring_ || paused_ || lost())
        return;
    size_t wanted = pa_stream_writable_size(stream_);
    if (wanted == static_cast<size_t>(-1))
        return;
    const size_t frameBytes = pa_frame_size(&spec_);
    int64_t frames = 0;
    while (wanted >= frameBytes && ring_->readable() > 0) {
        void *data = nullptr;
        size_t bytes = wanted;
        if (pa_stream_begin_write(stream_, &data, &bytes) < 0 || !data)
            break;
        bytes -= bytes % frameBytes;
        const size_t got = ring_->read(static_cast<int16_t *>(data), bytes / sizeof(int16_t));
        if (got == 0 || pa_stream_write(stream_, data, got * sizeof(int16_t), nullptr, 0,
                                        PA_SEEK_RELATIVE) < 0) {
            pa_stream_cancel_write(stream_);
            break;
        }
        frames += static_cast<int64_t>(got / spec_.channels);
        wanted -= got * sizeof(int16_t);
    }
    if (frames == 0)
        return;
    delivered(frames, latencyFrames());
    if (ring_->readable() == 0) {
        // The last of the audio, or all the decoder had: play it even if it is less than the
        // stream waits for after an underrun.
        release(pa_stream_trigger(stream_, nullptr, nullptr));
        onSpace_(); // the decoder refills, or finishes once the audio has played out
    } else if (ring_->writable() >= ring_->capacity() / 2) {
        onSpace_();
    }
}

// Frames the server holds that are not heard yet, as it last reported; -1 when it cannot tell
// (before its first report, after a flush, or while the stream is not playing: a sink not yet
// running reports times no card would).
int64_t PulseOutput::latencyFrames() const
{
    pa_usec_t usec = 0;
    int negative = 0;
    const pa_timing_info *timing = pa_stream_get_timing_info(stream_);
    if (!timing || !timing->playing || pa_stream_get_latency(stream_, &usec, &negative) != 0)
        return -1;
    return negative ? 0 : static_cast<int64_t>(usec * spec_.rate / 1'000'000);
}

void PulseOutput::markLost()
{
    lost_.store(true, std::memory_order_release);
    if (onSpace_)
        onSpace_(); // the decoder looks and reports it
}

void PulseOutput::onContextState(pa_context *context, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
        output->markLost();
    pa_threaded_mainloop_signal(output->loop_, 0);
}

void PulseOutput::onStreamState(pa_stream *stream, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        output->markLost();
    pa_threaded_mainloop_signal(output->loop_, 0);
}

void PulseOutput::onWriteRequest(pa_stream *, size_t, void *self)
{
    static_cast<PulseOutput *>(self)->writeRequested();
}

void PulseOutput::onLatencyUpdate(pa_stream *, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    if (const int64_t latency = output->latencyFrames(); latency >= 0)
        output->measured(latency);
}

} // namespace mpegdll
