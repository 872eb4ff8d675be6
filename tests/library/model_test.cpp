#include "library/expandedsong.h"
#include "onesong.h"
#include "library/model.h"

#include "fixtures.h"

#include <QDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TArtistItem &AddArtist(TArtistColl &artists, const QString &name, int songs)
{
    TArtistItem &artist = artists.Add();
    artist.Name = name;
    artist.History = "/h/" + name;
    TAlbItem &album = artist.Albums.Add();
    album.Name = name + " album";
    album.Year = "1999";
    album.Picture = "/cover.jpg";
    for (int i = 0; i < songs; ++i) {
        TSongItem &song = album.Songs.Add();
        song.Title = QStringLiteral("%1 %2").arg(name).arg(i);
        song.File = QStringLiteral("/%1/%2.mp3").arg(name).arg(i);
    }
    return artist;
}

class TFakePlayer : public TSongPlayer {
public:
    void SetStreamName(const QString &name) override { StreamName = name; }
    void Open() override
    {
        if (FailOpen)
            throw std::runtime_error("cannot open");
    }
    void Play() override { ++Plays; }
    int StreamLength() const override { return 215999; }
    int Bitrate() override { return 128000; }
    int Frequency() override { return 44100; }
    int StereoMode() override { return 1; }
    int Layer() override { return 3; }

    QString StreamName;
    bool FailOpen = false;
    int Plays = 0;
};

class TFakeNode : public TSongNode {
public:
    void MakeVisibleAndSelect() override { ++Selected; }
    int Selected = 0;
};

} // namespace

TEST(CopyLibrary, CopiesEveryFieldWithoutSharingItems)
{
    TArtistColl source;
    AddArtist(source, "Blue", 2).PicPaths = "/pics.txt";
    source.Add().Name = "No albums";
    source[0].Albums.Add().Name = "No songs";
    source[0].Albums[0].Songs[1].Comment = "c";
    TArtistColl copy;
    copy.Add().Name = "replaced";
    CopyLibrary(source, copy);
    EXPECT_EQ(Describe(copy), Describe(source));
    EXPECT_EQ(copy[1].Albums.Count(), 0);
    EXPECT_EQ(copy[0].Albums[1].Songs.Count(), 0);
    EXPECT_NE(&copy[0], &source[0]);
    EXPECT_EQ(copy[0].Albums[0].Songs[1].Collection(), &copy[0].Albums[0].Songs);
    source[0].Albums[0].Songs[0].Title = "changed";
    EXPECT_EQ(copy[0].Albums[0].Songs[0].Title, "Blue 0");

    TArtistColl empty;
    CopyLibrary(empty, copy);
    EXPECT_EQ(copy.Count(), 0);
}

TEST(FlattenLibrary, OneRecordPerSongInTreeOrder)
{
    TArtistColl artists;
    AddArtist(artists, "First", 2);
    artists.Add().Name = "Empty";
    AddArtist(artists, "Second", 1);
    artists[1].Albums.Add(); // an album without songs contributes nothing
    TFakePlayer player;
    TFakeNode nodes[3];
    TExpandedSongColl expanded;
    expanded.Add(); // a stale record: the flattening starts afresh
    FlattenLibrary(artists, expanded, &player, [&](int artist, int album, int song) {
        EXPECT_EQ(album, 0);
        return &nodes[artist == 0 ? song : 2];
    });
    ASSERT_EQ(expanded.Count(), 3);
    EXPECT_EQ(CountSongs(artists), 3);
    EXPECT_EQ(expanded[0].Title(), "First 0");
    EXPECT_EQ(expanded[1].Title(), "First 1");
    EXPECT_EQ(expanded[2].Title(), "Second 0");
    EXPECT_EQ(expanded[2].Index(), 2);
    EXPECT_EQ(expanded[2].Artist(), "Second");
    EXPECT_EQ(expanded[2].Album(), "Second album");
    EXPECT_EQ(expanded[2].Year(), "1999");
    EXPECT_EQ(expanded[2].History(), "/h/Second");
    EXPECT_EQ(expanded[2].AlbumPicture(), "/cover.jpg");
    EXPECT_EQ(expanded[2].File(), "/Second/0.mp3");
    EXPECT_EQ(expanded[1].Node, &nodes[1]);
    EXPECT_EQ(expanded[0].MPEGPlayer, &player);
    EXPECT_FALSE(expanded[0].Played);

    FlattenLibrary(artists, expanded, nullptr, {});
    EXPECT_EQ(expanded[0].Node, nullptr);
}

class ExpandedSongPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        fLibrary.item.File = fFolder.Write("Music/Song.mp3", QByteArray(200, 'x'));
        fSong.MPEGPlayer = &fPlayer;
        fSong.Node = &fNode;
    }
    TTempFolder fFolder;
    TFakePlayer fPlayer;
    TFakeNode fNode;
    TOneSongLibrary fLibrary;
    TExpandedSong &fSong = fLibrary.song;
};

TEST_F(ExpandedSongPlay, MissingFileFailsWithoutTouchingAnything)
{
    fLibrary.item.File = fFolder.Path("missing.mp3");
    fSong.Played = true;
    EXPECT_FALSE(fSong.Play());
    EXPECT_TRUE(fSong.Played);
    EXPECT_EQ(fNode.Selected, 0);
    EXPECT_EQ(fPlayer.Plays, 0);
}

TEST_F(ExpandedSongPlay, PlaysAndSelectsTheNode)
{
    EXPECT_TRUE(fSong.Play());
    EXPECT_TRUE(fSong.Played);
    EXPECT_EQ(fPlayer.StreamName, fSong.File());
    EXPECT_EQ(fPlayer.Plays, 1);
    EXPECT_EQ(fNode.Selected, 1);
}

TEST_F(ExpandedSongPlay, FindsFilesWrittenInAnotherLetterCase)
{
    fLibrary.item.File = fFolder.Path("MUSIC/song.MP3");
    EXPECT_TRUE(fSong.Play());
    EXPECT_EQ(fPlayer.StreamName, fFolder.Path("Music/Song.mp3"));
}

TEST_F(ExpandedSongPlay, PlayerFailureIsSwallowedAndStillSelects)
{
    fSong.Played = true;
    fPlayer.FailOpen = true;
    EXPECT_FALSE(fSong.Play());
    EXPECT_FALSE(fSong.Played);
    EXPECT_EQ(fNode.Selected, 1);

    fSong.MPEGPlayer = nullptr;
    fSong.Played = true;
    EXPECT_FALSE(fSong.Play());
    EXPECT_FALSE(fSong.Played);
    EXPECT_EQ(fNode.Selected, 2);
}

TEST_F(ExpandedSongPlay, TagInfoFromFileAndPlayer)
{
    TMP3TagInfo info;
    fSong.MP3TagInfo(info);
    EXPECT_EQ(info.FileSize, 200u);
    EXPECT_EQ(info.Length, 215999);
    EXPECT_EQ(info.Bitrate, 128000);
    EXPECT_EQ(info.Frequency, 44100);
    EXPECT_EQ(info.StereoMode, 1);
    EXPECT_EQ(info.Layer, 3);

    TMP3TagInfo untouched;
    untouched.Title = "kept";
    fLibrary.item.File = fFolder.Path("missing.mp3");
    fSong.MP3TagInfo(untouched);
    EXPECT_EQ(untouched.Title, "kept");
    EXPECT_EQ(untouched.FileSize, 0u);
}

TEST(Collection, DeletingRenumbersAndClearingReleasesTheTree)
{
    TArtistColl artists;
    AddArtist(artists, "A", 3);
    TSongColl &songs = artists[0].Albums[0].Songs;
    songs.Delete(0);
    ASSERT_EQ(songs.Count(), 2);
    EXPECT_EQ(songs[0].Index(), 0);
    EXPECT_EQ(songs[1].Index(), 1);
    EXPECT_EQ(songs[1].Title, "A 2");
    artists.Clear();
    EXPECT_EQ(CountSongs(artists), 0);
}

TEST(Collection, MovingAnItemRenumbersEveryItemBetweenBothPlaces)
{
    TArtistColl artists;
    AddArtist(artists, "A", 4);
    TSongColl &songs = artists[0].Albums[0].Songs;
    const auto titles = [&songs] {
        QStringList list;
        for (const TSongItem &song : songs)
            list << QString("%1:%2").arg(song.Index()).arg(song.Title);
        return list;
    };
    songs.Move(3, 1);
    EXPECT_EQ(titles(), QStringList({"0:A 0", "1:A 3", "2:A 1", "3:A 2"}));
    songs.Move(0, 3);
    EXPECT_EQ(titles(), QStringList({"0:A 3", "1:A 1", "2:A 2", "3:A 0"}));
    EXPECT_EQ(songs[3].Collection(), &songs);
}
