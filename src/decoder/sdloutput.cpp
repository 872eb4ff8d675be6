#include "decoder/sdloutput.h"

#include <cstring>

namespace mpegdll {
namespace {

// A device buffer of about 45 ms (a power of two frames): short enough for exact positions,
// pauses and seeks, long enough that the callback wakes only some twenty times a second.
Uint16 bufferFramesFor(int rate)
{
    Uint16 frames = 128;
    while (frames * 2 <= rate / 20)
        frames *= 2;
    return frames;
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

SdlOutput::~SdlOutput() { close(); }

void SdlOutput::quit()
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlOutput::open(int rate, int channels, int deviceNumber)
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
    want.callback = &SdlOutput::callback;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(name, 0, &want, &spec_, 0);
    // SDL keeps the buffer it hands on, and the driver below it about one more.
    latencyFrames_ = 2 * spec_.samples;
    return device_ != 0;
}

void SdlOutput::close()
{
    if (device_)
        SDL_CloseAudioDevice(device_);
    device_ = 0;
    ring_ = nullptr;
    onSpace_ = nullptr;
}

bool SdlOutput::lost() const
{
    return device_ && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
}

void SdlOutput::restartClock(int64_t startSample)
{
    resetClock(startSample, spec_.freq, spec_.samples, latencyFrames_);
}

void SdlOutput::attach(RingBuffer *ring, int64_t startSample, std::function<void()> onSpace)
{
    SDL_LockAudioDevice(device_);
    ring_ = ring;
    onSpace_ = std::move(onSpace);
    restartClock(startSample);
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
}

void SdlOutput::pause()
{
    SDL_PauseAudioDevice(device_, 1);
    // What the device still holds plays out, but the run goes on from the sample heard now: the
    // ring steps back over the rest, so the resume loses nothing.
    SDL_LockAudioDevice(device_);
    restartClock(stepBackToHeard(*ring_, spec_.channels));
    SDL_UnlockAudioDevice(device_);
}

void SdlOutput::resume() { SDL_PauseAudioDevice(device_, 0); }

void SdlOutput::restartAt(int64_t startSample, const std::function<void()> &change)
{
    SDL_LockAudioDevice(device_);
    change();
    restartClock(startSample);
    SDL_UnlockAudioDevice(device_);
}

void SdlOutput::callback(void *self, Uint8 *stream, int len)
{
    static_cast<SdlOutput *>(self)->fill(reinterpret_cast<int16_t *>(stream),
                                         static_cast<size_t>(len) / sizeof(int16_t));
}

void SdlOutput::fill(int16_t *out, size_t samples)
{
    const size_t got = ring_ ? ring_->read(out, samples) : 0;
    std::memset(out + got, 0, (samples - got) * sizeof(int16_t));
    if (got == 0)
        return;
    delivered(static_cast<int64_t>(got / spec_.channels));
    const size_t half = ring_->capacity() / 2;
    const size_t freeNow = ring_->writable();
    if (ring_->readable() == 0 || (freeNow >= half && freeNow - got < half))
        onSpace_(); // the decoder may refill, or finish once the ring has run empty
}

} // namespace mpegdll
