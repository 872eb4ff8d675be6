// The library exports the 21 entries by name and nothing else.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::string> definedDynamicSymbols(const std::string &library)
{
    const std::string command = "nm -D --defined-only " + library;
    FILE *pipe = popen(command.c_str(), "r");
    std::set<std::string> names;
    if (!pipe)
        return names;
    std::array<char, 512> line;
    while (fgets(line.data(), line.size(), pipe)) {
        std::istringstream fields(line.data());
        std::string address, type, name;
        if (fields >> address >> type >> name)
            names.insert(name);
    }
    pclose(pipe);
    return names;
}

} // namespace

TEST(DecoderExports, ExactlyTheTwentyOneEntries)
{
    const std::set<std::string> expected = {
        "init", "deinit", "Open", "Pause", "Restart", "Stop", "SetPriority", "SetOutputDevice",
        "Play", "Close", "GetFrequency", "GetBitrate", "GetStereoMode", "GetLayer",
        "GetPlayerMode", "GetCurrentPos", "GetLength", "ResetPlayerMode", "Seek", "SetSndDevice",
        "LastError"};
    EXPECT_EQ(definedDynamicSymbols(MPEGDLL_PATH), expected);
}

TEST(DecoderExports, DoesNotLinkQt)
{
    const std::string command = std::string("ldd ") + MPEGDLL_PATH + " | grep -c libQt";
    FILE *pipe = popen(command.c_str(), "r");
    char count[16] = {};
    ASSERT_NE(pipe, nullptr);
    fgets(count, sizeof count, pipe);
    pclose(pipe);
    EXPECT_EQ(std::string(count), "0\n");
}
