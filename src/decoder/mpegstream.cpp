#include "decoder/mpegstream.h"

#include <mpg123.h>

#include <algorithm>

namespace mpegdll {
namespace {

ssize_t readThunk(void *reader, void *buffer, size_t count)
{
    return static_cast<LocatedReader *>(reader)->read(buffer, count);
}

off_t seekThunk(void *reader, off_t offset, int whence)
{
    return static_cast<LocatedReader *>(reader)->seek(offset, whence);
}

// At the lowest bit rate there is, 8 kbit/s, a byte lasts a millisecond; one frame of slack.
bool plausibleLength(int64_t samples, int64_t bytes, int rate)
{
    return bytes < 0 || samples <= bytes * rate / 1000 + 1152;
}

mpg123_handle *newHandle()
{
    mpg123_handle *h = mpg123_new(nullptr, nullptr);
    if (!h)
        return nullptr;
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    mpg123_param(h, MPG123_INDEX_SIZE, -1000, 0); // a growing index keeps seeks exact and quick
    return h;
}

} // namespace

MpegStream::MpegStream(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), reader_(*source_)
{
}

MpegStream::~MpegStream()
{
    if (handle_) {
        mpg123_close(handle_);
        mpg123_delete(handle_);
    }
}

std::unique_ptr<MpegStream> MpegStream::open(std::unique_ptr<ByteSource> source, int &error)
{
    error = 3;
    if (!source)
        return nullptr;
    std::unique_ptr<MpegStream> stream(new MpegStream(std::move(source)));
    if (!stream->reader_.locate())
        return nullptr;
    stream->handle_ = newHandle();
    if (!stream->handle_) {
        error = 1;
        return nullptr;
    }
    if (!stream->openHandle())
        return nullptr;
    stream->readInfo();
    error = 0;
    return stream;
}

bool MpegStream::openHandle()
{
    if (mpg123_replace_reader_handle(handle_, readThunk, seekThunk, nullptr) != MPG123_OK ||
        mpg123_open_handle(handle_, &reader_) != MPG123_OK)
        return false;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0)
        return false;
    // One output format for the whole stream: later frames that differ are converted to it.
    mpg123_format_none(handle_);
    if (mpg123_format(handle_, rate, channels, MPG123_ENC_SIGNED_16) != MPG123_OK)
        return false;
    info_.rate = static_cast<int>(rate);
    info_.channels = channels;
    position_ = 0;
    failed_ = false;
    return true;
}

void MpegStream::readInfo()
{
    mpg123_frameinfo fi{};
    mpg123_info(handle_, &fi);
    info_.layer = fi.layer;
    info_.stereoMode = fi.mode;
    info_.bitrate = fi.bitrate * 1000;
    info_.seekable = source_->seekable();
    double accurate = 0;
    long exact = 0;
    mpg123_getstate(handle_, MPG123_ACCURATE, &exact, &accurate);
    const int64_t bytes = reader_.audioBytes();
    // A frame count in a Xing or Info header is believed; one the bytes cannot hold would make
    // a seek within it run for hours inside libmpg123, so such a stream is counted frame by frame.
    if (info_.seekable && (!exact || !plausibleLength(mpg123_length(handle_), bytes, info_.rate)))
        mpg123_scan(handle_);
    info_.lengthSamples = std::max<int64_t>(0, mpg123_length(handle_));
    if (fi.vbr != MPG123_CBR && bytes > 0 && info_.lengthSamples > 0)
        info_.bitrate = static_cast<int>(bytes * 8 * info_.rate / info_.lengthSamples);
}

size_t MpegStream::decode(int16_t *out, size_t frames)
{
    if (failed_)
        return 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        size_t done = 0;
        const int rc = mpg123_read(handle_, out, frames * bytesPerFrame(), &done);
        const size_t got = done / bytesPerFrame();
        position_ += static_cast<int64_t>(got);
        if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT)
            failed_ = true; // the end, or bytes past the last good frame
        if (got > 0 || failed_)
            return got;
    }
    failed_ = true;
    return 0;
}

bool MpegStream::seek(int64_t sample)
{
    if (sample == position_ && !failed_)
        return true;
    if (!info_.seekable) {
        if (sample != 0 || !source_->rewind() || !reader_.locate())
            return false;
        mpg123_close(handle_);
        return openHandle();
    }
    const off_t at = mpg123_seek(handle_, static_cast<off_t>(sample), SEEK_SET);
    if (at < 0)
        return false;
    position_ = at;
    failed_ = false;
    return true;
}

} // namespace mpegdll
