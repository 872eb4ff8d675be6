#include "decoder/positionclock.h"

#include <algorithm>

namespace mpegdll {

void PositionClock::reset(int64_t startSample, int rate, int chunkFrames, int latencyFrames)
{
    start_ = startSample;
    rate_ = std::max(rate, 1);
    chunk_ = chunkFrames;
    latency_ = latencyFrames;
    delivered_ = 0;
    lastNs_ = 0;
    firstNs_ = 0;
    reported_ = 0;
    draining_ = false;
}

void PositionClock::delivered(int64_t frames, int64_t nowNs)
{
    if (frames <= 0)
        return;
    if (delivered_ == 0)
        firstNs_ = nowNs;
    delivered_ += frames;
    lastNs_ = nowNs;
}

void PositionClock::measured(int64_t latencyFrames, int64_t nowNs)
{
    if (delivered_ == 0)
        return; // nothing of this run has been taken yet
    latency_ = std::max<int64_t>(0, latencyFrames);
    lastNs_ = nowNs;
}

int64_t PositionClock::heard(int64_t nowNs)
{
    if (delivered_ > 0) {
        const int64_t elapsed = std::max<int64_t>(0, nowNs - lastNs_) * rate_ / 1000000000;
        // Until the device asks again it has played at most one buffer since the last request.
        const int64_t cap = draining_ ? delivered_ : delivered_ - latency_ + chunk_;
        const int64_t estimate = std::min(delivered_ - latency_ + elapsed, cap);
        reported_ = std::max(reported_, std::min(estimate, delivered_));
    }
    return start_ + reported_;
}

int64_t PositionClock::playedOutAtNs() const
{
    if (delivered_ == 0)
        return 0;
    const int64_t remaining = std::max<int64_t>(0, latency_);
    return lastNs_ + remaining * 1000000000 / rate_;
}

} // namespace mpegdll
