#pragma once
// A 16-bit PCM WAV file, written to a temporary file beside the target and renamed over it when
// complete, so the name never shows a half-written file.

#include <cstdint>
#include <cstdio>
#include <string>

namespace mpegdll {

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter &) = delete;
    WavWriter &operator=(const WavWriter &) = delete;

    // False when the temporary file cannot be created.
    bool open(const std::string &path, int rate, int channels);
    // False on a write error (a full disc); the file is then abandoned.
    bool write(const int16_t *samples, size_t count);
    // Completes the header, closes and renames; false when that fails (nothing is left behind).
    bool finish();
    // Deletes the temporary file.
    void abandon();

private:
    bool writeHeader();

    std::string path_;
    std::string tempPath_;
    FILE *file_ = nullptr;
    int rate_ = 0;
    int channels_ = 0;
    uint64_t dataBytes_ = 0;
};

} // namespace mpegdll
