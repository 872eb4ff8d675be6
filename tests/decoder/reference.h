#pragma once
// What libmpg123 itself makes of a file (gapless, 16-bit, the stream's own channels), to compare
// the library's results with; and a reader for the WAV files the library writes.

#include <cstdint>
#include <string>
#include <vector>

struct Pcm {
    int rate = 0;
    int channels = 0;
    std::vector<int16_t> samples; // interleaved
    int64_t frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

// Decodes the whole file; empty on failure.
Pcm referenceDecode(const std::string &path);
// Reads a 16-bit PCM WAV file; empty when it is not one.
Pcm readWav(const std::string &path);
