#pragma once
// Scratch folders and made-up streams for the decoder tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    std::string file(const std::string &name) const { return (path_ / name).string(); }
    // Names of the files in the folder.
    std::vector<std::string> list() const;

private:
    std::filesystem::path path_;
};

// `frames` silent MPEG-1 layer I frames, 48 kHz stereo at 128 kbit/s (384 samples, 128 bytes each).
std::vector<uint8_t> silentLayer1(int frames);
