// Input that is not (all) MPEG audio: refused at Open with code 3, or played up to the end of the
// good frames; never a crash or a hang.

#include "memorystream.h"
#include "mpegdll_loader.h"
#include "reference.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace {

class BadInput : public testing::Test {
protected:
    void TearDown() override { mpegdll().Close(); }
};

TEST_F(BadInput, RefusedAtOpenWithInputStreamError)
{
    ScratchDir dir;
    for (const std::string &path :
         {fixture("missing.mp3"), fixture("empty.mp3"), fixture("garbage.mp3"),
          fixture("picture.mp3"), fixture(""), dir.file("")}) {
        SCOPED_TRACE(path);
        mpegdll().OpenFile(fixture("silent-32k-mono.mp1"));
        mpegdll().OpenFile(path);
        EXPECT_EQ(mpegdll().LastError(), 3);
        EXPECT_EQ(mpegdll().GetPlayerMode(), 1); // the previous stream is closed too
    }
    mpegdll().Open(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(mpegdll().LastError(), 3);
}

TEST_F(BadInput, NothingOpenMeansIncorrectMode)
{
    unsigned char endByte = 0;
    EXPECT_NE(mpegdll().Play(0, 0, &endByte), 0);
    EXPECT_EQ(mpegdll().LastError(), 2);
    mpegdll().Seek(100);
    EXPECT_EQ(mpegdll().LastError(), 2);
    mpegdll().Restart();
    EXPECT_EQ(mpegdll().LastError(), 2);
}

TEST_F(BadInput, TruncatedFilePlaysItsGoodFrames)
{
    ScratchDir dir;
    const Pcm reference = referenceDecode(fixture("truncated.mp3"));
    ASSERT_GT(reference.frames(), 0);
    mpegdll().OpenFile(fixture("truncated.mp3"));
    ASSERT_EQ(mpegdll().LastError(), 0);
    unsigned char endByte = 0;
    mpegdll().SetOutputDevice(2, dir.file("out.wav").c_str());
    ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0);
    ASSERT_TRUE(waitForEnd(endByte, 10000));
    EXPECT_EQ(readWav(dir.file("out.wav")).frames(), reference.frames());
}

TEST_F(BadInput, SeeksBeyondTheEndStopAtTheEnd)
{
    mpegdll().OpenFile(fixture("silent-48k-stereo.mp1"));
    mpegdll().Seek(99999);
    EXPECT_EQ(mpegdll().LastError(), 0);
    EXPECT_EQ(mpegdll().GetCurrentPos(), 1000);
    mpegdll().Seek(-5);
    EXPECT_EQ(mpegdll().GetCurrentPos(), 0);
}

} // namespace

namespace {

// Corrupted copies of a good file, served as a stream: each opens or is refused, and when it
// opens it plays to its end.
TEST_F(BadInput, CorruptedStreamsNeverCrashOrHang)
{
    ScratchDir dir;
    const MemoryStream original = MemoryStream::fromFile(fixture("vbr-48k-joint.mp3"));
    uint32_t seed = 12345;
    int played = 0;
    auto random = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 30; ++round) {
        MemoryStream stream(original.data, round % 2 == 0);
        for (int i = 0; i < 40; ++i)
            stream.data[random() % stream.data.size()] = static_cast<uint8_t>(random() >> 24);
        stream.data.resize(random() % stream.data.size());
        stream.openIn();
        if (mpegdll().LastError() != 0)
            continue;
        unsigned char endByte = 0;
        mpegdll().SetOutputDevice(2, dir.file("out.wav").c_str());
        ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0);
        EXPECT_TRUE(waitForEnd(endByte, 10000)) << "round " << round;
        mpegdll().Close();
        ++played;
    }
    EXPECT_GT(played, 10); // most corruptions leave a stream that still starts with audio
}

} // namespace
