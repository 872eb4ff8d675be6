#include "library/playlistfile.h"

#include "platform/codepage.h"
#include "platform/devicelines.h"
#include "platform/listpath.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <climits>
#include <optional>

// The reader walks the lines as lists written on Windows expect: the declared counts decide how
// many album and song sections are read, and each run of keys ends at a fixed header. Beyond
// that walk: an artist without an "Albums=" line, or an album with its own header and without a
// "Songs=" line, ends at the next entry's header (that is how entries without albums or songs
// are written); nothing is created once the lines have ended; and a song or album step that
// reads no line ends its loop, since every further step would only repeat it.

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

class TPlaylistReader {
public:
    TPlaylistReader(QIODevice &device, const TDeviceText &text, const QString &listFile,
                    const TAlbumProgress &onAlbum)
        : fEncoding(text.Encoding), fCursor(device, text.Start), fPaths(listFile),
          fOnAlbum(onAlbum)
    {
    }

    void Read(TArtistColl &artists, TDiscPaths &paths)
    {
        while (!fCursor.AtEnd()) {
            if (Header() == THeader::Common)
                ReadCommon(paths);
            if (!fCursor.AtEnd() && Header() == THeader::Artist)
                ReadArtist(artists);
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
            return fPaths.Expand(DecodeUtf8(value));
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

    // Leaves the cursor on the artist's last line: the walk's advance moves past it.
    void ReadArtist(TArtistColl &artists)
    {
        fCursor.Next();
        TArtistItem &artist = artists.Add();
        std::optional<int> albumCount;
        for (; !fCursor.AtEnd() && Header() != THeader::Album; fCursor.Next()) {
            if (Header() == THeader::Artist && !albumCount) {
                fCursor.Back(); // an artist written without albums; the next one starts here
                return;
            }
            ApplyArtistKey(artist, albumCount);
        }
        artist.Albums.BeginUpdate();
        for (int i = 0; i < albumCount.value_or(0) && !fCursor.AtEnd(); ++i) {
            if (fOnAlbum)
                fOnAlbum();
            if (!ReadAlbum(artist.Albums))
                break;
        }
        artist.Albums.EndUpdate();
    }

    void ApplyArtistKey(TArtistItem &artist, std::optional<int> &albumCount)
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

    // False when no further album of the artist can follow: this one ended the artist, or it
    // read no line.
    bool ReadAlbum(TAlbColl &albums)
    {
        const qsizetype start = fCursor.Position();
        TAlbItem &album = albums.Add();
        std::optional<int> songCount;
        const bool ownHeader = Header() == THeader::Album;
        if (ownHeader)
            fCursor.Next();
        for (; !fCursor.AtEnd() && Header() != THeader::Song; fCursor.Next()) {
            const THeader header = Header();
            if (ownHeader && !songCount && (header == THeader::Album || header == THeader::Artist)) {
                // An album written without songs: the next entry starts here.
                if (header == THeader::Album)
                    return true;
                fCursor.Back();
                return false;
            }
            ApplyAlbumKey(album, songCount);
        }
        album.Songs.BeginUpdate();
        for (int i = 0; i < songCount.value_or(0) && !fCursor.AtEnd(); ++i)
            if (!ReadSong(album.Songs.Add()))
                break;
        album.Songs.EndUpdate();
        return fCursor.Position() != start;
    }

    void ApplyAlbumKey(TAlbItem &album, std::optional<int> &songCount)
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

    // False when the step read no line (it stopped on the line it began on).
    bool ReadSong(TSongItem &song)
    {
        const qsizetype start = fCursor.Position();
        if (Header() == THeader::Song)
            fCursor.Next();
        while (!fCursor.AtEnd()) {
            ApplySongKey(song);
            fCursor.Next();
            if (fCursor.AtEnd())
                break;
            const THeader header = Header();
            if (header == THeader::Artist) {
                fCursor.Back(); // the walk's advance brings the cursor onto it again
                break;
            }
            if (header == THeader::Song || header == THeader::Album)
                break;
        }
        return fCursor.Position() != start;
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
    TDeviceLineCursor fCursor;
    TListPaths fPaths;
    const TAlbumProgress &fOnAlbum;
    QString fScratch;
};

} // namespace

namespace {

void ReadPlaylistFrom(QIODevice &device, const QString &listFile, TArtistColl &artists,
                      TDiscPaths &paths, const TAlbumProgress &onAlbum)
{
    artists.Clear();
    paths = TDiscPaths();
    artists.BeginUpdate();
    const TDeviceText text = ScanListText(device);
    TPlaylistReader(device, text, listFile, onAlbum).Read(artists, paths);
    artists.EndUpdate();
}

} // namespace

void ReadPlaylist(QByteArrayView bytes, const QString &listFile, TArtistColl &artists,
                  TDiscPaths &paths, const TAlbumProgress &onAlbum)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ReadPlaylistFrom(buffer, listFile, artists, paths, onAlbum);
}

bool LoadPlaylist(const QString &listFile, TArtistColl &artists, TDiscPaths &paths,
                  const TAlbumProgress &onAlbum)
{
    // The file is read in chunks while the library grows: a large list is never held whole.
    QFile file(listFile);
    const bool opened = file.open(QIODevice::ReadOnly);
    // Read before moving: a list named relative to the current folder is found from there.
    if (opened)
        ReadPlaylistFrom(file, listFile, artists, paths, onAlbum);
    const bool readable = opened && file.error() == QFile::NoError;
    if (!readable)
        ReadPlaylist({}, listFile, artists, paths, onAlbum);
    QDir::setCurrent(FolderOf(listFile));
    return readable;
}
