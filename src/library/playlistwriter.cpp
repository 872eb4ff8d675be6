#include "library/playlistfile.h"

#include "library/listtext.h"
#include "platform/listpath.h"

namespace {

// Writes the sections in the order and form lists made on Windows have; optional lines only
// when their value is given, count lines only for counts above zero.
class TPlaylistWriter {
public:
    TPlaylistWriter(TListTextSink &sink, const QString &listFile) : fSink(sink), fPaths(listFile)
    {
    }

    void Write(const TArtistColl &artists, const TDiscPaths &paths)
    {
        Header("[Common]");
        PathLine("About=", paths.AboutFile);
        PathLine("Photos=", paths.PhotosFolder);
        PathLine("HTML=", paths.HTMLFile);
        PathLine("Clips=", paths.ClipsFolder);
        for (const TArtistItem &artist : artists) {
            Header("[Artist]");
            TextLine("Name=", artist.Name);
            PathLine("History=", artist.History);
            PathLine("PicPaths=", artist.PicPaths);
            CountLine("Albums=", artist.Albums.Count());
            fSink.EndLine();
            for (const TAlbItem &album : artist.Albums)
                WriteAlbum(album);
        }
    }

private:
    void WriteAlbum(const TAlbItem &album)
    {
        Header("[Album]");
        TextLine("Name=", album.Name);
        TextLine("Year=", album.Year);
        PathLine("Picture=", album.Picture);
        PathLine("Retsenzia=", album.Retsenzia);
        CountLine("Songs=", album.Songs.Count());
        fSink.EndLine();
        for (const TSongItem &song : album.Songs) {
            Header("[Song]");
            TextLine("Title=", song.Title);
            PathLine("File=", song.File);
            PathLine("Picture=", song.Picture);
            PathLine("Text=", song.Text);
            TextLine("Comment=", song.Comment);
            fSink.EndLine();
        }
    }

    void Header(const char *header)
    {
        fSink.Ascii(header);
        fSink.EndLine();
    }
    void TextLine(const char *key, const QString &value)
    {
        if (value.isEmpty())
            return;
        fSink.Ascii(key);
        fSink.Text(value);
        fSink.EndLine();
    }
    void PathLine(const char *key, const QString &path) { TextLine(key, fPaths.Relative(path)); }
    void CountLine(const char *key, int count)
    {
        if (count > 0)
            TextLine(key, QString::number(count));
    }

    TListTextSink &fSink;
    TListPaths fPaths;
};

} // namespace

QByteArray PlaylistText(const TArtistColl &artists, const TDiscPaths &paths,
                        const QString &listFile)
{
    return ListText([&](TListTextSink &sink) { TPlaylistWriter(sink, listFile).Write(artists, paths); },
                    TNonAscii::Cp1251);
}

void SavePlaylist(const QString &listFile, const TArtistColl &artists, const TDiscPaths &paths)
{
    SaveListText(
        listFile, [&](TListTextSink &sink) { TPlaylistWriter(sink, listFile).Write(artists, paths); },
        TNonAscii::Cp1251);
}
