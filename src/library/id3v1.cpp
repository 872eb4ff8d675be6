#include "library/id3v1.h"

#include "platform/codepage.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <limits>

const char *const ID3Genres[kID3GenreCount] = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz",
    "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno",
    "Industrial", "Alternative", "Ska", "Death Metal ", "Pranks", "Soundtrack ", "Euro - Techno",
    "Ambient", "Trip - Hop", "Vocal", "Jazz & Funk", "Fusion", "Trance", "Classical",
    "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise", "Alternative-Rock",
    "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop", "Instrumental Rock",
    "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance",
    "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk",
    "Jungle", "Native American", "Cabaret", "New Wave", "Psychedelic", "Rave", "Show Tunes",
    "Trailer", "Lo-Fi", "Tribal", "Acid Punk ", "Acid Jazz ", "Polka", "Retro", "Musical",
    "Rock & Roll", "Hard Rock", "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion",
    "Bebop", "Latin", "Revival", "Celtic", "Bluegrass", "Avant-garde", "Gothic Rock",
    "Progressive Rock", "Psychedelic Rock", "Symphonic Rock", "Slow Rock", "Big Band", "Chorus",
    "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera", "Chamber Music",
    "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam", "Club",
    "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet",
    "Punk Rock", "Drum Solo", "Acapella", "Euro-House", "Dance Hall", "Goa", "Drum & Bass",
    "Club-House", "Hardcore", "Terror", "Indie", "BritPop", "Afro-Punk", "Polsk Punk", "Beat",
    "Christian Gangsta Rap", "Heavy Metal", "Black Metal", "Crossover", "Contemporary Christian",
    "Christian Rock", "Merengue", "Salsa", "Thrash Metal", "Anime", "JPop", "Synthpop",
};

namespace {

constexpr qsizetype kTagSize = 128;

// A text field: its bytes up to the first zero byte, without trailing blanks.
QString Field(const std::array<char, kTagSize> &tag, qsizetype offset, qsizetype length)
{
    QByteArrayView bytes(tag.data() + offset, length);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes = bytes.first(zero);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return DecodeCp1251(bytes);
}

} // namespace

void ParseID3v1Tag(QByteArrayView tail, TMP3TagInfo &info)
{
    std::array<char, kTagSize> tag{};
    std::copy_n(tail.data(), std::min(tail.size(), kTagSize), tag.begin());
    info.Title.clear();
    info.Artist.clear();
    info.Album.clear();
    info.Comment.clear();
    info.Year.clear();
    info.Genre.clear();
    if (QByteArrayView(tag.data(), 3) != "TAG")
        return;
    info.Title = Field(tag, 3, 30);
    info.Artist = Field(tag, 33, 30);
    info.Album = Field(tag, 63, 30);
    info.Year = Field(tag, 93, 4);
    info.Comment = Field(tag, 97, 29);
    const auto genre = uint8_t(tag[127]);
    if (genre < kID3GenreCount)
        info.Genre = QString::fromLatin1(ID3Genres[genre]);
}

void ReadID3v1Tag(const QString &fileName, TMP3TagInfo &info)
{
    QFile file(fileName);
    QByteArray tail;
    info.FileSize = 0;
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const qint64 size = file.size();
        info.FileSize = uint32_t(std::clamp<qint64>(size, 0, std::numeric_limits<uint32_t>::max()));
        if (file.seek(std::max<qint64>(0, size - kTagSize)))
            tail = file.read(kTagSize);
    }
    ParseID3v1Tag(tail, info);
}
