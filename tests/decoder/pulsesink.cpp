#include "pulsesink.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string freshRuntimeDir(const std::string &base)
{
    std::error_code error;
    std::filesystem::create_directories(base, error);
    std::string pattern = base + "/pulse-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

} // namespace

PulseSink::PulseSink(const std::string &runtimeBase) : dir_(freshRuntimeDir(runtimeBase))
{
    if (dir_.empty())
        return;
    pid_ = fork();
    if (pid_ == 0) {
        setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
        setenv("HOME", dir_.c_str(), 1);
        const std::string log = dir_ + "/pulseaudio.log";
        freopen(log.c_str(), "w", stderr);
        execlp("pulseaudio", "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
               "--load=module-null-sink",
               "--load=module-native-protocol-unix auth-anonymous=1", nullptr);
        _exit(127);
    }
    const std::string socket = dir_ + "/pulse/native";
    for (int i = 0; i < 500 && pid_ > 0; ++i) {
        if (std::filesystem::exists(socket)) {
            setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
            keepAwake();
            return;
        }
        if (waitpid(pid_, nullptr, WNOHANG) == pid_)
            pid_ = -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    stop();
}

void PulseSink::keepAwake()
{
    silencePid_ = fork();
    if (silencePid_ == 0) {
        freopen("/dev/null", "w", stderr);
        execlp("pacat", "pacat", "--playback", "--latency-msec=100", "/dev/zero", nullptr);
        _exit(127);
    }
    // Until the stream plays, the sink may still be asleep.
    for (int i = 0; i < 200 && silencePid_ > 0; ++i) {
        if (std::system("pactl list short sink-inputs 2>/dev/null | grep -q .") == 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void PulseSink::waitUntilAwake() const
{
    constexpr auto kLongestSleep = std::chrono::milliseconds(2200); // a null sink's block, and some
    std::this_thread::sleep_until(started_ + kLongestSleep);
}

PulseSink::~PulseSink()
{
    stop();
    std::error_code ignored;
    if (!dir_.empty())
        std::filesystem::remove_all(dir_, ignored);
}

void PulseSink::stop()
{
    if (silencePid_ > 0) {
        kill(silencePid_, SIGTERM);
        waitpid(silencePid_, nullptr, 0);
        silencePid_ = -1;
    }
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

void useNoSoundServer()
{
    setenv("PULSE_SERVER", "unix:/nonexistent/pulse/native", 1);
    setenv("XDG_RUNTIME_DIR", "/nonexistent", 1);
}
