#include "library/playlistfile.h"

#include "platform/codepage.h"
#include "platform/listpath.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFile>
#include <climits>

// The reader follows the declared counts line by line, as lists written on Windows expect.
// Where a key run would cross into the next entry (an artist or album written without its
// count line, or counts larger than the sections present), it stops at that entry's header
// instead, so such entries read back as written and a huge count cannot create more items than
// the lines hold.

namespace {

enum class THeader { None, Common, Artist, Album, Song };

bool EqualsUpper(QByteArrayView text, const char *upper)
{
    qsizetype i = 0;
    for (; upper[i]; ++i) {
        if (i == text.size())
            return false;
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c != upper[i])
            return false;
    }
    return i == text.size();
}

THeader HeaderOf(QByteArrayView line)
{
    if (line.size() < 6 || line.front() != '[')
        return THeader::None;
    if (EqualsUpper(line, "[COMMON]"))
        return THeader::Common;
    if (EqualsUpper(line, "[ARTIST]"))
        return THeader::Artist;
    if (EqualsUpper(line, "[ALBUM]"))
        return THeader::Album;
    if (EqualsUpper(line, "[SONG]"))
        return THeader::Song;
    return THeader::None;
}

// A count: a decimal integer, saturated at INT_MAX; anything else counts as 0.
int ParseCount(QByteArrayView text)
{
    text = text.trimmed();
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return 0;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return negative ? -int(value) : int(value);
}

// How an album step ended.
enum class TAlbumEnd { Continue, Stalled, NextArtist, LinesEnd };

class TPlaylistReader {
public:
    TPlaylistReader(QByteArrayView bytes, const QString &listFile, const TAlbumProgress &onAlbum)
        : fEncoding(DetectListEncoding(bytes)), fCursor(WithoutBom(bytes)), fPaths(listFile),
          fOnAlbum(onAlbum)
    {
    }

    void Read(TArtistColl &artists, TDiscPaths &paths)
    {
        while (!fCursor.AtEnd()) {
            if (Header() == THeader::Common)
                ReadCommon(paths);
            if (!fCursor.AtEnd() && Header() == THeader::Artist && ReadArtist(artists))
                continue; // stopped on the next artist's header
            fCursor.Next();
        }
    }

private:
    THeader Header() const { return HeaderOf(fCursor.Line()); }

    // The current line's key and value; false for a line without "=".
    bool KeyLine(QByteArrayView &key, QByteArrayView &value) const
    {
        const QByteArrayView line = fCursor.Line();
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return false;
        key = line.first(equals);
        value = line.sliced(equals + 1);
        return true;
    }

    QString Text(QByteArrayView value)
    {
        QString text = DecodeText(fEncoding, value);
        text.squeeze(); // a library of 100,000 songs keeps many of these
        return text;
    }
    QString Path(QByteArrayView value)
    {
        if (fEncoding == TTextEncoding::Utf8)
            return fPaths.Expand(QString::fromUtf8(value));
        DecodeCp1251Into(fScratch, value); // only the expanded path is kept
        return fPaths.Expand(fScratch);
    }

    void ReadCommon(TDiscPaths &paths)
    {
        for (fCursor.Next(); !fCursor.AtEnd() && Header() != THeader::Artist; fCursor.Next()) {
            QByteArrayView key, value;
            if (!KeyLine(key, value))
                continue;
            if (EqualsUpper(key, "PHOTOS"))
                paths.PhotosFolder = Path(value);
            else if (EqualsUpper(key, "HTML"))
                paths.HTMLFile = Path(value);
            else if (EqualsUpper(key, "ABOUT"))
                paths.AboutFile = Path(value);
            else if (EqualsUpper(key, "CLIPS"))
                paths.ClipsFolder = Path(value);
        }
    }

    // True when the artist ended on the next artist's header, where the walk must resume.
    bool ReadArtist(TArtistColl &artists)
    {
        fCursor.Next();
        TArtistItem &artist = artists.Add();
        int albumCount = 0;
        for (; !fCursor.AtEnd(); fCursor.Next()) {
            const THeader header = Header();
            if (header == THeader::Album)
                break;
            if (header == THeader::Artist)
                return true;
            ApplyArtistKey(artist, albumCount);
        }
        artist.Albums.BeginUpdate();
        TAlbumEnd end = TAlbumEnd::Continue;
        for (int i = 0; i < albumCount && end == TAlbumEnd::Continue; ++i) {
            if (fOnAlbum)
                fOnAlbum();
            end = ReadAlbum(artist.Albums);
        }
        artist.Albums.EndUpdate();
        return end == TAlbumEnd::NextArtist;
    }

    void ApplyArtistKey(TArtistItem &artist, int &albumCount)
    {
        QByteArrayView key, value;
        if (!KeyLine(key, value))
            return;
        if (EqualsUpper(key, "NAME"))
            artist.Name = Text(value);
        else if (EqualsUpper(key, "HISTORY"))
            artist.History = Path(value);
        else if (EqualsUpper(key, "PICPATHS"))
            artist.PicPaths = Path(value);
        else if (EqualsUpper(key, "ALBUMS"))
            albumCount = ParseCount(value);
    }

    TAlbumEnd ReadAlbum(TAlbColl &albums)
    {
        if (fCursor.AtEnd())
            return TAlbumEnd::LinesEnd;
        const qsizetype start = fCursor.Position();
        TAlbItem &album = albums.Add();
        int songCount = 0;
        if (Header() == THeader::Album)
            fCursor.Next();
        for (; !fCursor.AtEnd(); fCursor.Next()) {
            const THeader header = Header();
            if (header == THeader::Song)
                break;
            if (header == THeader::Album)
                return TAlbumEnd::Continue; // an album without songs
            if (header == THeader::Artist)
                return TAlbumEnd::NextArtist;
            ApplyAlbumKey(album, songCount);
        }
        album.Songs.BeginUpdate();
        for (int i = 0; i < songCount && !fCursor.AtEnd(); ++i) {
            const THeader header = Header();
            if (header == THeader::Album || header == THeader::Artist)
                break; // fewer song sections than the count says
            ReadSong(album.Songs.Add());
        }
        album.Songs.EndUpdate();
        if (fCursor.AtEnd())
            return TAlbumEnd::LinesEnd;
        if (Header() == THeader::Artist)
            return TAlbumEnd::NextArtist;
        // An album step that read nothing (it began on a surplus "[Song]") would repeat forever.
        return fCursor.Position() == start ? TAlbumEnd::Stalled : TAlbumEnd::Continue;
    }

    void ApplyAlbumKey(TAlbItem &album, int &songCount)
    {
        QByteArrayView key, value;
        if (!KeyLine(key, value))
            return;
        if (EqualsUpper(key, "NAME"))
            album.Name = Text(value);
        else if (EqualsUpper(key, "YEAR"))
            album.Year = Text(value);
        else if (EqualsUpper(key, "PICTURE"))
            album.Picture = Path(value);
        else if (EqualsUpper(key, "RETSENZIA"))
            album.Retsenzia = Path(value);
        else if (EqualsUpper(key, "SONGS"))
            songCount = ParseCount(value);
    }

    void ReadSong(TSongItem &song)
    {
        if (Header() == THeader::Song)
            fCursor.Next();
        for (; !fCursor.AtEnd(); fCursor.Next()) {
            const THeader header = Header();
            if (header == THeader::Song || header == THeader::Album || header == THeader::Artist)
                break;
            ApplySongKey(song);
        }
    }

    void ApplySongKey(TSongItem &song)
    {
        QByteArrayView key, value;
        if (!KeyLine(key, value))
            return;
        if (EqualsUpper(key, "TITLE"))
            song.Title = Text(value);
        else if (EqualsUpper(key, "FILE"))
            song.File = Path(value);
        else if (EqualsUpper(key, "PICTURE"))
            song.Picture = Path(value);
        else if (EqualsUpper(key, "TEXT"))
            song.Text = Path(value);
        else if (EqualsUpper(key, "COMMENT"))
            song.Comment = Text(value);
    }

    TTextEncoding fEncoding;
    TLineCursor<QByteArrayView> fCursor;
    TListPaths fPaths;
    const TAlbumProgress &fOnAlbum;
    QString fScratch;
};

} // namespace

void ReadPlaylist(QByteArrayView bytes, const QString &listFile, TArtistColl &artists,
                  TDiscPaths &paths, const TAlbumProgress &onAlbum)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    artists.Clear();
    paths = TDiscPaths();
    artists.BeginUpdate();
    TPlaylistReader(bytes, listFile, onAlbum).Read(artists, paths);
    artists.EndUpdate();
}

bool LoadPlaylist(const QString &listFile, TArtistColl &artists, TDiscPaths &paths,
                  const TAlbumProgress &onAlbum)
{
    QFile file(listFile);
    QByteArray bytes;
    const bool opened = file.open(QIODevice::ReadOnly);
    if (opened)
        bytes = file.readAll();
    const bool readable = opened && file.error() == QFile::NoError;
    if (!readable)
        bytes.clear();
    // Read before moving: a list named relative to the current folder is found from there.
    ReadPlaylist(bytes, listFile, artists, paths, onAlbum);
    QDir::setCurrent(FolderOf(listFile));
    return readable;
}
