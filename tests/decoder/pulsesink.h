#pragma once
// A PulseAudio daemon with a null sink, started by a test in a runtime folder of its own (so
// tests running side by side never share one) and stopped by its process id. The sink consumes
// audio in real time as a sound card does. A fresh null sink sleeps in blocks of up to two
// seconds until a stream asks for less, so a silent low-latency stream (pacat) keeps it awake as
// a sound card would be. The test process is pointed at it through PULSE_SERVER before the
// library first opens the sound system.

#include <chrono>
#include <string>
#include <sys/types.h>

class PulseSink {
public:
    // Starts the daemon in a new folder under `runtimeBase`; running() tells whether it did.
    explicit PulseSink(const std::string &runtimeBase);
    ~PulseSink();
    bool running() const { return pid_ > 0; }
    void stop();
    // Waits out the sink's first sleep, which began when it was made, before the silent stream
    // could ask for less: from then on a new stream is taken at once. For timing the first sound.
    void waitUntilAwake() const;

private:
    void keepAwake();

    pid_t pid_ = -1;
    pid_t silencePid_ = -1;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::string dir_;
};

// Points the process at a sound server that does not exist (no sound device at all).
void useNoSoundServer();
