// The ring between the decoding thread and the sound device.

#include "decoder/ringbuffer.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

TEST(RingBuffer, KeepsOrderAcrossTheWrap)
{
    mpegdll::RingBuffer ring(8);
    int16_t next = 0;
    int16_t expected = 0;
    for (int round = 0; round < 10; ++round) {
        size_t room = 0;
        int16_t *span = ring.writeSpan(room);
        const size_t n = std::min<size_t>(room, 5);
        for (size_t i = 0; i < n; ++i)
            span[i] = next++;
        ring.commit(n);
        int16_t out[3];
        const size_t got = ring.read(out, 3);
        for (size_t i = 0; i < got; ++i)
            EXPECT_EQ(out[i], expected++);
    }
    EXPECT_EQ(ring.readable() + static_cast<size_t>(expected), static_cast<size_t>(next));
}

TEST(RingBuffer, WriteSpanNeverOverwritesUnreadSamples)
{
    mpegdll::RingBuffer ring(6);
    size_t room = 0;
    ring.writeSpan(room);
    ring.commit(room);
    EXPECT_EQ(ring.writable(), 0u);
    int16_t out[4];
    EXPECT_EQ(ring.read(out, 4), 4u);
    ring.writeSpan(room);
    EXPECT_EQ(room, 4u);
    ring.clear();
    EXPECT_EQ(ring.readable(), 0u);
    EXPECT_EQ(ring.writable(), 6u);
}

TEST(RingBuffer, StepsBackOverKeptSamplesOnly)
{
    mpegdll::RingBuffer ring(4, 2);
    int16_t next = 0;
    int16_t out[4];
    for (int round = 0; round < 3; ++round) { // the kept samples survive the writer's wrap
        size_t room = 0;
        int16_t *span = ring.writeSpan(room);
        for (size_t i = 0; i < room; ++i)
            span[i] = next++;
        ring.commit(room);
        ring.read(out, 3);
    }
    const size_t before = ring.readable();
    EXPECT_EQ(ring.unread(5), 2u);
    EXPECT_EQ(ring.readable(), before + 2);
    EXPECT_EQ(ring.read(out, 1), 1u);
    EXPECT_EQ(out[0], next - static_cast<int16_t>(before) - 2);
}

// A pause after the decoder has refilled the ring: the step back leaves more than the capacity
// readable, and the writer must then find no room rather than room that wraps over it.
TEST(RingBuffer, StepBackOverAFullRingLeavesTheWriterNoRoom)
{
    mpegdll::RingBuffer ring(8, 4);
    int16_t next = 0;
    const auto fill = [&] {
        size_t room = 0;
        int16_t *span = ring.writeSpan(room);
        for (size_t i = 0; i < room; ++i)
            span[i] = next++;
        ring.commit(room);
    };
    fill();
    int16_t out[12];
    ring.read(out, 4);
    fill(); // full again
    EXPECT_EQ(ring.unread(4), 4u);
    EXPECT_EQ(ring.writable(), 0u);
    size_t room = 1;
    ring.writeSpan(room);
    EXPECT_EQ(room, 0u);
    ASSERT_EQ(ring.read(out, 12), 12u);
    for (int16_t i = 0; i < 12; ++i)
        EXPECT_EQ(out[i], i);
}

TEST(RingBuffer, NothingToStepBackOverAfterClear)
{
    mpegdll::RingBuffer ring(4, 4);
    size_t room = 0;
    ring.writeSpan(room);
    ring.commit(2);
    ring.clear();
    EXPECT_EQ(ring.unread(2), 0u);
    EXPECT_EQ(ring.readable(), 0u);
}

} // namespace
