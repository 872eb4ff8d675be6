#include "decoder/framescan.h"

#include <cstring>

namespace mpegdll {
namespace {

// kbit/s by [MPEG-1 ? 0 : 1][layer - 1][index]; index 0 (free format) and 15 are invalid.
constexpr int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
};
constexpr int kMpeg1Rates[3] = {44100, 48000, 32000};

int frameLength(const FrameHeader &h, bool padding)
{
    const int pad = padding ? 1 : 0;
    if (h.layer == 1)
        return (12 * h.bitrate * 1000 / h.sampleRate + pad) * 4;
    const int slotsFactor = (h.layer == 3 && h.version != 10) ? 72 : 144;
    return slotsFactor * h.bitrate * 1000 / h.sampleRate + pad;
}

bool alike(const FrameHeader &a, const FrameHeader &b)
{
    return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate;
}

bool isId3v1At(const uint8_t *p, size_t left)
{
    return left >= 3 && std::memcmp(p, "TAG", 3) == 0;
}

// Follows the chain of frames from `start`; true when it proves the stream is audio.
bool runStartsAt(const uint8_t *data, size_t size, size_t start, bool atEnd)
{
    const auto first = parseFrameHeader(data + start);
    if (!first)
        return false;
    size_t pos = start;
    int frames = 0;
    while (frames < kFramesInRun) {
        if (size - pos < 4)
            return atEnd && frames > 0;
        const auto h = parseFrameHeader(data + pos);
        if (!h || !alike(*h, *first))
            return atEnd && frames > 0 && isId3v1At(data + pos, size - pos);
        if (static_cast<size_t>(h->length) > size - pos) // cut short: a truncated file
            return atEnd && frames > 0;
        pos += h->length;
        ++frames;
    }
    return true;
}

} // namespace

std::optional<FrameHeader> parseFrameHeader(const uint8_t *p)
{
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int versionBits = (p[1] >> 3) & 3;
    const int layerBits = (p[1] >> 1) & 3;
    const int bitrateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 ||
        rateIndex == 3 || (p[3] & 3) == 2)
        return std::nullopt;
    FrameHeader h;
    h.version = versionBits == 3 ? 10 : versionBits == 2 ? 20 : 25;
    h.layer = 4 - layerBits;
    h.bitrate = kBitrates[h.version == 10 ? 0 : 1][h.layer - 1][bitrateIndex];
    const int divisor = h.version == 10 ? 1 : h.version == 20 ? 2 : 4;
    h.sampleRate = kMpeg1Rates[rateIndex] / divisor;
    h.channelMode = p[3] >> 6;
    h.length = frameLength(h, (p[2] >> 1) & 1);
    return h;
}

size_t id3v2TagSize(const uint8_t *data, size_t size)
{
    if (size < 10 || std::memcmp(data, "ID3", 3) != 0)
        return 0;
    size_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (data[i] & 0x80)
            return 0; // not a sync-safe size: not a tag
        body = (body << 7) | data[i];
    }
    const bool footer = data[5] & 0x10;
    return 10 + body + (footer ? 10 : 0);
}

std::optional<size_t> findAudioStart(const uint8_t *data, size_t size, bool atEnd)
{
    for (size_t i = 0; i + 4 <= size; ++i) {
        if (data[i] == 0xFF && runStartsAt(data, size, i, atEnd))
            return i;
    }
    return std::nullopt;
}

} // namespace mpegdll
