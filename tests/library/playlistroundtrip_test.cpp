#include "library/m3u.h"
#include "library/playlistfile.h"

#include "fixtures.h"

#include <gtest/gtest.h>
#include <random>

namespace {

const QString kList = QStringLiteral("/disc/lists/list.pl");

class TRandomLibrary {
public:
    explicit TRandomLibrary(unsigned seed) : fRandom(seed) {}

    void Fill(TArtistColl &artists, TDiscPaths &paths)
    {
        fWide = Chance(4);
        paths = {MaybePath(), MaybePath(), MaybePath(), MaybePath()};
        for (int a = Below(5); a > 0; --a) {
            TArtistItem &artist = artists.Add();
            artist.Name = MaybeText();
            artist.History = MaybePath();
            artist.PicPaths = MaybePath();
            for (int b = Below(4); b > 0; --b) {
                TAlbItem &album = artist.Albums.Add();
                album.Name = MaybeText();
                album.Year = MaybeText();
                album.Picture = MaybePath();
                album.Retsenzia = MaybePath();
                for (int s = Below(4); s > 0; --s) {
                    TSongItem &song = album.Songs.Add();
                    song.Title = MaybeText();
                    song.File = MaybePath();
                    song.Picture = MaybePath();
                    song.Text = MaybePath();
                    song.Comment = MaybeText();
                }
            }
        }
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(fRandom); }
    bool Chance(int oneIn) { return Below(oneIn) == 0; }

    QString Text(const QString &alphabet, int maxLength)
    {
        QString text;
        for (int n = Below(maxLength) + 1; n > 0; --n)
            text += alphabet[Below(int(alphabet.size()))];
        return text;
    }

    QString MaybeText()
    {
        if (Chance(4))
            return {};
        QString alphabet = QString::fromUtf16(u"abcXYZ 019=[]#;.,-_АбвЯёЁ№\"'%");
        if (fWide)
            alphabet += QString::fromUtf16(u"日Ωß\uFEFF"); // U+FEFF: no byte-order mark inside a value
        return Text(alphabet, 12);
    }

    QString Component()
    {
        const QString name = Text(QString::fromUtf16(u"abcDEF 01-_.Пап"), 8);
        return name == "." || name == ".." ? name + "x" : name;
    }

    QString MaybePath()
    {
        switch (Below(6)) {
        case 0: return {};
        case 1: return "E:\\" + Component() + "\\" + Component();
        case 2: return "/disc/lists/" + Component();
        case 3: return "/disc/" + Component() + "/" + Component() + (Chance(3) ? "/" : "");
        case 4: return "/" + Component();
        default: return "/disc/lists/" + Component() + "/" + Component() + ".mp3";
        }
    }

    std::mt19937 fRandom;
    bool fWide = false;
};

} // namespace

TEST(PlaylistRoundTrip, RandomLibrariesReadBackEqual)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        TArtistColl artists;
        TDiscPaths paths;
        TRandomLibrary(seed).Fill(artists, paths);
        TArtistColl readArtists;
        TDiscPaths readPaths;
        ReadPlaylist(PlaylistText(artists, paths, kList), kList, readArtists, readPaths);
        ASSERT_EQ(Describe(readArtists), Describe(artists)) << "seed " << seed;
        ASSERT_EQ(readPaths, paths) << "seed " << seed;
    }
}

TEST(PlaylistRoundTrip, SavedFilesLoadBackEqual)
{
    TTempFolder folder;
    TArtistColl artists;
    TDiscPaths paths;
    TRandomLibrary(7).Fill(artists, paths);
    const QString list = folder.Path("list.pl");
    SavePlaylist(list, artists, paths);
    TArtistColl loaded;
    TDiscPaths loadedPaths;
    ASSERT_TRUE(LoadPlaylist(list, loaded, loadedPaths));
    EXPECT_EQ(Describe(loaded), Describe(artists));
    EXPECT_EQ(loadedPaths, paths);
}
