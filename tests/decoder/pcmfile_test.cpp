// PCM-file output: what the library writes, and when it says it is done.

#include "memorystream.h"
#include "mpegdll_loader.h"
#include "reference.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

class PcmFile : public testing::Test {
protected:
    void TearDown() override { mpegdll().Close(); }

    // Plays the open stream into out.wav and waits for the end byte.
    Pcm playToWav(int startMs = 0, int endMs = 0)
    {
        const MpegDll &dll = mpegdll();
        dll.SetOutputDevice(2, wav.c_str());
        EXPECT_EQ(dll.Play(startMs, endMs, &endByte), 0);
        EXPECT_EQ(dll.LastError(), 0);
        EXPECT_TRUE(waitForEnd(endByte, 10000));
        return readWav(wav);
    }

    ScratchDir dir;
    std::string wav = dir.file("out.wav");
    unsigned char endByte = 0;
};

int maxDifference(const std::vector<int16_t> &a, size_t aFrom, const std::vector<int16_t> &b)
{
    int worst = 0;
    for (size_t i = 0; i < b.size() && aFrom + i < a.size(); ++i)
        worst = std::max(worst, std::abs(a[aFrom + i] - b[i]));
    return worst;
}

TEST_F(PcmFile, WritesEverySampleLibmpg123Decodes)
{
    for (const char *name : {"cbr128-44k-stereo.mp3", "cbr64-32k-mono.mp3", "vbr-48k-joint.mp3",
                             "mpeg25-8k-mono.mp3", "layer2-48k-dual.mp2", "silent-32k-mono.mp1"}) {
        SCOPED_TRACE(name);
        const Pcm reference = referenceDecode(fixture(name));
        mpegdll().OpenFile(fixture(name));
        const Pcm written = playToWav();
        EXPECT_EQ(written.rate, reference.rate);
        EXPECT_EQ(written.channels, reference.channels);
        EXPECT_EQ(written.frames(), reference.frames());
        EXPECT_TRUE(written.samples == reference.samples);
        EXPECT_EQ(mpegdll().GetPlayerMode(), 2);
        EXPECT_EQ(mpegdll().GetCurrentPos(), mpegdll().GetLength());
    }
}

TEST_F(PcmFile, SeekBeforePlayStartsThereToTheSample)
{
    const Pcm reference = referenceDecode(fixture("cbr128-44k-stereo.mp3"));
    mpegdll().OpenFile(fixture("cbr128-44k-stereo.mp3"));
    mpegdll().Seek(1000);
    EXPECT_EQ(mpegdll().LastError(), 0);
    EXPECT_EQ(mpegdll().GetCurrentPos(), 1000);
    const Pcm written = playToWav();
    ASSERT_EQ(written.frames(), reference.frames() - 44100);
    // Seeking decodes a little history again, so the first samples may differ by rounding.
    EXPECT_LE(maxDifference(reference.samples, 44100 * 2, written.samples), 2);
}

TEST_F(PcmFile, PlaysTheRangeGivenToPlay)
{
    mpegdll().OpenFile(fixture("silent-48k-stereo.mp1"));
    const Pcm written = playToWav(250, 750);
    EXPECT_EQ(written.frames(), 24000);
}

TEST_F(PcmFile, RestartWritesTheFileAgainFromTheStart)
{
    const Pcm reference = referenceDecode(fixture("mpeg2-22k-joint.mp3"));
    mpegdll().OpenFile(fixture("mpeg2-22k-joint.mp3"));
    playToWav();
    std::filesystem::remove(wav);
    mpegdll().Restart();
    EXPECT_EQ(mpegdll().LastError(), 0);
    EXPECT_TRUE(waitForEnd(endByte, 10000));
    EXPECT_EQ(readWav(wav).frames(), reference.frames());
}

TEST_F(PcmFile, EndByteOnlyOnceTheFileIsCompleteInPlace)
{
    MemoryStream stream(silentLayer1(1000)); // 8 s, larger than what Open reads ahead
    stream.openIn();
    stream.holdAt(100000);
    mpegdll().SetOutputDevice(2, wav.c_str());
    ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0);
    while (!stream.waitingAtGate)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(endReached(endByte));
    EXPECT_FALSE(std::filesystem::exists(wav)); // only the temporary file so far
    stream.release();
    ASSERT_TRUE(waitForEnd(endByte, 10000));
    EXPECT_EQ(readWav(wav).frames(), 1000 * 384);
    EXPECT_EQ(dir.list(), std::vector<std::string>{"out.wav"});
}

TEST_F(PcmFile, ModesPauseAndStop)
{
    const MpegDll &dll = mpegdll();
    MemoryStream stream(silentLayer1(1000));
    stream.openIn();
    EXPECT_EQ(dll.GetPlayerMode(), 0);
    dll.Pause(0);
    EXPECT_EQ(dll.LastError(), 2);
    dll.Stop();
    EXPECT_EQ(dll.LastError(), 2);
    dll.Restart();
    EXPECT_EQ(dll.LastError(), 2); // nothing was started yet
    stream.holdAt(100000);
    dll.SetOutputDevice(2, wav.c_str());
    ASSERT_EQ(dll.Play(0, 0, &endByte), 0);
    EXPECT_EQ(dll.GetPlayerMode(), 3);
    EXPECT_NE(dll.Play(0, 0, &endByte), 0);
    EXPECT_EQ(dll.LastError(), 2);
    dll.Pause(0);
    EXPECT_EQ(dll.GetPlayerMode(), 4);
    dll.Pause(1);
    EXPECT_EQ(dll.LastError(), 0);
    EXPECT_EQ(dll.GetPlayerMode(), 3);
    stream.release();
    dll.Stop();
    EXPECT_EQ(dll.LastError(), 0);
    EXPECT_EQ(dll.GetPlayerMode(), 2);
    EXPECT_TRUE(std::filesystem::exists(wav)); // completed with what was written
    dll.ResetPlayerMode();
    EXPECT_EQ(dll.GetPlayerMode(), 0);
    dll.Close();
    EXPECT_EQ(dll.GetPlayerMode(), 1);
    EXPECT_EQ(stream.closes, 1);
}

TEST_F(PcmFile, DeinitClosesEverythingAndInitStartsAgain)
{
    const MpegDll &dll = mpegdll();
    dll.OpenFile(fixture("silent-48k-stereo.mp1"));
    dll.deinit();
    EXPECT_EQ(dll.GetPlayerMode(), 1);
    EXPECT_EQ(dll.init(), 1);
    dll.OpenFile(fixture("silent-48k-stereo.mp1"));
    EXPECT_EQ(playToWav().frames(), 48000);
}

TEST_F(PcmFile, OutputFailuresAreDeviceFailures)
{
    const MpegDll &dll = mpegdll();
    dll.OpenFile(fixture("silent-32k-mono.mp1"));
    dll.SetOutputDevice(2, "");
    EXPECT_EQ(dll.LastError(), 5);
    dll.SetOutputDevice(7, "x.wav");
    EXPECT_EQ(dll.LastError(), 5);
    dll.SetOutputDevice(2, "/nonexistent-folder/out.wav");
    EXPECT_NE(dll.Play(0, 0, &endByte), 0);
    EXPECT_EQ(dll.LastError(), 5);
    EXPECT_EQ(dll.GetPlayerMode(), 0);
}

} // namespace

namespace {

// Nice values of this process's threads.
std::vector<int> threadNiceValues()
{
    std::vector<int> values;
    for (const auto &task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream stat(task.path() / "stat");
        std::string line;
        std::getline(stat, line);
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        for (int i = 0; i < 17 && fields >> field; ++i) {
        }
        values.push_back(std::stoi(field)); // field 19: nice
    }
    return values;
}

bool someThreadHasNice(int nice)
{
    const auto values = threadNiceValues();
    return std::find(values.begin(), values.end(), nice) != values.end();
}

TEST_F(PcmFile, PriorityLevelsReachTheDecodingThread)
{
    MemoryStream stream(silentLayer1(1000));
    stream.openIn();
    stream.holdAt(100000);
    mpegdll().SetPriority(-2); // lowest: nice 10
    EXPECT_EQ(mpegdll().LastError(), 0);
    mpegdll().SetOutputDevice(2, wav.c_str());
    ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0);
    while (!stream.waitingAtGate)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(someThreadHasNice(10));
    mpegdll().SetPriority(-15); // idle: nice 19, applied while running
    EXPECT_TRUE(someThreadHasNice(19));
    mpegdll().SetPriority(15); // time critical: never fails, whatever the process may do
    EXPECT_EQ(mpegdll().LastError(), 0);
    stream.release();
    EXPECT_TRUE(waitForEnd(endByte, 10000));
    mpegdll().SetPriority(0);
}

} // namespace
