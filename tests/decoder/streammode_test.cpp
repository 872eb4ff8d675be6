// Stream mode: the six callbacks supply the bytes.

#include "memorystream.h"
#include "mpegdll_loader.h"
#include "reference.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace {

class StreamMode : public testing::Test {
protected:
    void TearDown() override { mpegdll().Close(); }

    Pcm playToWav()
    {
        mpegdll().SetOutputDevice(2, wav.c_str());
        EXPECT_EQ(mpegdll().Play(0, 0, &endByte), 0);
        EXPECT_TRUE(waitForEnd(endByte, 10000));
        return readWav(wav);
    }

    ScratchDir dir;
    std::string wav = dir.file("out.wav");
    unsigned char endByte = 0;
};

TEST_F(StreamMode, SeekableStreamDecodesLikeTheFile)
{
    const std::string file = fixture("vbr-48k-joint.mp3");
    mpegdll().OpenFile(file);
    const int fileLength = mpegdll().GetLength();
    MemoryStream stream = MemoryStream::fromFile(file);
    stream.openIn();
    ASSERT_EQ(mpegdll().LastError(), 0);
    EXPECT_EQ(stream.opens, 1);
    EXPECT_EQ(mpegdll().GetLength(), fileLength);
    EXPECT_EQ(mpegdll().GetLayer(), 3);
    EXPECT_TRUE(playToWav().samples == referenceDecode(file).samples);
    mpegdll().Seek(500);
    EXPECT_EQ(mpegdll().LastError(), 0);
    mpegdll().Close();
    EXPECT_EQ(stream.closes, 1);
    EXPECT_TRUE(stream.contextSeen);
}

TEST_F(StreamMode, NonSeekableStreamPlaysAndRestartsThroughRestart)
{
    const std::string file = fixture("cbr128-44k-stereo.mp3");
    const Pcm reference = referenceDecode(file);
    MemoryStream stream = MemoryStream::fromFile(file, false);
    stream.openIn();
    ASSERT_EQ(mpegdll().LastError(), 0);
    mpegdll().Seek(1000);
    EXPECT_EQ(mpegdll().LastError(), 4);
    EXPECT_EQ(playToWav().frames(), reference.frames());
    mpegdll().Restart();
    ASSERT_EQ(mpegdll().LastError(), 0);
    ASSERT_TRUE(waitForEnd(endByte, 10000));
    EXPECT_EQ(stream.restarts, 1);
    EXPECT_TRUE(readWav(wav).samples == reference.samples);
}

TEST_F(StreamMode, NonSeekableStreamWithoutRestartCannotPlayAgain)
{
    MemoryStream stream = MemoryStream::fromFile(fixture("cbr64-32k-mono.mp3"), false);
    stream.openIn(false);
    playToWav();
    mpegdll().Restart();
    EXPECT_EQ(mpegdll().LastError(), 3);
    EXPECT_EQ(mpegdll().GetPlayerMode(), 2);
}

TEST_F(StreamMode, ReadErrorEndsPlaybackAfterTheGoodBytes)
{
    MemoryStream stream(silentLayer1(1000), false);
    stream.failReadsAt = 128 * 800; // 800 whole frames, then an error
    stream.openIn();
    ASSERT_EQ(mpegdll().LastError(), 0);
    EXPECT_EQ(playToWav().frames(), 800 * 384);
}

TEST_F(StreamMode, StreamThatIsNotAudioIsRefused)
{
    MemoryStream stream = MemoryStream::fromFile(fixture("picture.mp3"));
    stream.openIn();
    EXPECT_EQ(mpegdll().LastError(), 3);
    EXPECT_EQ(stream.closes, 1); // the source is closed again
    mpegdll().Open(nullptr, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(mpegdll().LastError(), 3); // no read callback
}

} // namespace
