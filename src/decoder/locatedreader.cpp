#include "decoder/locatedreader.h"

#include "decoder/framescan.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace mpegdll {
namespace {

// How far into the stream (after an ID3v2 tag) the first frame may lie.
constexpr size_t kWindowBytes = 64 * 1024;

} // namespace

long LocatedReader::readFully(uint8_t *buffer, size_t count)
{
    size_t got = 0;
    while (got < count) {
        const long n = source_.read(buffer + got, count - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    sourcePos_ += static_cast<int64_t>(got);
    return static_cast<long>(got);
}

bool LocatedReader::skip(int64_t count)
{
    if (source_.seekable()) {
        const int64_t target = sourcePos_ + count;
        if (source_.seek(target, SEEK_SET) != target)
            return false;
        sourcePos_ = target;
        return true;
    }
    uint8_t scratch[4096];
    while (count > 0) {
        const long n = readFully(scratch, static_cast<size_t>(std::min<int64_t>(count, 4096)));
        if (n <= 0)
            return false;
        count -= n;
    }
    return true;
}

bool LocatedReader::locate()
{
    sourcePos_ = 0;
    uint8_t head[10];
    const long headBytes = readFully(head, sizeof head);
    if (headBytes < 0)
        return false;
    const size_t tag = id3v2TagSize(head, static_cast<size_t>(headBytes));
    window_.clear();
    if (tag > 0) {
        if (!skip(static_cast<int64_t>(tag) - headBytes))
            return false;
    } else {
        window_.assign(head, head + headBytes);
    }
    windowAt_ = static_cast<int64_t>(tag);
    const size_t have = window_.size();
    window_.resize(kWindowBytes);
    const long more = readFully(window_.data() + have, kWindowBytes - have);
    if (more < 0)
        return false;
    window_.resize(have + static_cast<size_t>(more));
    const bool atEnd = window_.size() < kWindowBytes;
    const auto offset = findAudioStart(window_.data(), window_.size(), atEnd);
    if (!offset)
        return false;
    start_ = windowAt_ + static_cast<int64_t>(*offset);
    pos_ = 0;
    return true;
}

ssize_t LocatedReader::read(void *buffer, size_t count)
{
    const int64_t at = start_ + pos_;
    const int64_t windowEnd = windowAt_ + static_cast<int64_t>(window_.size());
    if (at >= windowAt_ && at < windowEnd) {
        const size_t n = std::min<size_t>(count, static_cast<size_t>(windowEnd - at));
        std::memcpy(buffer, window_.data() + (at - windowAt_), n);
        pos_ += static_cast<int64_t>(n);
        return static_cast<ssize_t>(n);
    }
    if (sourcePos_ != at) {
        if (!source_.seekable() || source_.seek(at, SEEK_SET) != at)
            return -1;
        sourcePos_ = at;
    }
    const long n = source_.read(buffer, count);
    if (n > 0) {
        sourcePos_ += n;
        pos_ += n;
    }
    return n;
}

off_t LocatedReader::seek(off_t offset, int whence)
{
    int64_t target = -1;
    if (whence == SEEK_SET)
        target = offset;
    else if (whence == SEEK_CUR)
        target = pos_ + offset;
    else if (whence == SEEK_END && source_.seekable())
        target = audioBytes() < 0 ? -1 : audioBytes() + offset;
    if (target < 0 || (target != pos_ && !source_.seekable()))
        return -1;
    pos_ = target;
    return static_cast<off_t>(target);
}

int64_t LocatedReader::audioBytes()
{
    const int64_t size = source_.size();
    return size < 0 ? -1 : std::max<int64_t>(0, size - start_);
}

} // namespace mpegdll
