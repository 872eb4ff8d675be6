#include "cli/listjson.h"

#include "cli/jsonwriter.h"

namespace {

void WriteSong(JsonWriter &json, const TSongItem &song)
{
    json.BeginObject()
        .Key("title").Value(song.Title)
        .Key("file").Value(song.File)
        .Key("picture").Value(song.Picture)
        .Key("text").Value(song.Text)
        .Key("comment").Value(song.Comment)
        .EndObject();
}

void WriteAlbum(JsonWriter &json, const TAlbItem &album)
{
    json.BeginObject()
        .Key("name").Value(album.Name)
        .Key("year").Value(album.Year)
        .Key("picture").Value(album.Picture)
        .Key("retsenzia").Value(album.Retsenzia)
        .Key("songs").BeginArray();
    for (const TSongItem &song : album.Songs)
        WriteSong(json, song);
    json.EndArray().EndObject();
}

void WriteArtist(JsonWriter &json, const TArtistItem &artist)
{
    json.BeginObject()
        .Key("name").Value(artist.Name)
        .Key("history").Value(artist.History)
        .Key("picPaths").Value(artist.PicPaths)
        .Key("albums").BeginArray();
    for (const TAlbItem &album : artist.Albums)
        WriteAlbum(json, album);
    json.EndArray().EndObject();
}

} // namespace

QByteArray ListJson(const TLoadedList &list)
{
    JsonWriter json;
    json.BeginObject()
        .Key("type").Value(QString::fromLatin1(ListKindName(list.type)))
        .Key("about").Value(list.paths.AboutFile)
        .Key("photos").Value(list.paths.PhotosFolder)
        .Key("html").Value(list.paths.HTMLFile)
        .Key("clips").Value(list.paths.ClipsFolder)
        .Key("artists").BeginArray();
    for (const TArtistItem &artist : list.artists)
        WriteArtist(json, artist);
    json.EndArray().EndObject();
    return json.Text();
}

QByteArray SummaryJson(const TArtistColl &artists, const TExpandedSongColl &playList)
{
    long long albums = 0;
    for (const TArtistItem &artist : artists)
        albums += artist.Albums.Count();
    JsonWriter json;
    json.BeginObject()
        .Key("artists").Value(artists.Count())
        .Key("albums").Value(albums)
        .Key("songs").Value(playList.Count())
        .EndObject();
    return json.Text();
}

QByteArray TagsJson(const TMP3TagInfo &info)
{
    JsonWriter json;
    json.BeginObject()
        .Key("title").Value(info.Title)
        .Key("artist").Value(info.Artist)
        .Key("album").Value(info.Album)
        .Key("year").Value(info.Year)
        .Key("comment").Value(info.Comment)
        .Key("genre").Value(info.Genre)
        .Key("fileSize").Value(static_cast<long long>(info.FileSize))
        .EndObject();
    return json.Text();
}

QByteArray CheckProblemJson(const TCheckProblem &problem)
{
    const TCheckEntry &entry = problem.Entry;
    JsonWriter json;
    json.BeginObject()
        .Key("file").Value(problem.File)
        .Key("problem").Value(problem.Problem)
        .Key("detail").Value(problem.Detail)
        .Key("found").Value(problem.Found)
        .Key("entry").BeginObject()
            .Key("section").Value(entry.Section)
            .Key("key").Value(entry.Key)
            .Key("artist").Value(entry.Artist)
            .Key("album").Value(entry.Album)
            .Key("song").Value(entry.Song)
            .Key("title").Value(entry.Title)
            .EndObject()
        .EndObject();
    return json.Text();
}
