#pragma once
// Single-producer single-consumer ring of 16-bit samples between the decoding thread (writer) and
// the sound device's callback (reader). Neither side locks; clear() and unread() need both sides
// held off. The writer leaves the last `kept` samples read intact, so that the reader can step
// back over audio the device took but has not played yet.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mpegdll {

class RingBuffer {
public:
    explicit RingBuffer(size_t capacity, size_t kept = 0)
        : data_(capacity + kept), capacity_(capacity)
    {
    }

    size_t capacity() const { return capacity_; }
    size_t readable() const
    {
        return static_cast<size_t>(written_.load(std::memory_order_acquire) -
                                   read_.load(std::memory_order_relaxed));
    }
    size_t writable() const
    {
        // A step back while the writer was filling can leave more than the capacity readable.
        const size_t used = static_cast<size_t>(written_.load(std::memory_order_relaxed) -
                                                read_.load(std::memory_order_acquire));
        return used < capacity() ? capacity() - used : 0;
    }

    // The contiguous free space the writer may fill now; commit() what it filled.
    int16_t *writeSpan(size_t &count)
    {
        const size_t at = written_.load(std::memory_order_relaxed) % data_.size();
        count = std::min(writable(), data_.size() - at);
        return data_.data() + at;
    }
    void commit(size_t count) { written_.fetch_add(count, std::memory_order_release); }

    // Copies up to `count` samples out; the number copied.
    size_t read(int16_t *out, size_t count)
    {
        const size_t n = std::min(count, readable());
        const size_t at = read_.load(std::memory_order_relaxed) % data_.size();
        const size_t first = std::min(n, data_.size() - at);
        std::copy_n(data_.data() + at, first, out);
        std::copy_n(data_.data(), n - first, out + first);
        read_.fetch_add(n, std::memory_order_release);
        return n;
    }

    // Makes up to `count` of the samples read last readable again; the number made readable.
    size_t unread(size_t count)
    {
        const uint64_t read = read_.load(std::memory_order_relaxed);
        const size_t n = static_cast<size_t>(std::min<uint64_t>({count, read, kept()}));
        read_.store(read - n, std::memory_order_release);
        return n;
    }

    void clear()
    {
        read_.store(0, std::memory_order_relaxed);
        written_.store(0, std::memory_order_release);
    }

private:
    size_t kept() const { return data_.size() - capacity_; }

    std::vector<int16_t> data_;
    size_t capacity_;
    std::atomic<uint64_t> written_{0};
    std::atomic<uint64_t> read_{0};
};

} // namespace mpegdll
