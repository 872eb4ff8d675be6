// What the sink really plays, recorded from its monitor: a pause and resume neither lose nor
// repeat audio beyond a few milliseconds, and the song plays to its last sample.

#include "mpegdll_loader.h"
#include "pulsesink.h"
#include "reference.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace {

constexpr int kRate = 44100;
constexpr size_t kWindow = kRate / 20;  // 50 ms of audio to look for in the reference
constexpr size_t kMargin = kRate / 100; // 10 ms kept clear of a segment's edges

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Records the default sink's monitor as 16-bit mono until destroyed.
class MonitorRecording {
public:
    explicit MonitorRecording(const std::string &file)
    {
        const std::string rate = "--rate=" + std::to_string(kRate);
        const char *argv[] = {"parec",         "-d", "@DEFAULT_MONITOR@", rate.c_str(),
                              "--channels=1",  "--format=s16le",          "--latency-msec=20",
                              file.c_str(),    nullptr};
        if (posix_spawnp(&pid_, "parec", nullptr, nullptr, const_cast<char **>(argv), environ) != 0)
            pid_ = -1;
    }
    ~MonitorRecording() { stop(); }
    bool running() const { return pid_ > 0; }
    void stop()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

std::vector<int16_t> readSamples(const std::string &file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

// Runs of sound in a recording, as [begin, end) sample indices.
std::vector<std::pair<size_t, size_t>> soundRuns(const std::vector<int16_t> &pcm)
{
    constexpr int kLoud = 1000;
    constexpr size_t kQuietGap = kRate / 20; // shorter silences belong to the run
    std::vector<std::pair<size_t, size_t>> runs;
    size_t lastLoud = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        if (std::abs(pcm[i]) < kLoud)
            continue;
        if (runs.empty() || i - lastLoud > kQuietGap)
            runs.push_back({i, i + 1});
        runs.back().second = i + 1;
        lastLoud = i;
    }
    return runs;
}

// Where `window` lies in `reference`, in samples: the best normalised correlation.
int64_t locate(const std::vector<int16_t> &reference, const int16_t *window)
{
    double windowNorm = 0;
    for (size_t i = 0; i < kWindow; ++i)
        windowNorm += double(window[i]) * window[i];
    double best = -1;
    int64_t at = -1;
    for (size_t offset = 0; offset + kWindow <= reference.size(); ++offset) {
        double dot = 0, norm = 0;
        for (size_t i = 0; i < kWindow; ++i) {
            dot += double(reference[offset + i]) * window[i];
            norm += double(reference[offset + i]) * reference[offset + i];
        }
        const double score = dot / (std::sqrt(norm * windowNorm) + 1e-9);
        if (score > best) {
            best = score;
            at = static_cast<int64_t>(offset);
        }
    }
    return at;
}

double ms(int64_t samples) { return samples * 1000.0 / kRate; }

TEST(HeardAudio, PauseAndResumeNeitherLoseNorRepeatAudio)
{
    PulseSink sink{DECODER_TEST_RUNTIME};
    if (!sink.running())
        GTEST_SKIP() << "pulseaudio cannot start here";
    sink.waitUntilAwake();
    ScratchDir dir;
    MonitorRecording recording(dir.file("heard.raw"));
    ASSERT_TRUE(recording.running());
    sleepMs(300);

    const std::string song = fixture("sweep-44k-mono.mp3"); // 4 s
    mpegdll().OpenFile(song);
    unsigned char endByte = 0;
    ASSERT_EQ(mpegdll().Play(0, 0, &endByte), 0) << mpegdll().LastError();
    // Early enough that the decoder still has audio to decode while paused.
    sleepMs(700);
    mpegdll().Pause(0);
    sleepMs(600);
    mpegdll().Pause(1);
    for (int waited = 0; !endReached(endByte) && waited < 5000; waited += 10)
        sleepMs(10);
    ASSERT_TRUE(endReached(endByte));
    sleepMs(300);
    recording.stop();
    mpegdll().Close();

    const Pcm reference = referenceDecode(song);
    const std::vector<int16_t> heard = readSamples(dir.file("heard.raw"));
    const auto runs = soundRuns(heard);
    ASSERT_EQ(runs.size(), 2u) << "sound before and after the pause";
    // Where in the song each run begins and ends, from windows just inside its edges.
    const auto songAt = [&](size_t recordingIndex, int64_t offset) {
        return locate(reference.samples, heard.data() + recordingIndex) - offset;
    };
    const int64_t firstStart = songAt(runs[0].first + kMargin, kMargin);
    const int64_t pausedAt =
        songAt(runs[0].second - kMargin - kWindow, -static_cast<int64_t>(kMargin + kWindow));
    const int64_t resumedAt = songAt(runs[1].first + kMargin, kMargin);
    const int64_t lastEnd =
        songAt(runs[1].second - kMargin - kWindow, -static_cast<int64_t>(kMargin + kWindow));
    // A sink takes a stream that starts in the middle of its own render period from there on, a
    // few milliseconds in (paplay alike); a resume starts the stream afresh in the same way.
    EXPECT_NEAR(ms(firstStart), 0, 25);
    EXPECT_NEAR(ms(pausedAt), 700, 250);
    EXPECT_NEAR(ms(resumedAt - pausedAt), 0, 25) << "lost (> 0) or repeated (< 0) at the resume";
    EXPECT_NEAR(ms(lastEnd), ms(reference.frames()), 15);
}

} // namespace
