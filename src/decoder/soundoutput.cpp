#include "decoder/soundoutput.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

namespace mpegdll {
namespace {

// SDL's PulseAudio backend asks the server to hold one device buffer, and the server then asks
// for audio in quarters of that: some 300 wake-ups a second with buffers small enough for exact
// positions. A longer buffer on the server's side, which libpulse takes from the environment,
// cuts the wake-ups to a few dozen while the callback keeps its small buffer; the position clock
// counts the server's buffer as latency.
constexpr const char *kPulseLatencyVariable = "PULSE_LATENCY_MSEC";
constexpr int kPulseLatencyMs = 100;

// A device buffer of about 45 ms (a power of two frames), a little longer than the quarter of the
// server's buffer that the server asks for at a time: SDL then wakes once per request instead of
// once per request and once per buffer (about 40 wake-ups a second instead of 95). Positions stay
// exact: the position clock counts the buffer as latency.
Uint16 bufferFramesFor(int rate)
{
    Uint16 frames = 128;
    while (frames * 2 <= rate / 20)
        frames *= 2;
    return frames;
}

bool talksToPulseAudio()
{
    const char *driver = SDL_GetCurrentAudioDriver();
    return driver && std::strcmp(driver, "pulseaudio") == 0;
}

// The server's buffer in ms as libpulse will ask for it: the user's setting where there is one.
int pulseLatencyMs()
{
    const char *value = std::getenv(kPulseLatencyVariable);
    return value ? std::atoi(value) : kPulseLatencyMs;
}

SDL_AudioDeviceID openDevice(const char *name, const SDL_AudioSpec &want, SDL_AudioSpec &have)
{
    // Set only while the stream connects, so that no other stream of the process (or a program
    // it starts) inherits it.
    const bool ownLatency = talksToPulseAudio() && !std::getenv(kPulseLatencyVariable);
    if (ownLatency)
        setenv(kPulseLatencyVariable, std::to_string(kPulseLatencyMs).c_str(), 0);
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(name, 0, &want, &have, 0);
    if (ownLatency)
        unsetenv(kPulseLatencyVariable);
    return device;
}

bool initSdlAudio()
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        return true;
    // The host program handles its own signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Lorvanta");
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

} // namespace

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

SoundOutput::~SoundOutput() { close(); }

bool SoundOutput::open(int rate, int channels, int deviceNumber)
{
    close();
    if (!initSdlAudio())
        return false;
    const char *name = nullptr;
    if (deviceNumber > 0) {
        if (deviceNumber > SDL_GetNumAudioDevices(0))
            return false;
        name = SDL_GetAudioDeviceName(deviceNumber - 1, 0);
    }
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(channels);
    want.samples = bufferFramesFor(rate);
    want.callback = &SoundOutput::callback;
    want.userdata = this;
    device_ = openDevice(name, want, spec_);
    latencyFrames_ = latencyFramesFor(spec_, talksToPulseAudio() ? pulseLatencyMs() : 0);
    return device_ != 0;
}

void SoundOutput::close()
{
    if (device_)
        SDL_CloseAudioDevice(device_);
    device_ = 0;
    ring_ = nullptr;
    onSpace_ = nullptr;
}

bool SoundOutput::lost() const
{
    return device_ && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
}

int latencyFramesFor(const SDL_AudioSpec &device, int serverMs)
{
    // SDL keeps the buffer it hands on; the server holds its own buffer, or else one more of SDL's
    // (a setting libpulse cannot read leaves the server's buffer at SDL's size).
    const int server = serverMs > 0 ? static_cast<int>(int64_t{serverMs} * device.freq / 1000)
                                    : device.samples;
    return device.samples + server;
}

void SoundOutput::resetClock(int64_t startSample)
{
    std::lock_guard lock(clockMutex_);
    clock_.reset(startSample, spec_.freq, spec_.samples, latencyFrames_);
}

void SoundOutput::attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace)
{
    SDL_LockAudioDevice(device_);
    ring_ = ring;
    onSpace_ = std::move(onSpace);
    resetClock(startSample);
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
}

void SoundOutput::pause()
{
    SDL_PauseAudioDevice(device_, 1);
    // What the device still holds plays out, but the run goes on from the sample heard now: the
    // ring steps back over the rest, so the resume loses nothing.
    SDL_LockAudioDevice(device_);
    const int64_t at = heard();
    int64_t end = 0;
    {
        std::lock_guard lock(clockMutex_);
        end = clock_.handedOverEnd();
    }
    const size_t channels = spec_.channels;
    const size_t stepped = ring_->unread(static_cast<size_t>(end - at) * channels);
    resetClock(end - static_cast<int64_t>(stepped / channels));
    SDL_UnlockAudioDevice(device_);
}

void SoundOutput::resume() { SDL_PauseAudioDevice(device_, 0); }

void SoundOutput::restartAt(int64_t startSample, const std::function<void()> &change)
{
    SDL_LockAudioDevice(device_);
    change();
    resetClock(startSample);
    SDL_UnlockAudioDevice(device_);
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

void SoundOutput::callback(void *self, Uint8 *stream, int len)
{
    static_cast<SoundOutput *>(self)->fill(reinterpret_cast<int16_t *>(stream),
                                           static_cast<size_t>(len) / sizeof(int16_t));
}

void SoundOutput::fill(int16_t *out, size_t samples)
{
    const size_t got = ring_ ? ring_->read(out, samples) : 0;
    std::memset(out + got, 0, (samples - got) * sizeof(int16_t));
    if (got == 0)
        return;
    {
        std::lock_guard lock(clockMutex_);
        clock_.delivered(static_cast<int64_t>(got / spec_.channels), nowNs());
    }
    const size_t half = ring_->capacity() / 2;
    const size_t freeNow = ring_->writable();
    if (ring_->readable() == 0 || (freeNow >= half && freeNow - got < half))
        onSpace_(); // the decoder may refill, or finish once the ring has run empty
}

} // namespace mpegdll
