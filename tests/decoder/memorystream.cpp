#include "memorystream.h"

#include "mpegdll_loader.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

int kContext; // the address handed out as the stream's context

MemoryStream &self(void *user, void *context)
{
    auto &stream = *static_cast<MemoryStream *>(user);
    if (context != &kContext)
        stream.contextSeen = false;
    return stream;
}

void setBool(int32_t *res, bool value) { *reinterpret_cast<unsigned char *>(res) = value; }

void openCb(void *user, int32_t *nonseekable, void **context)
{
    auto &stream = *static_cast<MemoryStream *>(user);
    ++stream.opens;
    setBool(nonseekable, !stream.seekable);
    *context = &kContext;
}
void closeCb(void *user, void *context) { ++self(user, context).closes; }
void restartCb(void *user, void *context, int32_t *res)
{
    auto &stream = self(user, context);
    ++stream.restarts;
    stream.onSeek(0, 0);
    setBool(res, true);
}
void readCb(void *user, void *context, void *buffer, int32_t count, int32_t *read, int32_t *res)
{
    self(user, context).onRead(buffer, count, read, res);
}
void seekCb(void *user, void *context, int32_t offset, int32_t method, int32_t *res)
{
    auto &stream = self(user, context);
    *res = stream.seekable ? stream.onSeek(offset, method) : -1;
}
void sizeCb(void *user, void *context, int32_t *res)
{
    auto &stream = self(user, context);
    *res = stream.seekable ? static_cast<int32_t>(stream.data.size()) : -1;
}

} // namespace

MemoryStream MemoryStream::fromFile(const std::string &path, bool seekable)
{
    std::ifstream in(path, std::ios::binary);
    return MemoryStream({std::istreambuf_iterator<char>(in), {}}, seekable);
}

MemoryStream::~MemoryStream()
{
    if (opens > closes)
        mpegdll().Close();
}

void MemoryStream::openIn(bool withRestart)
{
    mpegdll().Open(nullptr, 1, openCb, closeCb, withRestart ? restartCb : nullptr, readCb, seekCb,
                   sizeCb, this);
}

void MemoryStream::holdAt(size_t offset)
{
    std::lock_guard lock(mutex_);
    gate_ = offset;
}

void MemoryStream::release()
{
    {
        std::lock_guard lock(mutex_);
        gate_ = SIZE_MAX;
    }
    gateChanged_.notify_all();
}

void MemoryStream::onRead(void *buffer, int32_t count, int32_t *read, int32_t *res)
{
    std::unique_lock lock(mutex_);
    while (position_ >= gate_) {
        waitingAtGate = true;
        gateChanged_.wait(lock);
    }
    waitingAtGate = false;
    if (position_ >= failReadsAt) {
        *read = 0;
        setBool(res, false);
        return;
    }
    const size_t limit = std::min({data.size(), gate_, failReadsAt});
    const size_t n = std::min<size_t>(static_cast<size_t>(count), limit - std::min(limit, position_));
    std::memcpy(buffer, data.data() + position_, n);
    position_ += n;
    *read = static_cast<int32_t>(n);
    setBool(res, true);
}

int32_t MemoryStream::onSeek(int32_t offset, int32_t method)
{
    std::lock_guard lock(mutex_);
    const int64_t base = method == 0 ? 0 : method == 1 ? static_cast<int64_t>(position_)
                                                       : static_cast<int64_t>(data.size());
    const int64_t target = base + offset;
    if (target < 0)
        return -1;
    position_ = static_cast<size_t>(target);
    return static_cast<int32_t>(target);
}
