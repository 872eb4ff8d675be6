#include "library/expandedsong.h"

#include "library/id3v1.h"
#include "platform/filefinder.h"

#include <exception>

void TExpandedSong::Refer(const TArtistItem &artist, const TAlbItem &album, const TSongItem &song)
{
    fArtist = &artist;
    fAlbum = &album;
    fSong = &song;
}

bool TExpandedSong::Play()
{
    const QString existing = FindExistingFile(File());
    if (existing.isEmpty())
        return false;
    bool started = false;
    if (MPEGPlayer) {
        try {
            MPEGPlayer->SetStreamName(existing);
            MPEGPlayer->Open();
            MPEGPlayer->Play();
            started = true;
        } catch (const std::exception &) {
            // Play reports failure by its result; the caller decides what to tell the user.
        }
    }
    Played = started;
    if (Node)
        Node->MakeVisibleAndSelect();
    return started;
}

void TExpandedSong::MP3TagInfo(TMP3TagInfo &info) const
{
    const QString existing = FindExistingFile(File());
    if (existing.isEmpty())
        return;
    ReadID3v1Tag(existing, info);
    if (!MPEGPlayer)
        return;
    info.Length = MPEGPlayer->StreamLength();
    info.Bitrate = MPEGPlayer->Bitrate();
    info.Frequency = MPEGPlayer->Frequency();
    info.StereoMode = MPEGPlayer->StereoMode();
    info.Layer = MPEGPlayer->Layer();
}

void FlattenLibrary(const TArtistColl &artists, TExpandedSongColl &expanded, TSongPlayer *player,
                    const TNodeSupplier &nodeFor)
{
    expanded.Clear();
    expanded.Reserve(CountSongs(artists));
    for (const TArtistItem &artist : artists) {
        for (const TAlbItem &album : artist.Albums) {
            for (const TSongItem &song : album.Songs) {
                TExpandedSong &entry = expanded.Add();
                entry.MPEGPlayer = player;
                entry.Node = nodeFor ? nodeFor(artist.Index(), album.Index(), song.Index())
                                     : nullptr;
                entry.Refer(artist, album, song);
            }
        }
    }
}
