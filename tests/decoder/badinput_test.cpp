// Input that is not (all) MPEG audio: refused at Open with code 3, or played up to the end of the
// good frames; never a crash or a hang.

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
