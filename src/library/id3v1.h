#pragma once
// The ID3v1 tag at the end of an MP3 file (read only), with the genre names by index.

#include "library/taginfo.h"

#include <QByteArrayView>
#include <QString>

inline constexpr int kID3GenreCount = 148;
// Genre names indexed by the tag's genre byte (0-147), exactly as the tag tools list them.
extern const char *const ID3Genres[kID3GenreCount];

// Fills FileSize (0 when unknown) and the tag texts (Title, Artist, Album, Comment, Year,
// Genre; cleared first, empty without a tag) from fileName; the stream numbers are left alone.
void ReadID3v1Tag(const QString &fileName, TMP3TagInfo &info);
// The tag texts from the last (up to) 128 bytes of a file; shorter input counts as zero-padded.
void ParseID3v1Tag(QByteArrayView tail, TMP3TagInfo &info);
