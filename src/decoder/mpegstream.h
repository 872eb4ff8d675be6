#pragma once
// One open MPEG audio stream decoded by libmpg123 to signed 16-bit PCM in the stream's own
// sampling rate and channel count. Not thread-safe: the owner serialises the calls.

#include "decoder/bytesource.h"
#include "decoder/locatedreader.h"

#include <cstddef>
#include <cstdint>
#include <memory>

struct mpg123_handle_struct;

namespace mpegdll {

struct StreamInfo {
    int rate = 0;       // Hz
    int channels = 0;   // 1 or 2
    int layer = 0;
    int bitrate = 0;    // bit/s; the average for variable bit rate
    int stereoMode = 0; // channel mode of the header, 3 = single channel
    int64_t lengthSamples = 0;
    bool seekable = false;
};

class MpegStream {
public:
    ~MpegStream();
    MpegStream(const MpegStream &) = delete;
    MpegStream &operator=(const MpegStream &) = delete;

    // Opens and checks the input; null with `error` set to 3 (not MPEG audio, unreadable) or 1.
    static std::unique_ptr<MpegStream> open(std::unique_ptr<ByteSource> source, int &error);

    const StreamInfo &info() const { return info_; }
    size_t bytesPerFrame() const { return 2 * static_cast<size_t>(info_.channels); }
    // Decodes up to `frames` sample frames into `out`; 0 at the end of the audio or after a read
    // error (the good frames before it are all delivered).
    size_t decode(int16_t *out, size_t frames);
    // The next decoded sample will be `sample` (0 .. length); false when the stream cannot move
    // there (a stream that cannot seek can only go back to its start, and only if it restarts).
    bool seek(int64_t sample);
    int64_t position() const { return position_; }

private:
    explicit MpegStream(std::unique_ptr<ByteSource> source);
    bool openHandle();
    void readInfo();

    std::unique_ptr<ByteSource> source_;
    LocatedReader reader_;
    mpg123_handle_struct *handle_ = nullptr;
    StreamInfo info_;
    int64_t position_ = 0;
    bool failed_ = false;
};

} // namespace mpegdll
