#include "decoder/bytesource.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mpegdll {
namespace {

class FileSource : public ByteSource {
public:
    explicit FileSource(int fd) : fd_(fd) {}
    ~FileSource() override { ::close(fd_); }

    long read(void *buffer, size_t count) override
    {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, count);
            if (n >= 0 || errno != EINTR)
                return n;
        }
    }
    int64_t seek(int64_t offset, int whence) override { return ::lseek(fd_, offset, whence); }
    int64_t size() override
    {
        struct stat st;
        return fstat(fd_, &st) == 0 ? st.st_size : -1;
    }
    bool seekable() const override { return true; }
    bool rewind() override { return seek(0, SEEK_SET) == 0; }

private:
    int fd_;
};

// Booleans from the callbacks count by their low byte, whether the callee wrote one byte or four.
bool lowByte(int32_t value) { return (value & 0xFF) != 0; }

class CallbackSource : public ByteSource {
public:
    explicit CallbackSource(const StreamCallbacks &cb) : cb_(cb)
    {
        int32_t nonseekable = 0;
        if (cb_.open)
            cb_.open(cb_.user, &nonseekable, &context_);
        seekable_ = !lowByte(nonseekable) && cb_.seek && size() >= 0;
    }
    ~CallbackSource() override
    {
        if (cb_.close)
            cb_.close(cb_.user, context_);
    }

    long read(void *buffer, size_t count) override
    {
        const auto wanted = static_cast<int32_t>(std::min<size_t>(count, INT32_MAX));
        int32_t got = 0;
        int32_t ok = 0;
        cb_.read(cb_.user, context_, buffer, wanted, &got, &ok);
        if (!lowByte(ok) || got < 0)
            return -1;
        return std::min(got, wanted);
    }
    int64_t seek(int64_t offset, int whence) override
    {
        if (!cb_.seek || offset < INT32_MIN || offset > INT32_MAX)
            return -1;
        int32_t res = -1;
        cb_.seek(cb_.user, context_, static_cast<int32_t>(offset), whence, &res);
        return res < 0 ? -1 : res;
    }
    int64_t size() override
    {
        int32_t res = -1;
        if (cb_.size)
            cb_.size(cb_.user, context_, &res);
        return res < 0 ? -1 : res;
    }
    bool seekable() const override { return seekable_; }
    bool rewind() override
    {
        if (cb_.restart) {
            int32_t ok = 0;
            cb_.restart(cb_.user, context_, &ok);
            return lowByte(ok);
        }
        return seekable_ && seek(0, SEEK_SET) == 0;
    }

private:
    StreamCallbacks cb_;
    void *context_ = nullptr;
    bool seekable_ = false;
};

} // namespace

std::unique_ptr<ByteSource> openFileSource(const char *path)
{
    if (!path || !*path)
        return nullptr;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<FileSource>(fd);
}

std::unique_ptr<ByteSource> openCallbackSource(const StreamCallbacks &callbacks)
{
    if (!callbacks.read)
        return nullptr;
    return std::make_unique<CallbackSource>(callbacks);
}

} // namespace mpegdll
