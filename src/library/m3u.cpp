#include "library/m3u.h"

#include "library/listtext.h"
#include "library/listtype.h"
#include "platform/atomicfile.h"
#include "platform/codepage.h"
#include "platform/ioerror.h"
#include "platform/listpath.h"
#include "platform/placeholders.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace {

bool IsComment(QStringView line) { return line.startsWith(u'#'); }

// The title an "#EXTINF:215,Artist - Title" line gives: the text after its first ",", or the
// whole line when it has none.
QString TitleFromComment(QStringView comment)
{
    const qsizetype comma = comment.indexOf(u',');
    return (comma < 0 ? comment : comment.sliced(comma + 1)).toString();
}

QString TitleFromFileLine(const QString &written, const QString &fullPath)
{
    const bool exists = !IsForeignPath(fullPath) && QFileInfo(fullPath).isFile();
    return exists ? FileNamePart(written) : written;
}

bool IsSchemeChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.';
}

// The length of the URL scheme the line starts with ("http" of "http://host/x"), 0 when it starts
// with none. One letter before the ":" is a drive ("E:\x.mp3"), not a scheme.
qsizetype SchemeLength(QStringView line)
{
    const qsizetype colon = line.indexOf(u':');
    if (colon < 2 || !line.front().isLetter()) return 0;
    const QStringView scheme = line.first(colon);
    return std::all_of(scheme.begin(), scheme.end(), IsSchemeChar) ? colon : 0;
}

// The local path of a "file:" URL, percent escapes decoded; none for a file on another machine.
// "file:///C:/x.mp3", as players on Windows write it, gives the drive path "C:/x.mp3", which is
// kept as written like any drive path.
std::optional<QString> LocalPathOfFileUrl(QStringView line)
{
    const QUrl url(line.trimmed().toString(), QUrl::TolerantMode);
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.isEmpty()) return line.toString();
    if (path.size() >= 3 && path[0] == u'/' && path[1].isLetter() && path[2] == u':')
        path.remove(0, 1);
    return path;
}

// The file a line names, as it is written; none when the line is a network address:
// "http://", "https://", "mms://" and the like (a file name cannot hold "//" after a scheme, so
// no file is taken for one), or a "file:" URL of another machine.
std::optional<QString> WrittenPath(QStringView line)
{
    const qsizetype scheme = SchemeLength(line);
    if (scheme == 0) return line.toString();
    if (line.first(scheme).compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
        return LocalPathOfFileUrl(line);
    if (line.sliced(scheme).startsWith(QLatin1String("://"))) return std::nullopt;
    return line.toString();
}

QString DecodeM3U(QByteArrayView bytes, const QString &listFile)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView text = nul < 0 ? bytes : bytes.first(nul);
    return IsM3U8Name(listFile) ? DecodeUtf8(WithoutBom(text)) : DecodeListText(text);
}

TArtistItem &ReplaceWithOneAlbum(TArtistColl &artists, const QString &artistName,
                                 const QString &albumName)
{
    artists.Clear();
    TArtistItem &artist = artists.Add();
    artist.Name = artistName;
    artist.Albums.Add().Name = albumName;
    return artist;
}

// Writes lines, each ended by CR LF.
void WriteList(const QString &fileName, const QStringList &lines)
{
    SaveListText(
        fileName,
        [&](TListTextSink &sink) {
            for (const QString &line : lines) {
                sink.Text(line);
                sink.EndLine();
            }
        },
        TNonAscii::Utf8);
}

QString TwoDigits(int number)
{
    return number < 10 ? QStringLiteral("0%1").arg(number) : QString::number(number);
}

std::optional<QString> NumberValue(QChar letter, int position)
{
    if (letter == u'N')
        return TwoDigits(position + 1);
    if (letter == u'n')
        return QString::number(position + 1);
    return std::nullopt;
}

QString ArtistFolderName(const QString &artistTemplate, const TArtistItem &artist)
{
    return SafeSingleName(ExpandPlaceholders(artistTemplate, [&](QChar letter) {
        if (letter == u'I' || letter == u'i')
            return std::optional<QString>(artist.Name);
        return NumberValue(letter, artist.Index());
    }));
}

QString AlbumFileName(const QString &albumTemplate, const TArtistItem &artist,
                      const TAlbItem &album)
{
    const QString name = ExpandPlaceholders(albumTemplate, [&](QChar letter) {
        switch (letter.unicode()) {
        case u'I': case u'i': return std::optional<QString>(artist.Name);
        case u'A': case u'a': return std::optional<QString>(album.Name);
        case u'Y': case u'y': return std::optional<QString>(album.Year);
        default: return NumberValue(letter, album.Index());
        }
    });
    return SafeSingleName(name + QStringLiteral(".m3u"));
}

void MakeFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        throw EIOError(QStringLiteral("Не удается создать папку ") + folder);
}

// Writes one artist's folder; adds the artist's songs, relative to base, to mainList.
void WriteArtistPack(const QString &base, const TArtistItem &artist, const QString &folderName,
                     const QString &albumTemplate, const TListPaths &mainPaths,
                     QStringList &mainList)
{
    const QString folder = base + folderName;
    MakeFolder(folder);
    const QString allFile = QDir(folder).filePath(QStringLiteral("All ") + folderName +
                                                  QStringLiteral(".m3u"));
    const TListPaths artistPaths(allFile);
    QStringList artistList;
    for (const TAlbItem &album : artist.Albums) {
        QStringList albumList;
        for (const TSongItem &song : album.Songs) {
            albumList << artistPaths.Relative(song.File, u'/');
            mainList << mainPaths.Relative(song.File, u'/');
        }
        WriteList(QDir(folder).filePath(AlbumFileName(albumTemplate, artist, album)), albumList);
        artistList << albumList;
    }
    WriteList(allFile, artistList);
}

} // namespace

QStringList ReadM3U(QByteArrayView bytes, const QString &listFile, TArtistColl &artists)
{
    const QString text = DecodeM3U(bytes, listFile);
    const TListPaths paths(listFile);
    QStringList networkAddresses;
    TSongColl &songs =
        ReplaceWithOneAlbum(artists, listFile, QStringLiteral("Содержимое:")).Albums[0].Songs;
    QStringView previous;
    bool first = true;
    ForEachLine(QStringView(text), [&](QStringView line) {
        // Empty lines name no file; they still count as the line before the next one.
        if (!IsComment(line) && !line.trimmed().isEmpty()) {
            if (const std::optional<QString> written = WrittenPath(line)) {
                TSongItem &song = songs.Add();
                song.File = paths.Expand(*written);
                song.Title = !first && IsComment(previous) ? TitleFromComment(previous)
                                                           : TitleFromFileLine(*written, song.File);
            } else {
                networkAddresses << line.trimmed().toString();
            }
        }
        previous = line;
        first = false;
    });
    return networkAddresses;
}

bool LoadM3U(const QString &listFile, TArtistColl &artists, QStringList *networkAddresses)
{
    QFile file(listFile);
    if (!QFileInfo(listFile).isFile())
        return false;
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // Read before moving: a list named relative to the current folder is found from there.
    const QStringList addresses = ReadM3U(bytes, listFile, artists);
    if (networkAddresses) *networkAddresses = addresses;
    QDir::setCurrent(FolderOf(listFile));
    return true;
}

bool LoadSingleFile(const QString &fileName, TArtistColl &artists)
{
    if (!QFileInfo(fileName).isFile())
        return false;
    TArtistItem &artist = ReplaceWithOneAlbum(artists, QStringLiteral("Файл"),
                                              QStringLiteral("Пользовательский"));
    TSongItem &song = artist.Albums[0].Songs.Add();
    song.File = fileName;
    song.Title = FileNamePart(fileName);
    return true;
}

QByteArray M3UText(const TExpandedSongColl &songs)
{
    return ListText(
        [&](TListTextSink &sink) {
            for (const TExpandedSong &song : songs) {
                sink.Text(song.File());
                sink.EndLine();
            }
        },
        TNonAscii::Utf8);
}

void SaveM3U(const QString &fileName, const TExpandedSongColl &songs)
{
    const QByteArray text = M3UText(songs);
    WriteFileAtomically(fileName, IsM3U8Name(fileName) ? WithoutBom(text) : QByteArrayView(text));
}

void SaveM3UPack(const QString &packFile, const TArtistColl &artists,
                 const QString &artistTemplate, const QString &albumTemplate)
{
    // Whether the main list can be written is known before any folder of the pack is made.
    CheckReplaceable(packFile);
    const QString base = FolderOf(packFile);
    const TListPaths mainPaths(packFile);
    QStringList mainList;
    for (const TArtistItem &artist : artists)
        WriteArtistPack(base, artist, ArtistFolderName(artistTemplate, artist), albumTemplate,
                        mainPaths, mainList);
    WriteList(packFile, mainList);
}

QString StripInvalidChars(const QString &path)
{
    QString result = path;
    result.removeIf([](QChar c) {
        return c == u'/' || c == u'?' || c == u'*' || c == u'<' || c == u'>';
    });
    return result;
}

QString SafeSingleName(const QString &name)
{
    QString result = StripInvalidChars(name);
    result.removeIf([](QChar c) { return c == u'\\' || c == u'\0'; });
    const bool onlyDots = !result.isEmpty() && result.count(u'.') == result.size();
    return onlyDots ? QStringLiteral("_") : result;
}
