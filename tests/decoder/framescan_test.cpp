// Telling MPEG audio from other bytes before libmpg123 sees them.

#include "decoder/framescan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using mpegdll::findAudioStart;
using mpegdll::parseFrameHeader;

// MPEG-1 layer III, 128 kbit/s, 44.1 kHz, no padding: 417 bytes a frame.
std::vector<uint8_t> layer3Frames(int count)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), {0xFF, 0xFB, 0x90, 0x00});
        bytes.resize(bytes.size() + 413, 0x55);
    }
    return bytes;
}

TEST(FrameHeader, LengthsOfEachVersionAndLayer)
{
    struct Case {
        std::vector<uint8_t> header;
        int version, layer, rate, length;
    };
    const Case cases[] = {
        {{0xFF, 0xFB, 0x90, 0x00}, 10, 3, 44100, 417},  // MPEG-1 L3 128k
        {{0xFF, 0xFB, 0x92, 0x00}, 10, 3, 44100, 418},  // padded
        {{0xFF, 0xFD, 0xA4, 0x00}, 10, 2, 48000, 576},  // MPEG-1 L2 192k
        {{0xFF, 0xFF, 0x44, 0x00}, 10, 1, 48000, 128},  // MPEG-1 L1 128k
        {{0xFF, 0xF3, 0x80, 0x00}, 20, 3, 22050, 208},  // MPEG-2 L3 64k
        {{0xFF, 0xE3, 0x28, 0xC0}, 25, 3, 8000, 144},   // MPEG-2.5 L3 16k
    };
    for (const Case &c : cases) {
        const auto h = parseFrameHeader(c.header.data());
        ASSERT_TRUE(h);
        EXPECT_EQ(h->version, c.version);
        EXPECT_EQ(h->layer, c.layer);
        EXPECT_EQ(h->sampleRate, c.rate);
        EXPECT_EQ(h->length, c.length);
    }
}

TEST(FrameHeader, InvalidFieldsAreRefused)
{
    for (std::vector<uint8_t> header : {
             std::vector<uint8_t>{0xFF, 0xEB, 0x90, 0x00}, // reserved version
             std::vector<uint8_t>{0xFF, 0xF9, 0x90, 0x00}, // reserved layer
             std::vector<uint8_t>{0xFF, 0xFB, 0xF0, 0x00}, // bad bit rate
             std::vector<uint8_t>{0xFF, 0xFB, 0x00, 0x00}, // free format
             std::vector<uint8_t>{0xFF, 0xFB, 0x9C, 0x00}, // reserved sampling rate
             std::vector<uint8_t>{0xFF, 0xFB, 0x90, 0x02}, // reserved emphasis
             std::vector<uint8_t>{0xFE, 0xFB, 0x90, 0x00}, // no sync
         })
        EXPECT_FALSE(parseFrameHeader(header.data()));
}

TEST(AudioStart, NeedsARunOfAlikeFrames)
{
    auto bytes = layer3Frames(6);
    EXPECT_EQ(findAudioStart(bytes.data(), bytes.size(), false), 0u);
    // A lone header among other bytes is not audio.
    std::vector<uint8_t> lone(4000, 0x11);
    lone[100] = 0xFF, lone[101] = 0xFB, lone[102] = 0x90, lone[103] = 0x00;
    EXPECT_FALSE(findAudioStart(lone.data(), lone.size(), true));
}

TEST(AudioStart, SkipsBytesBeforeTheFirstFrame)
{
    std::vector<uint8_t> bytes(333, 0xFF); // sync-like junk
    const auto frames = layer3Frames(5);
    bytes.insert(bytes.end(), frames.begin(), frames.end());
    EXPECT_EQ(findAudioStart(bytes.data(), bytes.size(), true), 333u);
}

TEST(AudioStart, ShortOrTruncatedStreamCountsWhenItEndsThere)
{
    auto bytes = layer3Frames(2);
    bytes.resize(bytes.size() - 100); // the second frame is cut
    EXPECT_EQ(findAudioStart(bytes.data(), bytes.size(), true), 0u);
    EXPECT_FALSE(findAudioStart(bytes.data(), bytes.size(), false));
    auto tagged = layer3Frames(2);
    tagged.insert(tagged.end(), {'T', 'A', 'G'});
    tagged.resize(tagged.size() + 125, ' ');
    EXPECT_EQ(findAudioStart(tagged.data(), tagged.size(), true), 0u);
}

TEST(AudioStart, Id3v2TagSize)
{
    const uint8_t tag[10] = {'I', 'D', '3', 4, 0, 0x10, 0, 0, 0x02, 0x01}; // footer flag
    EXPECT_EQ(mpegdll::id3v2TagSize(tag, sizeof tag), 10u + 257u + 10u);
    const uint8_t notSyncSafe[10] = {'I', 'D', '3', 4, 0, 0, 0, 0, 0x80, 0};
    EXPECT_EQ(mpegdll::id3v2TagSize(notSyncSafe, sizeof notSyncSafe), 0u);
    EXPECT_EQ(mpegdll::id3v2TagSize(tag, 5), 0u);
}

} // namespace
