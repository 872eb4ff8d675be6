#pragma once
// Collects one \pict group: its type and size words and its data, hex decoded in one pass as it
// arrives (or \bin bytes), so that no more than the picture itself is held.

#include "richtext/rtftypes.h"

#include <optional>
#include <string_view>

class TRtfPictureReader {
public:
    // Larger pictures are dropped: the reader's memory stays bounded whatever the file claims.
    static constexpr qsizetype kMaxBytes = 64 * 1024 * 1024;
    // Goal sizes are held within this many pixels a side.
    static constexpr int kMaxSide = 16384;

    void Start();
    void Word(int id, int param);
    // True until the data has room reserved: the reader then says how many hex characters
    // may follow, so that the data grows once.
    bool WantsRoom() const { return fData.capacity() == 0 && !fTooLarge; }
    void ReserveFor(qsizetype hexCharacters);
    // Hex digits of the data; anything else between them is passed over.
    void HexText(std::string_view text);
    void BinaryData(std::string_view data);
    // The picture, when its type is one a decoder may know and it has data within the limit.
    std::optional<TRtfPicture> Finish();

private:
    bool Fits(qsizetype count);
    QSize GoalPixels() const;
    QByteArray DdbAsBmp() const;

    QByteArray fData;
    int fType = -1;    // TKwPict picture type, -1 before one is named
    int fHighNibble = -1;
    bool fTooLarge = false;
    int fWidth = 0;    // \picw: pixels for bitmaps, 0.01 mm for metafiles
    int fHeight = 0;
    int fGoalWidth = 0; // twips
    int fGoalHeight = 0;
    int fScaleX = 100; // percent
    int fScaleY = 100;
    int fBitsPerPixel = 1;
    int fWidthBytes = 0;
};
