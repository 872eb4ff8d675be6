#include "decoder/soundsession.h"

#include <algorithm>
#include <chrono>

namespace mpegdll {
namespace {

// At least about a third of a second of audio at 44.1 kHz, and two of the device's requests;
// refilled when half of it has been played. The ring also keeps what the device took but has not
// played yet, for a pause to step back over.
constexpr size_t kRingFrames = 16384;
// Time allowed after the estimated play-out before the end is announced: the end byte must never
// come before the last sample has been heard.
constexpr int64_t kEndMarginNs = 30'000'000;
// How often a waiting session looks whether the device is still there: rarely enough that the
// decoder thread sleeps through most of a song, often enough that a lost device is reported at
// once as a person sees it.
constexpr auto kDevicePoll = std::chrono::milliseconds(250);

} // namespace

SoundSession::SoundSession(const SessionParams &params, std::unique_ptr<SoundOutput> output)
    : Session(params), output_(std::move(output)),
      ring_(std::max(kRingFrames, 2 * static_cast<size_t>(output_->requestFrames())) *
                static_cast<size_t>(params.stream->info().channels),
            static_cast<size_t>(output_->heldFrames()) *
                static_cast<size_t>(params.stream->info().channels))
{
}

SoundSession::~SoundSession()
{
    stop();
    output_->close(); // before the ring goes
}

void SoundSession::prime()
{
    const int64_t start = params_.stream->position();
    decodeChunk(); // the device gets audio with its first request
    output_->attach(&ring_, start, [this] { wakeThread(); });
}

void SoundSession::decodeChunk()
{
    std::lock_guard decodeLock(*params_.decodeMutex);
    MpegStream &stream = *params_.stream;
    const size_t channels = static_cast<size_t>(stream.info().channels);
    size_t room = 0;
    int16_t *span = ring_.writeSpan(room);
    const int64_t left = std::max<int64_t>(0, params_.endSample - stream.position());
    const size_t frames = std::min<size_t>(room / channels, static_cast<size_t>(left));
    const size_t got = frames > 0 ? stream.decode(span, frames) : 0;
    ring_.commit(got * channels);
    if (got == 0 || stream.position() >= params_.endSample) {
        std::lock_guard lock(mutex_);
        decodedAll_ = true;
    }
}

bool SoundSession::endIsDue(std::unique_lock<std::mutex> &lock)
{
    output_->setDraining(true);
    const int64_t due = output_->playedOutAtNs() + kEndMarginNs;
    const int64_t wait = due - nowNs();
    if (wait <= 0)
        return true;
    wake_.wait_for(lock, std::chrono::nanoseconds(wait));
    return false;
}

void SoundSession::run()
{
    std::unique_lock lock(mutex_);
    while (!stopRequested_) {
        if (output_->lost()) {
            signalFailure();
            return;
        }
        if (!decodedAll_ && ring_.writable() >= ring_.capacity() / 2) {
            lock.unlock();
            decodeChunk();
            output_->refilled();
            lock.lock();
        } else if (decodedAll_ && !paused_ && ring_.readable() == 0) {
            if (endIsDue(lock)) {
                signalEnd();
                return;
            }
        } else {
            wake_.wait_for(lock, kDevicePoll);
        }
    }
}

bool SoundSession::seek(int64_t sample)
{
    bool moved = false;
    output_->restartAt(sample, [&] {
        std::lock_guard decodeLock(*params_.decodeMutex);
        std::lock_guard lock(mutex_);
        ring_.clear();
        moved = params_.stream->seek(sample);
        decodedAll_ = !moved;
    });
    wakeThread();
    return moved;
}

void SoundSession::pauseOutput(bool paused)
{
    if (paused)
        output_->pause();
    else
        output_->resume();
}

} // namespace mpegdll
