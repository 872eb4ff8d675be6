#include "decoder/filesession.h"

#include <algorithm>

namespace mpegdll {
namespace {

constexpr size_t kChunkFrames = 8192;

} // namespace

FileSession::FileSession(const SessionParams &params, std::unique_ptr<WavWriter> writer)
    : Session(params), writer_(std::move(writer)),
      buffer_(kChunkFrames * static_cast<size_t>(params.stream->info().channels)),
      position_(params.stream->position())
{
}

FileSession::~FileSession()
{
    stop();
    writer_->finish(); // a stopped run keeps what it wrote; after the end this does nothing
}

bool FileSession::waitWhilePaused()
{
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopRequested_ || !paused_; });
    return !stopRequested_;
}

size_t FileSession::decodeChunk()
{
    std::lock_guard decodeLock(*params_.decodeMutex);
    MpegStream &stream = *params_.stream;
    const int64_t left = std::max<int64_t>(0, params_.endSample - stream.position());
    const size_t frames = std::min<size_t>(kChunkFrames, static_cast<size_t>(left));
    const size_t got = frames > 0 ? stream.decode(buffer_.data(), frames) : 0;
    position_.store(stream.position());
    return got;
}

void FileSession::run()
{
    const size_t channels = static_cast<size_t>(params_.stream->info().channels);
    while (waitWhilePaused()) {
        const size_t got = decodeChunk();
        if (got == 0) {
            if (writer_->finish())
                signalEnd();
            else
                signalFailure();
            return;
        }
        if (!writer_->write(buffer_.data(), got * channels)) {
            signalFailure();
            return;
        }
    }
}

bool FileSession::seek(int64_t sample)
{
    std::lock_guard decodeLock(*params_.decodeMutex);
    const bool moved = params_.stream->seek(sample);
    position_.store(params_.stream->position());
    return moved;
}

} // namespace mpegdll
