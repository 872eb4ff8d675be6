#include "cli/commands.h"

#include "cli/clierror.h"
#include "cli/jsonwriter.h"
#include "cli/listcheck.h"
#include "cli/listinput.h"
#include "cli/listjson.h"
#include "imaging/picture.h"
#include "library/expandedsong.h"
#include "library/folderscan.h"
#include "library/id3v1.h"
#include "library/m3u.h"
#include "library/playlistfile.h"
#include "platform/atomicfile.h"
#include "platform/filefinder.h"
#include "richtext/documenttext.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace {

void FlattenPlayList(const TArtistColl &artists, TExpandedSongColl &playList)
{
    FlattenLibrary(artists, playList, nullptr, {});
}

bool HasSuffix(const QString &path, const char *suffix)
{
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// Own format for ".pl", M3U list for ".m3u" and ".m3u8"; ECliError for any other name.
void RequireListName(const QString &out)
{
    if (!HasSuffix(out, "pl") && !HasSuffix(out, "m3u") && !HasSuffix(out, "m3u8"))
        throw ECliError(
            QStringLiteral("Неизвестный тип файла для записи (нужно .pl, .m3u или .m3u8): ") + out);
}

void WriteList(const QString &out, const TArtistColl &artists, const TDiscPaths &paths)
{
    RequireListName(out);
    if (HasSuffix(out, "pl")) {
        SavePlaylist(out, artists, paths);
        return;
    }
    TExpandedSongColl playList;
    FlattenPlayList(artists, playList);
    SaveM3U(out, playList);
}

} // namespace

QByteArray DumpCommand(const QString &file)
{
    return ListJson(LoadCommandList(file));
}

QByteArray SummaryCommand(const QString &file)
{
    TLoadedList &list = LoadCommandList(file);
    FlattenPlayList(list.artists, list.playList);
    return SummaryJson(list.artists, list.playList);
}

void ConvertCommand(const QString &in, const QString &out)
{
    RequireListName(out);
    const TLoadedList &list = LoadCommandList(in);
    WriteList(out, list.artists, list.paths);
}

void PackCommand(const QString &in, const QString &out, const QString &artistTemplate,
                 const QString &albumTemplate)
{
    if (!HasSuffix(out, "m3u"))
        throw ECliError(QStringLiteral("Имя пакета должно оканчиваться на .m3u: ") + out);
    SaveM3UPack(out, LoadCommandList(in).artists, artistTemplate, albumTemplate);
}

QByteArray TagsCommand(const QString &file)
{
    RequireReadableFile(file);
    TMP3TagInfo info;
    ReadID3v1Tag(file, info);
    return TagsJson(info);
}

void ScanCommand(const TFolderScanInput &input, const QString &out)
{
    RequireListName(out);
    if (!QFileInfo(FindExistingFile(input.Mp3Folder)).isDir())
        throw ECliError(QStringLiteral("Папка не найдена: ") + input.Mp3Folder);
    TArtistColl artists;
    BuildListFromFolders(input, artists);
    WriteList(out, artists, {});
}

QByteArray TextCommand(const QString &file)
{
    QString text = DocumentPlainText(ReadDocumentFile(file));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1); // the line end every output gets
    return text.toUtf8();
}

QByteArray PictureCommand(const QString &file, const QString &out, QSize size)
{
    RequireReadableFile(file);
    TImagePicture picture;
    picture.Load(file);
    const QImage image = picture.ToImage(size);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw ECliError(QStringLiteral("Не удается записать PNG: ") + writer.errorString());
    WriteFileAtomically(out, png);
    JsonWriter json;
    json.BeginObject()
        .Key("format").Value(picture.FormatName())
        .Key("width").Value(static_cast<long long>(picture.NaturalSize().width()))
        .Key("height").Value(static_cast<long long>(picture.NaturalSize().height()))
        .EndObject();
    return json.Text();
}

QByteArray CheckCommand(const QString &file)
{
    const TLoadedList &list = LoadCommandList(file);
    QByteArray report;
    for (const TCheckProblem &problem : CheckList(list.artists, list.paths)) {
        if (!report.isEmpty())
            report += '\n';
        report += CheckProblemJson(problem);
    }
    return report;
}
