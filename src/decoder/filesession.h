#pragma once
// Playback into a WAV file, as fast as decoding goes. The file is complete and renamed into place
// before the end byte is set; a stopped run completes it with what was written.

#include "decoder/session.h"
#include "decoder/wavwriter.h"

#include <memory>
#include <vector>

namespace mpegdll {

class FileSession : public Session {
public:
    FileSession(const SessionParams &params, std::unique_ptr<WavWriter> writer);
    ~FileSession() override;

    bool seek(int64_t sample) override;
    int64_t position() override { return position_.load(); }

protected:
    void run() override;
    void pauseOutput(bool) override {}

private:
    bool waitWhilePaused();
    size_t decodeChunk();

    std::unique_ptr<WavWriter> writer_;
    std::vector<int16_t> buffer_;
    std::atomic<int64_t> position_;
};

} // namespace mpegdll
