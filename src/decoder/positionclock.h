#pragma once
// The sample being heard, estimated from when the sound device takes audio. The device asks for
// one buffer (`chunk` frames) at a time and holds `latency` frames it has taken but not yet
// played, a fixed amount or, where the device can tell, as it last said; between two requests the
// estimate runs with the clock, and it never passes the audio that was handed over. All times are
// steady-clock nanoseconds. Not thread-safe.

#include <cstdint>

namespace mpegdll {

class PositionClock {
public:
    // A new run of audio starting at `startSample`.
    void reset(int64_t startSample, int rate, int chunkFrames, int latencyFrames);
    // The device took `frames` frames of audio at `nowNs`.
    void delivered(int64_t frames, int64_t nowNs);
    // The device holds `latencyFrames` frames it has taken but not played, at `nowNs`.
    void measured(int64_t latencyFrames, int64_t nowNs);
    // No more audio follows for now (the end, or a pause): what was handed over plays out.
    void setDraining(bool draining) { draining_ = draining; }
    // The sample being heard at `nowNs`; never less than an earlier answer since reset().
    int64_t heard(int64_t nowNs);
    // The sample after the last one handed to the device.
    int64_t handedOverEnd() const { return start_ + delivered_; }
    // When the last frame handed over will have been played; 0 before any delivery.
    int64_t playedOutAtNs() const;
    // When the device first took audio since reset(); 0 before that.
    int64_t firstDeliveryNs() const { return firstNs_; }

private:
    int64_t start_ = 0;
    int rate_ = 1;
    int64_t chunk_ = 0;
    int64_t latency_ = 0;
    int64_t delivered_ = 0;
    int64_t lastNs_ = 0;
    int64_t firstNs_ = 0;
    int64_t reported_ = 0; // frames after start_
    bool draining_ = false;
};

} // namespace mpegdll
