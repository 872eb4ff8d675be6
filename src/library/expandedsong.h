#pragma once
// The flat play list: one record per song of the library in tree order, the unit of all playback
// navigation. The core knows neither widgets nor the decoder: the tree node and the player are
// reached through the two small interfaces below.

#include "library/collection.h"
#include "library/model.h"
#include "library/taginfo.h"

#include <QString>
#include <functional>

// What a song needs of a player. Every operation may throw (std::exception-derived) on failure.
class TSongPlayer {
public:
    virtual void SetStreamName(const QString &name) = 0; // closes an open stream
    virtual void Open() = 0;
    virtual void Play() = 0;
    virtual int StreamLength() const = 0; // ms, as read when the stream was opened
    virtual int Bitrate() = 0;            // bit/s
    virtual int Frequency() = 0;          // Hz
    virtual int StereoMode() = 0;         // 3 = single channel
    virtual int Layer() = 0;

protected:
    ~TSongPlayer() = default;
};

// A tree node as the core sees it: the view makes it visible and selects it.
class TSongNode {
public:
    virtual void MakeVisibleAndSelect() = 0;

protected:
    ~TSongNode() = default;
};

// Refers to its song, album and artist items instead of copying their texts (a library of
// 100,000 songs would keep a million strings twice). It must never outlive those items: whoever
// clears or replaces the library empties the expanded list first.
class TExpandedSong : public TCollectionItem<TExpandedSong> {
public:
    bool Played = false;               // first: it fits in the base's padding, 100,000 times
    TSongPlayer *MPEGPlayer = nullptr; // not owned
    TSongNode *Node = nullptr;         // not owned

    // Makes this record stand for song of album of artist.
    void Refer(const TArtistItem &artist, const TAlbItem &album, const TSongItem &song);

    QString AlbumPicture() const { return fAlbum->Picture; }
    QString File() const { return fSong->File; }
    QString Text() const { return fSong->Text; }
    QString History() const { return fArtist->History; }
    QString Retsenzia() const { return fAlbum->Retsenzia; }
    const QString &Title() const { return fSong->Title; }
    const QString &Artist() const { return fArtist->Name; }
    const QString &Album() const { return fAlbum->Name; }
    const QString &Year() const { return fAlbum->Year; }
    const QString &Comment() const { return fSong->Comment; }

    // Opens File in the player and starts it; false when the file is missing or the player fails
    // (the failure is swallowed). The node is selected whenever the file exists.
    bool Play();

    // Fills info from the file's tag and the player's open stream; untouched when File is missing.
    // Player errors propagate to the caller.
    void MP3TagInfo(TMP3TagInfo &info) const;

private:
    const TArtistItem *fArtist = nullptr;
    const TAlbItem *fAlbum = nullptr;
    const TSongItem *fSong = nullptr;
};
using TExpandedSongColl = TCollection<TExpandedSong>;

// The flattening rule: clears expanded and appends one record per song of artists in tree order.
// nodeFor supplies the tree node of song (artistIdx, albumIdx, songIdx); it may return null.
using TNodeSupplier = std::function<TSongNode *(int artist, int album, int song)>;
void FlattenLibrary(const TArtistColl &artists, TExpandedSongColl &expanded, TSongPlayer *player,
                    const TNodeSupplier &nodeFor);
