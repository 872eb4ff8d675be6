// How much audio the sound device holds after the callback hands it over.

#include "decoder/soundoutput.h"

#include <gtest/gtest.h>

namespace {

SDL_AudioSpec deviceSpec(int rate, Uint16 frames)
{
    SDL_AudioSpec device{};
    device.freq = rate;
    device.samples = frames;
    return device;
}

TEST(SoundOutputLatency, CountsTheServersBufferBeyondTheCallbacks)
{
    EXPECT_EQ(mpegdll::latencyFramesFor(deviceSpec(44100, 1024), 100), 1024 + 4410);
    EXPECT_EQ(mpegdll::latencyFramesFor(deviceSpec(32000, 512), 70), 512 + 2240);
}

TEST(SoundOutputLatency, WithoutAServerBufferOneMoreOfTheDevices)
{
    EXPECT_EQ(mpegdll::latencyFramesFor(deviceSpec(48000, 1024), 0), 2048);
    EXPECT_EQ(mpegdll::latencyFramesFor(deviceSpec(48000, 1024), -5), 2048);
}

} // namespace
