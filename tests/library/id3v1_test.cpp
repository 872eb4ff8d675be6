#include "library/id3v1.h"

#include "fixtures.h"

#include <gtest/gtest.h>

namespace {

// A 128-byte tag with the given fields (each padded with pad) and genre byte.
QByteArray Tag(const QByteArray &title, char pad = '\0', uint8_t genre = 255)
{
    QByteArray tag(128, '\0');
    tag.replace(0, 3, "TAG");
    QByteArray field = title.leftJustified(30, pad, true);
    tag.replace(3, 30, field);
    tag.replace(33, 30, QByteArray("Artist").leftJustified(30, ' '));
    tag.replace(63, 30, QByteArray("\xC0\xEB\xFC\xE1\xEE\xEC").leftJustified(30, '\0')); // Альбом
    tag.replace(93, 4, "1999");
    tag.replace(97, 29, QByteArray("Comment").leftJustified(29, ' '));
    tag[127] = char(genre);
    return tag;
}

TMP3TagInfo Parse(const QByteArray &tail)
{
    TMP3TagInfo info;
    ParseID3v1Tag(tail, info);
    return info;
}

} // namespace

TEST(ID3v1, ReadsFieldsUpToZeroAndWithoutTrailingBlanks)
{
    EXPECT_EQ(Parse(Tag("Song", '\0')).Title, "Song");
    EXPECT_EQ(Parse(Tag("Song", ' ')).Title, "Song");
    EXPECT_EQ(Parse(Tag("", ' ')).Title, "");
    EXPECT_EQ(Parse(Tag(QByteArray("Song\0junk", 9))).Title, "Song");
    const TMP3TagInfo info = Parse(Tag("  Lead blanks stay", ' ', 17));
    EXPECT_EQ(info.Title, "  Lead blanks stay");
    EXPECT_EQ(info.Artist, "Artist");
    EXPECT_EQ(info.Album, "Альбом");
    EXPECT_EQ(info.Year, "1999");
    EXPECT_EQ(info.Comment, "Comment");
    EXPECT_EQ(info.Genre, "Rock");
}

TEST(ID3v1, ThirtyCharacterCommentLosesItsLastCharacter)
{
    QByteArray tag = Tag("x");
    tag.replace(97, 30, "123456789012345678901234567890");
    tag[127] = char(255);
    EXPECT_EQ(Parse(tag).Comment, "12345678901234567890123456789");
}

TEST(ID3v1, GenreNamesByIndex)
{
    EXPECT_EQ(Parse(Tag("x", ' ', 255)).Genre, "");
    EXPECT_EQ(Parse(Tag("x", ' ', 148)).Genre, "");
    EXPECT_EQ(Parse(Tag("x", ' ', 147)).Genre, "Synthpop");
    EXPECT_EQ(Parse(Tag("x", ' ', 22)).Genre, "Death Metal ");
    EXPECT_EQ(Parse(Tag("x", ' ', 0)).Genre, "Blues");
    EXPECT_STREQ(ID3Genres[133], "Afro-Punk");
    EXPECT_STREQ(ID3Genres[24], "Soundtrack ");
    EXPECT_STREQ(ID3Genres[25], "Euro - Techno");
    EXPECT_STREQ(ID3Genres[73], "Acid Punk ");
    EXPECT_STREQ(ID3Genres[74], "Acid Jazz ");
    EXPECT_STREQ(ID3Genres[80], "Folk");
}

TEST(ID3v1, NoTagClearsTextsButKeepsStreamNumbers)
{
    TMP3TagInfo info;
    info.Title = "old";
    info.Genre = "old";
    info.Bitrate = 128000;
    ParseID3v1Tag(QByteArray(128, 'x'), info);
    EXPECT_EQ(info.Title, "");
    EXPECT_EQ(info.Genre, "");
    EXPECT_EQ(info.Bitrate, 128000);
    EXPECT_EQ(Parse("TA").Title, "");
    EXPECT_EQ(Parse(QByteArray()).Genre, "");
}

TEST(ID3v1, ReadsTheLastBytesOfFilesOfAnySize)
{
    TTempFolder folder;
    const QString tagged = folder.Write("tagged.mp3", QByteArray(1000, '\xFF') + Tag("Song"));
    TMP3TagInfo info;
    ReadID3v1Tag(tagged, info);
    EXPECT_EQ(info.Title, "Song");
    EXPECT_EQ(info.FileSize, 1128u);

    // Shorter than a tag: the whole file is read as the tag's start.
    const QString shortFile = folder.Write("short.mp3", Tag("Short").left(40));
    ReadID3v1Tag(shortFile, info);
    EXPECT_EQ(info.Title, "Short");
    EXPECT_EQ(info.Artist, "Artist");
    EXPECT_EQ(info.FileSize, 40u);

    ReadID3v1Tag(folder.Write("empty.mp3"), info);
    EXPECT_EQ(info.Title, "");
    EXPECT_EQ(info.FileSize, 0u);

    info.Title = "old";
    ReadID3v1Tag(folder.Path("missing.mp3"), info);
    EXPECT_EQ(info.Title, "");
    EXPECT_EQ(info.FileSize, 0u);
    ReadID3v1Tag(folder.Path(), info);
    EXPECT_EQ(info.FileSize, 0u);
}
