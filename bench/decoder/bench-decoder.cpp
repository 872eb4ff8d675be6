// Figures for the decoder library: CPU used while playing a minute of 128 kbit/s MP3 in real time
// through a PulseAudio null sink, the speed of PCM-file output against `mpg123 -w` on a
// ten-minute MP3, and the time from "Play" until decoded audio is queued for the device. The MP3
// files are made here from synthetic speech.

#include "decoder/player.h"
#include "decoder/soundoutput.h"
#include "pulsesink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using mpegdll::Player;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool run(const std::string &command)
{
    return std::system(command.c_str()) == 0;
}

// A minute and ten minutes of speech as 128 kbit/s stereo MP3.
bool makeMp3s(const std::string &dir)
{
    const std::string text =
        "Lorvanta plays music from a disc, with covers, photographs, texts and reviews. ";
    std::string speech;
    for (int i = 0; i < 6; ++i)
        speech += text;
    return run("espeak-ng -w " + dir + "/speech.wav \"" + speech + "\"") &&
           run("sox " + dir + "/speech.wav -r 44100 -c 2 " + dir +
               "/minute.wav repeat 20 trim 0 60") &&
           run("lame --quiet -b 128 " + dir + "/minute.wav " + dir + "/minute.mp3") &&
           run("sox " + dir + "/minute.wav " + dir + "/ten.wav repeat 9") &&
           run("lame --quiet -b 128 " + dir + "/ten.wav " + dir + "/ten.mp3");
}

void waitForEnd(const unsigned char &endByte, int pollMs)
{
    while (!__atomic_load_n(&endByte, __ATOMIC_ACQUIRE))
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
}

double decodeToWavSeconds(const std::string &mp3, const std::string &wav)
{
    Player &player = Player::instance();
    unsigned char endByte = 0;
    const auto start = Clock::now();
    player.open(mp3.c_str(), 0, {});
    player.setOutputDevice(mpegdll::kPcmFile, wav.c_str());
    player.play(0, 0, &endByte);
    waitForEnd(endByte, 1);
    const double seconds = secondsSince(start);
    player.close();
    return seconds;
}

void benchPcmFile(const std::string &dir)
{
    double ours = 1e9, theirs = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        run("mpg123 -q -w " + dir + "/theirs.wav " + dir + "/ten.mp3");
        theirs = std::min(theirs, secondsSince(start));
        ours = std::min(ours, decodeToWavSeconds(dir + "/ten.mp3", dir + "/ours.wav"));
    }
    std::printf("PCM file, 10-minute MP3: %.3f s, mpg123 -w %.3f s: %.2fx its speed "
                "(target >= 0.95x)\n",
                ours, theirs, theirs / ours);
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// "Play" returns once decoded audio waits in the ring the device reads and the device runs; the
// device then takes it with the server's first request (on a fresh null sink, only after the
// sink's slow first wake-up, which the benchmark waits out first).
void benchLatency(const std::string &mp3)
{
    Player &player = Player::instance();
    std::vector<double> queued, taken;
    for (int round = 0; round < 6; ++round) {
        unsigned char endByte = 0;
        player.open(mp3.c_str(), 0, {});
        player.setOutputDevice(mpegdll::kSoundOutput, "");
        const int64_t start = mpegdll::nowNs();
        if (player.play(0, 0, &endByte) != 0) {
            std::printf("Play failed: %d\n", player.lastError());
            return;
        }
        queued.push_back((mpegdll::nowNs() - start) / 1e6);
        while (player.firstDeliveryNs() == 0 && mpegdll::nowNs() - start < 3'000'000'000)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        taken.push_back((player.firstDeliveryNs() - start) / 1e6);
        player.stop();
    }
    player.close();
    std::printf("Play until decoded audio is queued for the device: median %.1f ms, worst %.1f ms "
                "(target < 50 ms); first taken by the device: median %.1f ms, worst %.1f ms "
                "(target < 100 ms)\n",
                median(queued), *std::max_element(queued.begin(), queued.end()), median(taken),
                *std::max_element(taken.begin(), taken.end()));
}

// CPU seconds and wall seconds of `mpg123 -o pulse` playing mp3 to the same sound server.
std::pair<double, double> mpg123PulseSeconds(const std::string &mp3)
{
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execlp("mpg123", "mpg123", "-q", "-o", "pulse", mp3.c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0 ? cpu : -1, secondsSince(start)};
}

void benchRealTimeCpu(const std::string &mp3)
{
    Player &player = Player::instance();
    unsigned char endByte = 0;
    player.open(mp3.c_str(), 0, {});
    player.setOutputDevice(mpegdll::kSoundOutput, "");
    const double cpuBefore = cpuSeconds();
    const auto start = Clock::now();
    player.play(0, 0, &endByte);
    waitForEnd(endByte, 200);
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = secondsSince(start);
    player.close();
    const auto [theirCpu, theirWall] = mpg123PulseSeconds(mp3);
    std::printf("Real-time play of 60 s at 128 kbit/s: %.0f ms CPU in %.1f s, %.2f%% of one core "
                "(target < 0.4%%, and below mpg123)\n",
                cpu * 1000, wall, 100 * cpu / wall);
    if (theirCpu < 0)
        std::printf("mpg123 -o pulse on the same file and server: did not run\n");
    else
        std::printf("mpg123 -o pulse on the same file and server: %.0f ms CPU in %.1f s, %.2f%% of "
                    "one core\n",
                    theirCpu * 1000, theirWall, 100 * theirCpu / theirWall);
}

} // namespace

int main()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-decoder-XXXXXX").string();
    const std::string dir = mkdtemp(pattern.data());
    if (!makeMp3s(dir)) {
        std::printf("cannot make the MP3 files (espeak-ng, sox, lame)\n");
        return 1;
    }
    benchPcmFile(dir);
    PulseSink sink(BENCH_RUNTIME);
    if (sink.running()) {
        sink.waitUntilAwake();
        benchLatency(dir + "/minute.mp3");
        benchRealTimeCpu(dir + "/minute.mp3");
    } else {
        std::printf("pulseaudio cannot start: real-time figures skipped\n");
    }
    std::filesystem::remove_all(dir);
    return 0;
}
