#include "decoder/soundoutput.h"

#include "decoder/pulseoutput.h"
#include "decoder/sdloutput.h"

#include <chrono>

namespace mpegdll {

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::unique_ptr<SoundOutput> openSoundOutput(int rate, int channels, int deviceNumber)
{
    auto pulse = std::make_unique<PulseOutput>();
    switch (pulse->open(rate, channels, deviceNumber)) {
    case PulseOutput::Opened::kYes:
        return pulse;
    case PulseOutput::Opened::kNo:
        return nullptr;
    case PulseOutput::Opened::kNoServer:
        break; // plain ALSA, or a sound server without the PulseAudio protocol
    }
    auto sdl = std::make_unique<SdlOutput>();
    if (!sdl->open(rate, channels, deviceNumber))
        return nullptr;
    return sdl;
}

void releaseSoundSystem() { SdlOutput::quit(); }

void SoundOutput::resetClock(int64_t startSample, int rate, int chunkFrames, int latencyFrames)
{
    std::lock_guard lock(clockMutex_);
    clock_.reset(startSample, rate, chunkFrames, latencyFrames);
}

void SoundOutput::delivered(int64_t frames, int64_t latencyFrames)
{
    // One step, so that no reader sees the new audio counted without its latency.
    std::lock_guard lock(clockMutex_);
    const int64_t now = nowNs();
    clock_.delivered(frames, now);
    if (latencyFrames >= 0)
        clock_.measured(latencyFrames, now);
}

void SoundOutput::measured(int64_t latencyFrames)
{
    std::lock_guard lock(clockMutex_);
    clock_.measured(latencyFrames, nowNs());
}

int64_t SoundOutput::stepBackToHeard(RingBuffer &ring, int channels)
{
    std::lock_guard lock(clockMutex_);
    const int64_t end = clock_.handedOverEnd();
    const int64_t unheard = end - clock_.heard(nowNs());
    const size_t stepped = ring.unread(static_cast<size_t>(unheard * channels));
    return end - static_cast<int64_t>(stepped) / channels;
}

void SoundOutput::setDraining(bool draining)
{
    std::lock_guard lock(clockMutex_);
    clock_.setDraining(draining);
}

int64_t SoundOutput::heard()
{
    std::lock_guard lock(clockMutex_);
    return clock_.heard(nowNs());
}

int64_t SoundOutput::playedOutAtNs()
{
    std::lock_guard lock(clockMutex_);
    return clock_.playedOutAtNs();
}

int64_t SoundOutput::firstDeliveryNs()
{
    std::lock_guard lock(clockMutex_);
    return clock_.firstDeliveryNs();
}

} // namespace mpegdll
