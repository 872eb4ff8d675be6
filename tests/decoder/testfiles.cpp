#include "testfiles.h"

#include <cstdlib>

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mpegdll-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::list() const
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    return names;
}

std::vector<uint8_t> silentLayer1(int frames)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < frames; ++i) {
        const uint8_t header[4] = {0xFF, 0xFF, 0x44, 0x00};
        bytes.insert(bytes.end(), header, header + 4);
        bytes.resize(bytes.size() + 124, 0);
    }
    return bytes;
}
