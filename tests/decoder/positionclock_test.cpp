// The heard-position estimate from the device's requests.

#include "decoder/positionclock.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kMs = 1'000'000; // ns
constexpr int kRate = 1000;        // one frame a millisecond keeps the numbers readable
constexpr int kChunk = 20;

mpegdll::PositionClock startedClock()
{
    mpegdll::PositionClock clock;
    clock.reset(5000, kRate, kChunk, 2 * kChunk);
    return clock;
}

TEST(PositionClock, NothingHeardUntilTheDeviceHoldsMoreThanItsLatency)
{
    auto clock = startedClock();
    EXPECT_EQ(clock.heard(0), 5000);
    clock.delivered(kChunk, 100 * kMs); // the first request: prebuffering
    EXPECT_EQ(clock.heard(110 * kMs), 5000);
    // A slow first wake-up: no further request, and no advance.
    EXPECT_EQ(clock.heard(600 * kMs), 5000);
}

TEST(PositionClock, RunsWithTheClockBetweenRequestsButNotPastTheNext)
{
    auto clock = startedClock();
    for (int i = 0; i < 5; ++i)
        clock.delivered(kChunk, (100 + 20 * i) * kMs);
    // 100 frames handed over, 40 still in the device at 180 ms.
    EXPECT_EQ(clock.heard(180 * kMs), 5060);
    EXPECT_EQ(clock.heard(190 * kMs), 5070);
    EXPECT_EQ(clock.heard(250 * kMs), 5080); // a late request: hold at the next buffer's start
}

TEST(PositionClock, NeverGoesBackwards)
{
    auto clock = startedClock();
    clock.delivered(3 * kChunk, 0);
    clock.delivered(kChunk, 0);
    const int64_t late = clock.heard(60 * kMs);
    clock.delivered(kChunk, 61 * kMs); // an early request after a late answer
    EXPECT_GE(clock.heard(61 * kMs), late);
}

TEST(PositionClock, DrainingPlaysOutEverythingHandedOver)
{
    auto clock = startedClock();
    clock.delivered(100, 0);
    clock.setDraining(true);
    EXPECT_EQ(clock.heard(20 * kMs), 5080);
    EXPECT_EQ(clock.heard(500 * kMs), 5100);
    EXPECT_EQ(clock.playedOutAtNs(), 40 * kMs);
}

// A device that reports what it holds: the estimate follows each report, also one that says the
// device holds more than was thought (no jump backwards) and one made before any delivery.
TEST(PositionClock, FollowsTheLatencyTheDeviceReports)
{
    auto clock = startedClock();
    clock.measured(0, 0); // nothing of this run taken yet: ignored
    EXPECT_EQ(clock.heard(10 * kMs), 5000);
    clock.delivered(100, 100 * kMs);
    clock.measured(70, 100 * kMs);
    EXPECT_EQ(clock.heard(100 * kMs), 5030);
    EXPECT_EQ(clock.heard(110 * kMs), 5040);
    clock.measured(75, 120 * kMs); // the sink was slower than the clock: 25 heard, not 40
    EXPECT_EQ(clock.heard(120 * kMs), 5040);
    EXPECT_EQ(clock.heard(135 * kMs), 5040);
    EXPECT_EQ(clock.heard(140 * kMs), 5045);
    EXPECT_EQ(clock.heard(300 * kMs), 5045); // no request since: one buffer at most
    EXPECT_EQ(clock.playedOutAtNs(), 195 * kMs);
}

TEST(PositionClock, KnowsTheEndOfWhatWasHandedOver)
{
    auto clock = startedClock();
    EXPECT_EQ(clock.handedOverEnd(), 5000);
    clock.delivered(kChunk, 0);
    clock.delivered(kChunk, 20 * kMs);
    EXPECT_EQ(clock.handedOverEnd(), 5000 + 2 * kChunk);
}

} // namespace
