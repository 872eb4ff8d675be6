#include "decoder/player.h"

#include "decoder/errors.h"
#include "decoder/filesession.h"
#include "decoder/soundsession.h"
#include "decoder/wavwriter.h"

#include <algorithm>
#include <climits>

namespace mpegdll {

Player &Player::instance()
{
    static Player player;
    return player;
}

Player::~Player()
{
    endSession();
    stream_.reset();
}

Player::Lock Player::enter()
{
    Lock lock(lock_);
    error_.store(kNoError);
    settle();
    return lock;
}

// Notices a session that ended by itself: the end was played, or the output failed.
void Player::settle()
{
    if (!session_ || !session_->finished())
        return;
    sessionFailed_ = session_->failed();
    endSession();
}

void Player::endSession()
{
    if (session_) {
        session_->stop();
        stoppedAt_ = session_->position();
        session_.reset();
    }
    if (mode_ == kPlaying || mode_ == kPaused)
        mode_ = kStopped;
}

int Player::init()
{
    auto lock = enter();
    return 1;
}

void Player::deinit()
{
    auto lock = enter();
    endSession();
    stream_.reset();
    releaseSoundSystem();
    mode_ = kReady;
}

void Player::open(const char *fileName, int streamMode, const StreamCallbacks &callbacks)
{
    auto lock = enter();
    endSession();
    stream_.reset(); // the previous stream is closed before the next one opens
    mode_ = kReady;
    started_ = false;
    pendingStart_.reset();
    stoppedAt_ = 0;
    endByte_ = nullptr;
    auto source = streamMode == 0 ? openFileSource(fileName) : openCallbackSource(callbacks);
    int error = kNoError;
    stream_ = MpegStream::open(std::move(source), error);
    if (!stream_) {
        fail(error);
        return;
    }
    mode_ = kOpened;
}

void Player::pause(bool resume)
{
    auto lock = enter();
    if (mode_ != kPlaying && mode_ != kPaused) {
        fail(kIncorrectMode);
    } else if (resume && mode_ == kPaused) {
        session_->resume();
        mode_ = kPlaying;
    } else if (!resume && mode_ == kPlaying) {
        session_->pause();
        mode_ = kPaused;
    }
}

void Player::restart()
{
    auto lock = enter();
    if (!stream_ || !started_) {
        fail(kIncorrectMode);
        return;
    }
    endSession();
    startSession(pendingStart_.value_or(rangeStart_));
}

void Player::stop()
{
    auto lock = enter();
    if (mode_ == kStopped)
        return;
    if (mode_ != kPlaying && mode_ != kPaused) {
        fail(kIncorrectMode);
        return;
    }
    endSession();
}

void Player::setPriority(int level)
{
    auto lock = enter();
    priority_ = level;
    if (session_)
        session_->setPriority(level);
}

void Player::setOutputDevice(int device, const char *fileName)
{
    auto lock = enter();
    const bool named = fileName && *fileName;
    if ((device != kSoundOutput && device != kPcmFile) || (device == kPcmFile && !named)) {
        fail(kOutputDeviceFailure);
        return;
    }
    outputDevice_ = device;
    outFile_ = device == kPcmFile ? fileName : "";
}

int Player::play(int startMs, int endMs, unsigned char *endByte)
{
    auto lock = enter();
    if (!stream_ || mode_ == kPlaying || mode_ == kPaused)
        return fail(kIncorrectMode);
    rangeStart_ = toSample(startMs);
    rangeEnd_ = endMs > 0 ? std::max(toSample(endMs), rangeStart_) : INT64_MAX;
    endByte_ = endByte;
    started_ = true;
    return startSession(pendingStart_.value_or(rangeStart_));
}

int Player::startSession(int64_t fromSample)
{
    pendingStart_.reset();
    if (endByte_)
        __atomic_store_n(endByte_, 0, __ATOMIC_RELEASE);
    if (!stream_->seek(fromSample)) {
        const bool rewinding = fromSample == 0 || stream_->info().seekable;
        return fail(rewinding ? kInputStreamError : kNonSeekable);
    }
    SessionParams params;
    params.stream = stream_.get();
    params.decodeMutex = &decodeMutex_;
    params.endSample = rangeEnd_;
    params.endByte = endByte_;
    params.priority = priority_;
    session_ = makeSession(params);
    if (!session_)
        return fail(kOutputDeviceFailure);
    session_->start();
    mode_ = kPlaying;
    return kNoError;
}

std::unique_ptr<Session> Player::makeSession(const SessionParams &params)
{
    const StreamInfo &info = stream_->info();
    if (outputDevice_ == kPcmFile) {
        auto writer = std::make_unique<WavWriter>();
        if (!writer->open(outFile_, info.rate, info.channels))
            return nullptr;
        return std::make_unique<FileSession>(params, std::move(writer));
    }
    auto output = openSoundOutput(info.rate, info.channels, soundDevice_);
    if (!output)
        return nullptr;
    return std::make_unique<SoundSession>(params, std::move(output));
}

void Player::close()
{
    auto lock = enter();
    endSession();
    stream_.reset();
    mode_ = kReady;
    started_ = false;
    pendingStart_.reset();
    stoppedAt_ = 0;
    endByte_ = nullptr;
}

int Player::streamInfo(int StreamInfo::*field)
{
    auto lock = enter();
    if (!stream_)
        return fail(kIncorrectMode), 0;
    return stream_->info().*field;
}

int Player::mode()
{
    auto lock = enter();
    if (sessionFailed_) {
        sessionFailed_ = false;
        fail(kOutputDeviceFailure);
    }
    return mode_;
}

int64_t Player::firstDeliveryNs()
{
    std::lock_guard lock(lock_);
    return session_ ? session_->firstDeliveryNs() : 0;
}

int Player::currentPos()
{
    auto lock = enter();
    if (sessionFailed_) {
        sessionFailed_ = false;
        fail(kOutputDeviceFailure);
    }
    if (!stream_)
        return fail(kIncorrectMode), 0;
    if (session_)
        return toMs(session_->position());
    return toMs(pendingStart_.value_or(stoppedAt_));
}

int Player::length()
{
    auto lock = enter();
    if (!stream_)
        return fail(kIncorrectMode), 0;
    return toMs(stream_->info().lengthSamples);
}

void Player::resetMode()
{
    auto lock = enter();
    endSession();
    pendingStart_.reset();
    stoppedAt_ = 0;
    started_ = false;
    mode_ = stream_ ? kOpened : kReady;
}

void Player::seek(int ms)
{
    auto lock = enter();
    if (!stream_) {
        fail(kIncorrectMode);
        return;
    }
    if (!stream_->info().seekable) {
        fail(kNonSeekable);
        return;
    }
    const int64_t sample = toSample(ms);
    if (session_) {
        if (!session_->seek(sample))
            fail(kInputStreamError);
        return;
    }
    pendingStart_ = sample;
}

void Player::setSoundDevice(int device)
{
    auto lock = enter();
    soundDevice_ = std::max(device, 0);
}

// Samples from milliseconds, kept within the stream.
int64_t Player::toSample(int64_t ms) const
{
    const StreamInfo &info = stream_->info();
    const int64_t sample = std::max<int64_t>(0, ms) * info.rate / 1000;
    return info.lengthSamples > 0 ? std::min(sample, info.lengthSamples) : sample;
}

int Player::toMs(int64_t sample) const
{
    const int rate = stream_->info().rate;
    return static_cast<int>(std::min<int64_t>(sample * 1000 / rate, INT32_MAX));
}

} // namespace mpegdll
