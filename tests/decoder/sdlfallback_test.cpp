// Without a PulseAudio server, playback goes through SDL's own drivers; the disk driver stands in
// for a sound card here, taking audio in real time and keeping it in a file.

#include "mpegdll_loader.h"
#include "pulsesink.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

int msSince(Clock::time_point start)
{
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(SdlFallback, WithoutASoundServerPlaysPausesAndEndsThroughSdl)
{
    ScratchDir dir;
    const std::string heard = dir.file("heard.raw");
    useNoSoundServer();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", heard.c_str(), 1);

    mpegdll().OpenFile(fixture("cbr64-32k-mono.mp3")); // 1.5 s
    unsigned char endByte = 0;
    ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0) << mpegdll().LastError();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_GT(mpegdll().GetCurrentPos(), 0);

    mpegdll().Pause(0);
    const int paused = mpegdll().GetCurrentPos();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(mpegdll().GetCurrentPos(), paused);
    mpegdll().Pause(1);

    const auto resumed = Clock::now();
    while (!endReached(endByte) && msSince(resumed) < 4000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(endReached(endByte));
    EXPECT_GE(msSince(resumed), 1500 - paused - 100); // in real time, not as fast as decoding
    EXPECT_EQ(mpegdll().GetPlayerMode(), 2);
    mpegdll().Close();
    EXPECT_GE(std::filesystem::file_size(heard), 1500u * 32 * 2); // 32 kHz, 16-bit mono
}

} // namespace
