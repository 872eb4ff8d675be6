#pragma once
// The sound device a run plays through, open while the run plays or pauses (a stopped player
// holds no device and costs no CPU). The device reads decoded samples from the run's ring on a
// thread of its own and tells the position clock how much audio it took.
//
// Two devices: the sound server's own client library where a PulseAudio (or PipeWire) server
// answers, which keeps a long buffer yet pauses and seeks at once by dropping it; SDL2 elsewhere
// (plain ALSA).

#include "decoder/positionclock.h"
#include "decoder/ringbuffer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace mpegdll {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Stops taking audio and lets go of the device; no callback runs afterwards.
    virtual void close() = 0;
    // The device went away while open (the server stopped, the card was pulled).
    virtual bool lost() const = 0;

    // Plays `ring` from `startSample` on; `onSpace` runs (on the device's thread) when the ring
    // has room for a refill, has run empty, or the device was lost. The device plays until
    // pause() or close().
    virtual void attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace) = 0;
    // The ring has been refilled: a device that asked for more than the ring held takes it now.
    virtual void refilled() {}
    // Stops taking audio; the position stays at the sample being heard, which is where resume()
    // goes on.
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Runs `change` while the device's thread is held off, with the position restarting at
    // startSample; audio the device still holds is dropped where it can be.
    virtual void restartAt(int64_t startSample, const std::function<void()> &change) = 0;
    // No more audio will come: the estimate runs to the last sample handed over.
    void setDraining(bool draining);

    int64_t heard();
    int64_t playedOutAtNs();
    int64_t firstDeliveryNs();
    // The most the device may hold taken but not yet heard, which the ring keeps for a pause to
    // step back over.
    virtual int heldFrames() const = 0;
    // The most the device takes at one request: the ring holds at least two of these.
    virtual int requestFrames() const = 0;

protected:
    // The position clock, shared between the device's thread and the callers.
    void resetClock(int64_t startSample, int rate, int chunkFrames, int latencyFrames);
    // The device took `frames` frames; it holds `latencyFrames` frames not yet heard where it can
    // tell (negative: it cannot).
    void delivered(int64_t frames, int64_t latencyFrames = -1);
    void measured(int64_t latencyFrames);
    // Makes the audio handed over but not yet heard readable again in `ring`, as far as the ring
    // kept it; the sample the run goes on from.
    int64_t stepBackToHeard(RingBuffer &ring, int channels);

private:
    std::mutex clockMutex_;
    PositionClock clock_;
};

// Opens the sound device (`deviceNumber` 0 the default, n > 0 the n-th the sound system lists)
// for the format, not yet playing; null when there is no such device.
std::unique_ptr<SoundOutput> openSoundOutput(int rate, int channels, int deviceNumber);
// Lets go of what the sound system keeps between runs.
void releaseSoundSystem();

// Nanoseconds of the steady clock.
int64_t nowNs();

} // namespace mpegdll
