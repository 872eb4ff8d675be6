#include "decoder/wavwriter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace mpegdll {
namespace {

constexpr uint32_t kHeaderBytes = 44;
// RIFF sizes are 32 bits; a longer recording keeps the largest size it can state.
constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - kHeaderBytes;

void put16(uint8_t *p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t *p, uint32_t v)
{
    put16(p, static_cast<uint16_t>(v));
    put16(p + 2, static_cast<uint16_t>(v >> 16));
}

} // namespace

WavWriter::~WavWriter() { abandon(); }

bool WavWriter::open(const std::string &path, int rate, int channels)
{
    abandon();
    path_ = path;
    tempPath_ = path + ".XXXXXX";
    const int fd = mkstemp(tempPath_.data());
    if (fd < 0)
        return false;
    fchmod(fd, 0644);
    file_ = fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        unlink(tempPath_.c_str());
        return false;
    }
    setvbuf(file_, nullptr, _IOFBF, 256 * 1024);
    rate_ = rate;
    channels_ = channels;
    dataBytes_ = 0;
    return writeHeader() || (abandon(), false);
}

bool WavWriter::writeHeader()
{
    const uint32_t data = static_cast<uint32_t>(std::min(dataBytes_, kMaxDataBytes));
    uint8_t h[kHeaderBytes];
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, data + kHeaderBytes - 8);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, 1); // PCM
    put16(h + 22, static_cast<uint16_t>(channels_));
    put32(h + 24, static_cast<uint32_t>(rate_));
    put32(h + 28, static_cast<uint32_t>(rate_ * channels_ * 2));
    put16(h + 32, static_cast<uint16_t>(channels_ * 2));
    put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, data);
    return fseek(file_, 0, SEEK_SET) == 0 && fwrite(h, 1, sizeof h, file_) == sizeof h;
}

bool WavWriter::write(const int16_t *samples, size_t count)
{
    if (!file_)
        return false;
    const size_t room = static_cast<size_t>((kMaxDataBytes - dataBytes_) / sizeof(int16_t));
    count = std::min(count, room);
    if (fwrite(samples, sizeof(int16_t), count, file_) != count) {
        abandon();
        return false;
    }
    dataBytes_ += count * sizeof(int16_t);
    return true;
}

bool WavWriter::finish()
{
    if (!file_)
        return false;
    const bool written = writeHeader() && fflush(file_) == 0;
    const bool closed = fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !closed || rename(tempPath_.c_str(), path_.c_str()) != 0) {
        unlink(tempPath_.c_str());
        return false;
    }
    return true;
}

void WavWriter::abandon()
{
    if (!file_)
        return;
    fclose(file_);
    file_ = nullptr;
    unlink(tempPath_.c_str());
}

} // namespace mpegdll
