#include "reference.h"

#include <mpg123.h>

#include <cstring>
#include <fstream>
#include <iterator>

Pcm referenceDecode(const std::string &path)
{
    Pcm pcm;
    mpg123_handle *h = mpg123_new(nullptr, nullptr);
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(h, path.c_str()) == MPG123_OK &&
        mpg123_getformat(h, &rate, &channels, &encoding) == MPG123_OK) {
        mpg123_format_none(h);
        mpg123_format(h, rate, channels, MPG123_ENC_SIGNED_16);
        pcm.rate = static_cast<int>(rate);
        pcm.channels = channels;
        int16_t buffer[8192];
        size_t done = 0;
        int rc = MPG123_OK;
        while (rc == MPG123_OK || rc == MPG123_NEW_FORMAT) {
            rc = mpg123_read(h, buffer, sizeof buffer, &done);
            pcm.samples.insert(pcm.samples.end(), buffer, buffer + done / sizeof(int16_t));
        }
        mpg123_close(h);
    }
    mpg123_delete(h);
    return pcm;
}

Pcm readWav(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    Pcm pcm;
    if (bytes.size() < 44 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 36, "data", 4) != 0)
        return pcm;
    auto u16 = [&](size_t at) { return bytes[at] | bytes[at + 1] << 8; };
    auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
    pcm.channels = u16(22);
    pcm.rate = static_cast<int>(u32(24));
    const size_t dataBytes = std::min<size_t>(u32(40), bytes.size() - 44);
    pcm.samples.resize(dataBytes / 2);
    std::memcpy(pcm.samples.data(), bytes.data() + 44, pcm.samples.size() * 2);
    return pcm;
}
