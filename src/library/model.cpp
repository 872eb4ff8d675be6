#include "library/model.h"

void CopyLibrary(const TArtistColl &source, TArtistColl &destination)
{
    destination.Clear();
    destination.Reserve(source.Count());
    for (const TArtistItem &artist : source) {
        TArtistItem &artistCopy = destination.Add();
        artistCopy.Name = artist.Name;
        artistCopy.History = artist.History;
        artistCopy.PicPaths = artist.PicPaths;
        for (const TAlbItem &album : artist.Albums) {
            TAlbItem &albumCopy = artistCopy.Albums.Add();
            albumCopy.Picture = album.Picture;
            albumCopy.Retsenzia = album.Retsenzia;
            albumCopy.Name = album.Name;
            albumCopy.Year = album.Year;
            for (const TSongItem &song : album.Songs) {
                TSongItem &songCopy = albumCopy.Songs.Add();
                songCopy.File = song.File;
                songCopy.Picture = song.Picture;
                songCopy.Text = song.Text;
                songCopy.Title = song.Title;
                songCopy.Comment = song.Comment;
            }
        }
    }
}

int CountSongs(const TArtistColl &artists)
{
    int count = 0;
    for (const TArtistItem &artist : artists)
        for (const TAlbItem &album : artist.Albums)
            count += album.Songs.Count();
    return count;
}
