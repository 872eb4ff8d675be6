// Playback through a real-time sound device (a PulseAudio null sink), once the sink is awake.
// These tests measure rates and intervals once the position moves, never times from "Play".

#include "mpegdll_loader.h"
#include "pulsesink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// One device buffer (about 45 ms) of jitter is allowed where the position is compared with the
// clock.
constexpr double kJitterMs = 50;
// What the device and the server already hold (about 45 + 100 ms) plays out before a seek is heard.
constexpr int kHeldMs = 180;

class RealTime : public testing::Test {
protected:
    void SetUp() override
    {
        if (!sink.running())
            GTEST_SKIP() << "pulseaudio cannot start here";
        // Until then the sink takes seconds of audio at once and reports times no card would.
        sink.waitUntilAwake();
    }
    void TearDown() override { mpegdll().Close(); }

    // Opens and plays a fixture; returns once the device has started to consume it.
    void startPlaying(const char *name)
    {
        mpegdll().OpenFile(fixture(name));
        ASSERT_EQ(mpegdll().LastError(), 0);
        mpegdll().SetOutputDevice(0, "");
        ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0) << mpegdll().LastError();
        const auto start = Clock::now();
        while (mpegdll().GetCurrentPos() == 0 && msSince(start) < 3000)
            sleepMs(2);
        ASSERT_GT(mpegdll().GetCurrentPos(), 0);
    }

    PulseSink sink{DECODER_TEST_RUNTIME};
    unsigned char endByte = 0;
};

struct Sample {
    double t;
    int pos;
};

std::vector<Sample> sampleFor(int ms)
{
    std::vector<Sample> samples;
    const auto start = Clock::now();
    while (msSince(start) < ms) {
        samples.push_back({msSince(start), mpegdll().GetCurrentPos()});
        sleepMs(10);
    }
    return samples;
}

TEST_F(RealTime, PositionFollowsTheClockNeverAhead)
{
    startPlaying("cbr128-44k-stereo.mp3");
    const auto samples = sampleFor(1500);
    for (size_t i = 1; i < samples.size(); ++i) {
        EXPECT_GE(samples[i].pos, samples[i - 1].pos);
        EXPECT_LE(samples[i].pos - samples[0].pos, samples[i].t - samples[0].t + kJitterMs);
    }
    const double rate = (samples.back().pos - samples.front().pos) /
                        (samples.back().t - samples.front().t);
    EXPECT_NEAR(rate, 1.0, 0.04);
    EXPECT_EQ(mpegdll().GetPlayerMode(), 3);
}

TEST_F(RealTime, PauseHoldsThePositionAndResumeContinuesFromIt)
{
    startPlaying("cbr128-44k-stereo.mp3");
    sleepMs(300);
    const int before = mpegdll().GetCurrentPos();
    mpegdll().Pause(0);
    EXPECT_EQ(mpegdll().GetPlayerMode(), 4);
    sleepMs(100); // what the device holds plays out
    const int paused = mpegdll().GetCurrentPos();
    EXPECT_LE(paused - before, 100);
    sleepMs(400);
    EXPECT_EQ(mpegdll().GetCurrentPos(), paused);
    mpegdll().Pause(1);
    EXPECT_EQ(mpegdll().LastError(), 0);
    const auto resumed = Clock::now();
    sleepMs(500);
    const int after = mpegdll().GetCurrentPos();
    EXPECT_LE(after - paused, msSince(resumed) + kJitterMs);
    EXPECT_GE(after - paused, 500 - kHeldMs); // the device's own latency before sound resumes
}

// The audio the device still holds at the pause is heard again after the resume, so the position
// stops where it is rather than running on through it.
TEST_F(RealTime, PauseStopsThePositionAtTheSampleBeingHeard)
{
    startPlaying("cbr128-44k-stereo.mp3");
    sleepMs(300);
    const int before = mpegdll().GetCurrentPos();
    const auto pausing = Clock::now();
    mpegdll().Pause(0);
    const double took = msSince(pausing);
    sleepMs(300);
    const int paused = mpegdll().GetCurrentPos();
    EXPECT_GE(paused, before);
    EXPECT_LE(paused - before, took + 5);
    mpegdll().Pause(1);
    sleepMs(400);
    EXPECT_GT(mpegdll().GetCurrentPos(), paused);
}

TEST_F(RealTime, SeekLandsWhereAsked)
{
    startPlaying("cbr128-44k-stereo.mp3");
    mpegdll().Seek(2000);
    EXPECT_EQ(mpegdll().LastError(), 0);
    EXPECT_EQ(mpegdll().GetCurrentPos(), 2000);
    const auto seeked = Clock::now();
    sleepMs(400);
    const int after = mpegdll().GetCurrentPos();
    EXPECT_GE(after, 2000 + 400 - kHeldMs);
    EXPECT_LE(after, 2000 + msSince(seeked) + kJitterMs);

    mpegdll().Pause(0);
    mpegdll().Seek(500);
    EXPECT_EQ(mpegdll().GetCurrentPos(), 500);
    sleepMs(200);
    EXPECT_EQ(mpegdll().GetCurrentPos(), 500);
    mpegdll().Pause(1);
    sleepMs(300);
    EXPECT_GT(mpegdll().GetCurrentPos(), 500);
    EXPECT_LE(mpegdll().GetCurrentPos(), 500 + 300 + kJitterMs);
}

TEST_F(RealTime, EndByteWithin200msAfterTheLastSample)
{
    startPlaying("cbr64-32k-mono.mp3"); // 1.5 s
    const int length = mpegdll().GetLength();
    sleepMs(300);
    // When the last sample is heard, extrapolated from the position in mid-play.
    const int pos = mpegdll().GetCurrentPos();
    const auto lastSampleAt = Clock::now() + std::chrono::milliseconds(length - pos);
    while (!endReached(endByte)) {
        ASSERT_LT(msSince(lastSampleAt), 2000) << "no end";
        EXPECT_EQ(mpegdll().GetPlayerMode(), 3);
        sleepMs(1);
    }
    const double late = msSince(lastSampleAt);
    EXPECT_GE(late, -kJitterMs);
    EXPECT_LE(late, 200);
    EXPECT_EQ(mpegdll().GetCurrentPos(), length);
    EXPECT_EQ(mpegdll().GetPlayerMode(), 2);
}

TEST_F(RealTime, LosingTheDeviceIsAnOutputFailure)
{
    startPlaying("cbr128-44k-stereo.mp3");
    sink.stop();
    const auto start = Clock::now();
    int code = 0;
    while (code == 0 && msSince(start) < 2000) {
        mpegdll().GetCurrentPos();
        code = mpegdll().LastError();
        sleepMs(10);
    }
    EXPECT_EQ(code, 5);
    EXPECT_EQ(mpegdll().GetPlayerMode(), 2);
    EXPECT_EQ(mpegdll().LastError(), 0); // reported once
    EXPECT_FALSE(endReached(endByte));
}

TEST_F(RealTime, UnknownDeviceNumberIsAnOutputFailure)
{
    mpegdll().OpenFile(fixture("cbr64-32k-mono.mp3"));
    mpegdll().SetSndDevice(99);
    EXPECT_EQ(mpegdll().LastError(), 0); // checked when playback starts
    EXPECT_NE(mpegdll().Play(0, 0, &endByte), 0);
    EXPECT_EQ(mpegdll().LastError(), 5);
    mpegdll().SetSndDevice(0);
}

TEST(NoSoundDevice, PlayFailsWithOutputDeviceFailure)
{
    useNoSoundServer();
    mpegdll().OpenFile(fixture("cbr64-32k-mono.mp3"));
    unsigned char endByte = 0;
    EXPECT_NE(mpegdll().Play(0, 0, &endByte), 0);
    EXPECT_EQ(mpegdll().LastError(), 5);
    EXPECT_EQ(mpegdll().GetPlayerMode(), 0);
    mpegdll().Close();
}

} // namespace
