#pragma once
// Finds where MPEG audio really starts in the first bytes of a stream. libmpg123 resyncs on any
// 0xFFE bit pattern, so a picture or random bytes would "play" as silence; we only accept a run
// of consecutive frames that agree on version, layer and sampling rate.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace mpegdll {

struct FrameHeader {
    int version = 0;    // 10 = MPEG-1, 20 = MPEG-2, 25 = MPEG-2.5
    int layer = 0;      // 1 to 3
    int sampleRate = 0; // Hz
    int bitrate = 0;    // kbit/s
    int channelMode = 0;
    int length = 0;     // bytes, header included
};

// The header at p (4 bytes readable), or nothing when it is not a valid one. Free-format frames
// (bit rate index 0) are refused: their length cannot be told from the header.
std::optional<FrameHeader> parseFrameHeader(const uint8_t *p);

// Size of an ID3v2 tag at the start of data (header, body and footer), 0 when there is none.
size_t id3v2TagSize(const uint8_t *data, size_t size);

// Frames in a row that prove a stream is MPEG audio.
constexpr int kFramesInRun = 4;

// Offset of the first frame that starts a run of kFramesInRun alike frames, or of at least one
// frame running exactly to the end of the data when `atEnd` says the stream ends there (a short
// or truncated file). Nothing when there is no such frame.
std::optional<size_t> findAudioStart(const uint8_t *data, size_t size, bool atEnd);

} // namespace mpegdll
