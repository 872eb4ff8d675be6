#pragma once
// Little-endian fields of a byte buffer, read with bounds checks: reading past the end yields
// zero and marks the reader failed, so record parsers stay short and never read out of bounds.

#include <QByteArrayView>
#include <cstdint>
#include <cstring>

class TLeReader {
public:
    explicit TLeReader(QByteArrayView bytes, qsizetype pos = 0) : fBytes(bytes), fPos(pos) {}

    std::uint8_t U8() { return std::uint8_t(Take(1)); }
    std::uint16_t U16() { return std::uint16_t(Take(2)); }
    std::int16_t I16() { return std::int16_t(Take(2)); }
    std::uint32_t U32() { return std::uint32_t(Take(4)); }
    std::int32_t I32() { return std::int32_t(Take(4)); }
    float F32()
    {
        const std::uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // The next count bytes (fewer, and the reader failed, when the buffer ends first).
    QByteArrayView Bytes(qsizetype count)
    {
        if (count < 0 || count > Remaining()) {
            fFailed = true;
            count = Remaining();
        }
        const QByteArrayView view = fBytes.sliced(fPos, count);
        fPos += count;
        return view;
    }
    void Skip(qsizetype count) { Bytes(count); }
    void Seek(qsizetype pos)
    {
        fFailed = fFailed || pos < 0 || pos > fBytes.size();
        fPos = pos < 0 ? 0 : (pos > fBytes.size() ? fBytes.size() : pos);
    }

    qsizetype Pos() const { return fPos; }
    qsizetype Remaining() const { return fBytes.size() - fPos; }
    bool Failed() const { return fFailed; }

private:
    std::uint32_t Take(int count)
    {
        if (Remaining() < count) {
            fFailed = true;
            fPos = fBytes.size();
            return 0;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= std::uint32_t(std::uint8_t(fBytes[fPos + i])) << (8 * i);
        fPos += count;
        return value;
    }

    QByteArrayView fBytes;
    qsizetype fPos;
    bool fFailed = false;
};
