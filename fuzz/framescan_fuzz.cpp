// The decoder's input side on arbitrary bytes: the frame scanner on its own, then the whole open
// path (stream callbacks, located reader, libmpg123) over memory, decoding and seeking, no sound.
// The first byte chooses how the stream behaves; the rest is the stream.
#include "decoder/bytesource.h"
#include "decoder/framescan.h"
#include "decoder/mpegstream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

enum Flags : uint8_t {
    kNonSeekable = 1,
    kRestart = 2,
    kNoSize = 4,
    kShortReads = 8, // at most 7 bytes a read, to exercise the read-ahead loops
    kReadError = 16, // the read reaching the middle fails
};

struct Memory {
    const uint8_t *data;
    size_t size;
    uint8_t flags;
    size_t pos = 0;
};

Memory &memoryOf(void *user) { return *static_cast<Memory *>(user); }

void onOpen(void *user, int32_t *nonseekable, void **context)
{
    *nonseekable = (memoryOf(user).flags & kNonSeekable) != 0;
    *context = user;
}

void onClose(void *, void *) {}

void onRestart(void *user, void *, int32_t *res)
{
    memoryOf(user).pos = 0;
    *res = 1;
}

void onRead(void *user, void *, void *buffer, int32_t count, int32_t *bytesRead, int32_t *res)
{
    Memory &m = memoryOf(user);
    size_t n = std::min(static_cast<size_t>(std::max(count, 0)), m.size - m.pos);
    if (m.flags & kShortReads)
        n = std::min<size_t>(n, 7);
    if ((m.flags & kReadError) && m.pos + n > m.size / 2 && n > 0) {
        *bytesRead = 0;
        *res = 0;
        return;
    }
    std::memcpy(buffer, m.data + m.pos, n);
    m.pos += n;
    *bytesRead = static_cast<int32_t>(n);
    *res = 1;
}

void onSeek(void *user, void *, int32_t offset, int32_t method, int32_t *res)
{
    Memory &m = memoryOf(user);
    const int64_t base = method == 0 ? 0 : method == 1 ? static_cast<int64_t>(m.pos)
                                                       : static_cast<int64_t>(m.size);
    const int64_t target = base + offset;
    if (method < 0 || method > 2 || target < 0 || target > INT32_MAX) {
        *res = -1;
        return;
    }
    m.pos = std::min(static_cast<size_t>(target), m.size);
    *res = static_cast<int32_t>(target);
}

void onSize(void *user, void *, int32_t *res) { *res = static_cast<int32_t>(memoryOf(user).size); }

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void scan(const uint8_t *data, size_t size)
{
    mpegdll::id3v2TagSize(data, size);
    for (const bool atEnd : {false, true}) {
        const auto start = mpegdll::findAudioStart(data, size, atEnd);
        if (!start)
            continue;
        check(*start + 4 <= size);
        const auto header = mpegdll::parseFrameHeader(data + *start);
        check(header && header->length > 4);
    }
}

void decodeSome(mpegdll::MpegStream &stream, std::vector<int16_t> &pcm, int blocks)
{
    const size_t frames = pcm.size() / 2;
    for (int i = 0; i < blocks; ++i) {
        const size_t got = stream.decode(pcm.data(), frames);
        check(got <= frames);
        if (got == 0)
            return;
    }
}

void play(const uint8_t *data, size_t size, uint8_t flags)
{
    Memory memory{data, size, flags};
    mpegdll::StreamCallbacks callbacks;
    callbacks.open = onOpen;
    callbacks.close = onClose;
    callbacks.restart = (flags & kRestart) ? onRestart : nullptr;
    callbacks.read = onRead;
    callbacks.seek = onSeek;
    callbacks.size = (flags & kNoSize) ? nullptr : onSize;
    callbacks.user = &memory;
    int error = 0;
    auto stream = mpegdll::MpegStream::open(mpegdll::openCallbackSource(callbacks), error);
    if (!stream)
        return;
    const mpegdll::StreamInfo &info = stream->info();
    check(info.rate > 0 && (info.channels == 1 || info.channels == 2));
    std::vector<int16_t> pcm(2 * 1152);
    decodeSome(*stream, pcm, 1000);
    if (stream->seek(info.lengthSamples / 2))
        decodeSome(*stream, pcm, 2);
    if (stream->seek(0))
        decodeSome(*stream, pcm, 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    scan(data + 1, size - 1);
    play(data + 1, size - 1, data[0]);
    return 0;
}
