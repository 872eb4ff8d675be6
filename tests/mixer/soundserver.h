#pragma once
// The mixer server tests' surroundings: a PulseAudio null sink of the test's own (its volume is
// ALSA's "Master" through alsa-plugins), the command-line tools that read and change it from
// outside, and playback streams of this process.

#include <QString>
#include <atomic>
#include <memory>
#include <thread>

class PulseSink;

// Starts the null sink for this process (before anything opens ALSA or the sound server).
PulseSink &TestSoundServer();

// Runs a shell command; its standard output.
QString RunCommand(const QString &command);

// "Master" as amixer reads it: the channels' percentages and whether it sounds.
struct TAmixerMaster {
    int Left = -1;
    int Right = -1;
    bool On = false;
};
TAmixerMaster ReadMaster();

// A stream of this process on the sound server as pactl lists it: volume in percent of the
// first channel and mute; -1 volume when the process has no stream.
struct TServerStream {
    int Volume = -1;
    bool Muted = false;
    int Index = -1;
};
TServerStream ReadOwnStream();

// Plays silence from this process (its own connection, on a thread) until destroyed.
class TSilentStream {
public:
    TSilentStream();
    ~TSilentStream();

private:
    std::atomic<bool> fStop{false};
    std::thread fThread;
};
