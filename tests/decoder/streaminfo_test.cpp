// What the library tells about each fixture: length, layer, bit rate, frequency, channel mode.

#include "memorystream.h"
#include "mpegdll_loader.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Expected {
    const char *file;
    int frequency;
    int layer;
    int bitrate; // 0: variable, checked against a range
    int stereoMode;
    int lengthMs; // 0: no gapless information, checked against libmpg123's own count
};

const Expected kFixtures[] = {
    {"cbr128-44k-stereo.mp3", 44100, 3, 128000, 0, 3000},
    {"cbr64-32k-mono.mp3", 32000, 3, 64000, 3, 1500},
    {"vbr-48k-joint.mp3", 48000, 3, 0, 1, 2000},
    {"mpeg2-22k-joint.mp3", 22050, 3, 64000, 1, 1000},
    {"mpeg25-8k-mono.mp3", 8000, 3, 32000, 3, 1000},
    {"layer2-44k-stereo.mp2", 44100, 2, 192000, 0, 0},
    {"layer2-48k-dual.mp2", 48000, 2, 128000, 2, 0},
    {"silent-48k-stereo.mp1", 48000, 1, 128000, 0, 1000},
    {"silent-32k-mono.mp1", 32000, 1, 128000, 3, 1200},
};

class StreamInfo : public testing::TestWithParam<Expected> {
protected:
    void TearDown() override { mpegdll().Close(); }
};

TEST_P(StreamInfo, HeaderFieldsAndLength)
{
    const Expected &e = GetParam();
    const MpegDll &dll = mpegdll();
    dll.OpenFile(fixture(e.file));
    ASSERT_EQ(dll.LastError(), 0);
    EXPECT_EQ(dll.GetPlayerMode(), 0);
    EXPECT_EQ(dll.GetFrequency(), e.frequency);
    EXPECT_EQ(dll.GetLayer(), e.layer);
    EXPECT_EQ(dll.GetStereoMode(), e.stereoMode);
    if (e.bitrate != 0) {
        EXPECT_EQ(dll.GetBitrate(), e.bitrate);
    } else {
        EXPECT_GT(dll.GetBitrate(), 32000);
        EXPECT_LT(dll.GetBitrate(), 256000);
    }
    const Pcm reference = referenceDecode(fixture(e.file));
    const int referenceMs = static_cast<int>(reference.frames() * 1000 / reference.rate);
    EXPECT_EQ(dll.GetLength(), referenceMs);
    if (e.lengthMs != 0) {
        EXPECT_EQ(dll.GetLength(), e.lengthMs);
    }
    EXPECT_EQ(dll.LastError(), 0);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, StreamInfo, testing::ValuesIn(kFixtures),
                         [](const testing::TestParamInfo<Expected> &info) {
                             std::string name = info.param.file;
                             for (char &c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// A frame count the bytes cannot hold was once believed, and a seek to the middle of those
// years ran inside libmpg123 for hours.
TEST(StreamInfoLyingHeader, LengthIsCountedWhenTheInfoFrameCountIsImpossible)
{
    MemoryStream stream = MemoryStream::fromFile(fixture("cbr64-32k-mono.mp3"));
    const char tag[] = "Info";
    const auto at = std::search(stream.data.begin(), stream.data.end(), tag, tag + 4);
    ASSERT_NE(at, stream.data.end());
    ASSERT_EQ(at[7] & 1, 1); // the frame count is present
    std::fill(at + 8, at + 12, 0x7F);
    stream.openIn();
    const MpegDll &dll = mpegdll();
    ASSERT_EQ(dll.LastError(), 0);
    EXPECT_NEAR(dll.GetLength(), 1500, 60); // counted frames keep the encoder's delay and padding
    dll.Seek(dll.GetLength() / 2);
    EXPECT_EQ(dll.LastError(), 0);
    dll.Close();
}

TEST(StreamInfoWithoutStream, QueriesFailWithIncorrectMode)
{
    const MpegDll &dll = mpegdll();
    dll.Close();
    EXPECT_EQ(dll.GetPlayerMode(), 1);
    EXPECT_EQ(dll.LastError(), 0);
    for (auto query : {dll.GetFrequency, dll.GetBitrate, dll.GetLayer, dll.GetLength}) {
        EXPECT_EQ(query(), 0);
        EXPECT_EQ(dll.LastError(), 2);
    }
}

} // namespace
