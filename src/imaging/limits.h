#pragma once
// Bounds on the work and memory one picture may cost, whatever its header claims.

#include <QSize>
#include <cstdint>

// The most pixels a picture may have at natural size. 64 megapixels holds the largest photo a
// disc plausibly carries (a 60-megapixel camera) while its decoded 32-bit image stays under
// 256 MB; a header claiming more (60000x60000 is 14 GB decoded) is damaged or hostile.
inline constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

// Picture files are read whole into memory: larger ones are not pictures of a disc.
inline constexpr std::int64_t kMaxFileBytes = 256LL * 1024 * 1024;

// Metafile playback: a file of records can ask for unbounded work; these stop it early, leaving
// what was drawn so far.
inline constexpr int kMaxMetaRecords = 500000;          // records played per drawing
inline constexpr std::int64_t kMaxMetaPoints = 8000000; // points drawn and clipped per drawing
// Pixels painted per drawing, counted by the bounds of each shape: the larger of a fixed amount
// (about a second of filling) and many layers over the whole target.
inline constexpr double kMaxMetaFillPixels = 400e6;
inline constexpr double kMetaFillLayers = 100;
inline constexpr int kMaxMetaObjects = 65536;      // object table slots (WMF indices are 16-bit)
inline constexpr int kMaxMetaSavedStates = 256;    // nesting of SaveDC
inline constexpr int kMaxMetaPathPoints = 1000000; // points in one recorded path

// Whether a width and height are positive and within kMaxPixels.
inline bool IsAcceptablePictureSize(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxPixels && height <= kMaxPixels &&
           width * height <= kMaxPixels;
}
inline bool IsAcceptablePictureSize(QSize size)
{
    return IsAcceptablePictureSize(size.width(), size.height());
}
