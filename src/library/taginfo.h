#pragma once
// Tag and stream information of one sound file: the ID3v1 tag (read from the file) and the
// stream data (taken from the player that has the file open).

#include <QString>
#include <cstdint>

struct TMP3TagInfo {
    QString Title;
    QString Artist;
    QString Album;
    QString Comment;
    QString Year;          // four characters at most
    int32_t Length = 0;    // stream length in milliseconds
    int32_t Layer = 0;     // MPEG layer
    int32_t Bitrate = 0;   // bits per second
    int32_t Frequency = 0; // sampling frequency in Hz
    uint32_t FileSize = 0; // bytes; 0 when it cannot be obtained
    int32_t StereoMode = 0; // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    QString Genre;          // name from ID3Genres; empty when the tag has none
};
