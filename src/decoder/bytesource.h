#pragma once
// Where the compressed bytes come from: a file, or the six stream callbacks of "Open".

#include "decoder/mpegdll.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace mpegdll {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Bytes read into buffer; 0 at the end; -1 on a read error.
    virtual long read(void *buffer, size_t count) = 0;
    // Moves like lseek; the new position, or -1 when the source cannot move there.
    virtual int64_t seek(int64_t offset, int whence) = 0;
    // Size in bytes, -1 when unknown.
    virtual int64_t size() = 0;
    virtual bool seekable() const = 0;
    // Back to the first byte, also for sources that cannot seek but can start over.
    virtual bool rewind() = 0;
};

struct StreamCallbacks {
    MpegOpenStream open = nullptr;
    MpegCloseStream close = nullptr;
    MpegRestartStream restart = nullptr;
    MpegReadStream read = nullptr;
    MpegSeekStream seek = nullptr;
    MpegStreamSize size = nullptr;
    void *user = nullptr;
};

// Null when the path is null, missing, not a regular file or unreadable.
std::unique_ptr<ByteSource> openFileSource(const char *path);
// Calls the open callback; null when there is no read callback.
std::unique_ptr<ByteSource> openCallbackSource(const StreamCallbacks &callbacks);

} // namespace mpegdll
