#pragma once
// The byte stream libmpg123 reads: the source, starting at the first frame of proven audio. The
// first bytes are read ahead to find that frame and are served again from memory, so a source
// that cannot seek is read exactly once.

#include "decoder/bytesource.h"

#include <cstdint>
#include <sys/types.h>
#include <vector>

namespace mpegdll {

class LocatedReader {
public:
    explicit LocatedReader(ByteSource &source) : source_(source) {}

    // Reads the first bytes from the source's current start and finds the audio; false when the
    // source is unreadable or holds no MPEG audio there.
    bool locate();
    // As read(2) and lseek(2), with offsets counted from the first frame.
    ssize_t read(void *buffer, size_t count);
    off_t seek(off_t offset, int whence);
    // Bytes from the first frame to the end of the source, -1 when unknown.
    int64_t audioBytes();

private:
    long readFully(uint8_t *buffer, size_t count);
    bool skip(int64_t count);

    ByteSource &source_;
    std::vector<uint8_t> window_; // the bytes read ahead, from windowAt_ on
    int64_t windowAt_ = 0;
    int64_t start_ = 0;     // source offset of the first frame
    int64_t pos_ = 0;       // read position, from start_
    int64_t sourcePos_ = 0; // where the source stands
};

} // namespace mpegdll
