#pragma once
// Playback through the sound device: decodes ahead into a short ring the device's callback reads,
// and sets the end byte once the device has played the last sample.

#include "decoder/ringbuffer.h"
#include "decoder/session.h"
#include "decoder/soundoutput.h"

#include <memory>

namespace mpegdll {

class SoundSession : public Session {
public:
    SoundSession(const SessionParams &params, std::unique_ptr<SoundOutput> output);
    ~SoundSession() override;

    bool seek(int64_t sample) override;
    int64_t position() override { return output_->heard(); }
    int64_t firstDeliveryNs() override { return output_->firstDeliveryNs(); }

protected:
    void prime() override;
    void run() override;
    void pauseOutput(bool paused) override;

private:
    void decodeChunk();
    bool endIsDue(std::unique_lock<std::mutex> &lock);

    std::unique_ptr<SoundOutput> output_;
    RingBuffer ring_;
    bool decodedAll_ = false; // under mutex_
};

} // namespace mpegdll
