#include "library/playlistfile.h"

#include "fixtures.h"
#include "platform/ioerror.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Lists are read as if they lay in this folder (it need not exist).
const QString kList = QStringLiteral("/disc/list.pl");

struct TRead {
    TArtistColl Artists;
    TDiscPaths Paths;
};

std::unique_ptr<TRead> Read(const QByteArray &bytes, const QString &listFile = kList)
{
    auto result = std::make_unique<TRead>();
    ReadPlaylist(bytes, listFile, result->Artists, result->Paths);
    return result;
}

QString Shape(const TArtistColl &artists)
{
    QString shape;
    for (const TArtistItem &artist : artists) {
        shape += '[' + artist.Name;
        for (const TAlbItem &album : artist.Albums)
            shape += QStringLiteral(" %1:%2").arg(album.Name).arg(album.Songs.Count());
        shape += ']';
    }
    return shape;
}

const QByteArray kExample = "[Common]\r\n"
                            "About=about.rtf\r\n"
                            "HTML=html\\index.htm\r\n"
                            "[Artist]\r\n"
                            "Name=Blue Band\r\n"
                            "History=blue\\history.txt\r\n"
                            "Albums=1\r\n"
                            "\r\n"
                            "[Album]\r\n"
                            "Name=First Light\r\n"
                            "Year=1999\r\n"
                            "Picture=blue\\first\\cover.jpg\r\n"
                            "Songs=2\r\n"
                            "\r\n"
                            "[Song]\r\n"
                            "Title=Morning\r\n"
                            "File=blue\\first\\01.mp3\r\n"
                            "\r\n"
                            "[Song]\r\n"
                            "Title=Evening\r\n"
                            "File=blue\\first\\02.mp3\r\n"
                            "Text=blue\\first\\02.txt\r\n"
                            "\r\n";

} // namespace

TEST(ReadPlaylist, ReadsTheExampleList)
{
    const auto list = Read(kExample);
    EXPECT_EQ(list->Paths.AboutFile, "/disc/about.rtf");
    EXPECT_EQ(list->Paths.HTMLFile, "/disc/html/index.htm");
    EXPECT_EQ(list->Paths.PhotosFolder, "");
    EXPECT_EQ(Describe(list->Artists),
              "artist|Blue Band|/disc/blue/history.txt|\n"
              " album|First Light|1999|/disc/blue/first/cover.jpg|\n"
              "  song|Morning|/disc/blue/first/01.mp3|||\n"
              "  song|Evening|/disc/blue/first/02.mp3||/disc/blue/first/02.txt|\n");
}

TEST(ReadPlaylist, HeadersAndKeysInAnyLetterCase)
{
    const auto list = Read("[common]\nphotos=pics\n[ARTIST]\nnAmE=A\nalbums=1\n[album]\n"
                           "songs=1\n[SoNg]\ntitle=T\nFILE=x.mp3\n");
    EXPECT_EQ(list->Paths.PhotosFolder, "/disc/pics");
    EXPECT_EQ(Describe(list->Artists), "artist|A||\n album||||\n  song|T|/disc/x.mp3|||\n");
}

TEST(ReadPlaylist, KeysAndHeadersAreTakenExactly)
{
    const auto list = Read("[Artist]\nName =ignored\nAlbums=1\n[Album] \n[Album]\nSongs=1\n"
                           "[Song]\nTitle=A=B\nComment=\nFile=\n Title=x\n");
    ASSERT_EQ(list->Artists.Count(), 1);
    EXPECT_EQ(list->Artists[0].Name, "");
    const TSongItem &song = list->Artists[0].Albums[0].Songs[0];
    EXPECT_EQ(song.Title, "A=B");
    EXPECT_EQ(song.Comment, "");
    EXPECT_EQ(song.File, "");
}

TEST(ReadPlaylist, WithoutCommonSectionThePathsAreEmpty)
{
    const auto list = Read("junk before\n[Artist]\nName=A\n");
    EXPECT_EQ(list->Paths, TDiscPaths());
    EXPECT_EQ(Shape(list->Artists), "[A]");
}

TEST(ReadPlaylist, CommonMayStandAnywhere)
{
    // Its key run ends only at an artist header, whatever else it passes.
    const auto list = Read("[Artist]\nName=A\nAlbums=1\n[Album]\nSongs=1\n[Song]\nTitle=s\n"
                           "[Song]\n[Common]\nClips=clips\n[Album]\nAbout=x.rtf\n"
                           "[Artist]\nName=B\n");
    EXPECT_EQ(list->Paths.ClipsFolder, "/disc/clips");
    EXPECT_EQ(list->Paths.AboutFile, "/disc/x.rtf");
    EXPECT_EQ(Shape(list->Artists), "[A :1][B]");
}

TEST(ReadPlaylist, NextArtistHeaderEndsTheLastSongAndStartsTheNextArtist)
{
    const auto list = Read("[Artist]\nName=A\nAlbums=2\n"
                           "[Album]\nName=a1\nSongs=1\n[Song]\nTitle=s1\n"
                           "[Album]\nName=a2\nSongs=1\n[Song]\nTitle=s2\n"
                           "[Artist]\nName=B\nAlbums=1\n[Album]\nName=b1\nSongs=1\n[Song]\n");
    EXPECT_EQ(Shape(list->Artists), "[A a1:1 a2:1][B b1:1]");
    EXPECT_EQ(list->Artists[0].Albums[1].Songs[0].Title, "s2");
}

TEST(ReadPlaylist, ReadsTheDeclaredNumberOfSectionsNotThoseWritten)
{
    // One album declared, two written: the second is skipped up to the next artist.
    const auto fewer = Read("[Artist]\nName=A\nAlbums=1\n[Album]\nName=a1\nSongs=1\n[Song]\n"
                            "Title=s\n[Album]\nName=a2\nSongs=1\n[Song]\nTitle=t\n"
                            "[Artist]\nName=B\n");
    EXPECT_EQ(Shape(fewer->Artists), "[A a1:1][B]");

    // One song declared, two written.
    const auto extraSong = Read("[Artist]\nName=A\nAlbums=1\n[Album]\nName=a1\nSongs=1\n"
                                "[Song]\nTitle=s\n[Song]\nTitle=t\n[Artist]\nName=B\n");
    EXPECT_EQ(Shape(extraSong->Artists), "[A a1:1][B]");
    EXPECT_EQ(extraSong->Artists[0].Albums[0].Songs[0].Title, "s");
}

TEST(ReadPlaylist, EntriesWithoutCountLinesEndAtTheNextEntry)
{
    const auto list = Read("[Artist]\nName=Empty\n\n"
                           "[Artist]\nName=A\nAlbums=3\n\n"
                           "[Album]\nName=no songs\n\n"
                           "[Album]\nName=a2\nSongs=1\n\n[Song]\nTitle=s\n\n"
                           "[Album]\nName=last empty\n\n"
                           "[Artist]\nName=B\nAlbums=1\n[Album]\nName=b1\n");
    EXPECT_EQ(Shape(list->Artists), "[Empty][A no songs:0 a2:1 last empty:0][B b1:0]");
}

TEST(ReadPlaylist, CountsLargerThanTheSectionsFollowTheWalk)
{
    // Three songs declared, one written: the second song's keys run over the next album's
    // header up to its song, the third takes that song; the fifth album declared takes over the
    // next artist's first album.
    const auto list = Read("[Artist]\nName=A\nAlbums=5\n[Album]\nName=a1\nSongs=3\n"
                           "[Song]\nTitle=s1\n[Album]\nName=a2\nSongs=1\n[Song]\nTitle=t1\n"
                           "[Artist]\nName=B\nAlbums=1\n[Album]\nName=b1\nSongs=1\n[Song]\n");
    EXPECT_EQ(Shape(list->Artists), "[A a1:3 b1:1]");
    EXPECT_EQ(list->Artists[0].Albums[0].Songs[2].Title, "t1");
}

TEST(ReadPlaylist, SongsDeclaredBeyondTheLastBeforeTheNextArtist)
{
    // The walk steps back before the next artist's header: one more song reads the line
    // before it (empty here), and the next artist is read as usual.
    const QByteArray list = "[Artist]\nName=A\nAlbums=1\n[Album]\nSongs=%1\n[Song]\nTitle=s\n\n"
                            "[Artist]\nName=B\n";
    const auto three = Read(QByteArray(list).replace("%1", "3"));
    EXPECT_EQ(Shape(three->Artists), "[A :2][B]");
    EXPECT_EQ(three->Artists[0].Albums[0].Songs[1].Title, "");
    // Further songs would all repeat that step: a huge count creates no more.
    EXPECT_EQ(Shape(Read(QByteArray(list).replace("%1", "2000000000"))->Artists), "[A :2][B]");
}

TEST(ReadPlaylist, BadCountsCreateNothingBeyondTheLines)
{
    const auto huge = Read("[Artist]\nName=A\nAlbums=2000000000\n[Album]\nSongs=99999999999\n"
                           "[Song]\nTitle=s\n");
    EXPECT_EQ(Shape(huge->Artists), "[A :1]");

    const auto negative = Read("[Artist]\nName=A\nAlbums=-3\n[Album]\nName=x\n[Song]\n");
    EXPECT_EQ(Shape(negative->Artists), "[A]");

    const auto text = Read("[Artist]\nName=A\nAlbums=two\n[Album]\n[Artist]\nName=B\n"
                           "Albums= 1 \n[Album]\nName=b\nSongs=1x\n[Song]\n");
    EXPECT_EQ(Shape(text->Artists), "[A][B b:0]");

    // A surplus "[Song]" with albums left to read must not create endless empty albums.
    const auto stalled = Read("[Artist]\nName=A\nAlbums=2000000000\n[Album]\nName=a\nSongs=1\n"
                              "[Song]\nTitle=s\n[Song]\nTitle=t\n");
    EXPECT_LE(stalled->Artists[0].Albums.Count(), 2);
}

TEST(ReadPlaylist, TruncatedInsideEachSectionKeepsWhatWasRead)
{
    const struct {
        qsizetype Cut;
        const char *Shape;
    } cases[] = {
        {QByteArray("[Common]\r\nAbout=about.rtf\r\nHT").size(), ""},
        {QByteArray("[Common]\r\nAbout=about.rtf\r\nHTML=html\\index.htm\r\n[Artist]\r\nName=Bl")
             .size(),
         "[Bl]"},
        {kExample.indexOf("[Album]") + 19, "[Blue Band First:0]"},
        {kExample.indexOf("[Song]") + 6, "[Blue Band First Light:1]"},
        {kExample.indexOf("Evening") + 3, "[Blue Band First Light:2]"},
    };
    for (const auto &c : cases) {
        const auto list = Read(kExample.left(c.Cut));
        EXPECT_EQ(Shape(list->Artists), c.Shape) << c.Cut;
    }
    EXPECT_EQ(Read(kExample.left(30))->Paths.AboutFile, "/disc/about.rtf");
}

TEST(ReadPlaylist, LineEndsNulBytesAndHugeLines)
{
    QByteArray crOnly = kExample;
    crOnly.replace("\r\n", "\r");
    EXPECT_EQ(Describe(Read(crOnly)->Artists), Describe(Read(kExample)->Artists));
    QByteArray lfOnly = kExample;
    lfOnly.replace("\r\n", "\n");
    EXPECT_EQ(Describe(Read(lfOnly)->Artists), Describe(Read(kExample)->Artists));

    QByteArray withNul = kExample;
    withNul.insert(kExample.indexOf("[Song]"), QByteArray("\0[Song]\nTitle=hidden\n", 21));
    EXPECT_EQ(Shape(Read(withNul)->Artists), "[Blue Band First Light:0]");

    const QByteArray longTitle(5 * 1024 * 1024, 'x');
    const auto huge = Read("[Artist]\nAlbums=1\n[Album]\nSongs=1\n[Song]\nTitle=" + longTitle +
                           "\n" + longTitle + "\n");
    EXPECT_EQ(huge->Artists[0].Albums[0].Songs[0].Title.size(), longTitle.size());
}

TEST(ReadPlaylist, TextEncodings)
{
    const auto cp1251 = Read("[Artist]\nName=\xC3\xF0\xF3\xEF\xEF\xE0\n");
    EXPECT_EQ(cp1251->Artists[0].Name, "Группа");
    const auto utf8 = Read("[Artist]\nName=Группа\n");
    EXPECT_EQ(utf8->Artists[0].Name, "Группа");
    const auto bom = Read("\xEF\xBB\xBF[Artist]\nName=x\n");
    EXPECT_EQ(bom->Artists[0].Name, "x");
}

TEST(ReadPlaylist, BinaryGarbageReadsAsNothingInParticular)
{
    QByteArray garbage;
    for (int i = 0; i < 100000; ++i)
        garbage.append(char((i * 7919 + 13) % 255 + 1));
    garbage += "\n[Artist]\n";
    EXPECT_GE(Read(garbage)->Artists.Count(), 1);
    EXPECT_EQ(Read(QByteArray())->Artists.Count(), 0);
}

TEST(ReadPlaylist, CallsTheProgressCallbackOncePerAlbum)
{
    TArtistColl artists;
    TDiscPaths paths;
    int albums = 0;
    ReadPlaylist(kExample + "[Artist]\nAlbums=2\n[Album]\n[Album]\n", kList, artists, paths,
                 [&] { ++albums; });
    EXPECT_EQ(albums, 3);
}

TEST(LoadPlaylist, UnreadableFilesGiveAnEmptyLibrary)
{
    TTempFolder folder;
    TArtistColl artists;
    artists.Add();
    TDiscPaths paths{"a", "b", "c", "d"};
    EXPECT_FALSE(LoadPlaylist(folder.Path("missing.pl"), artists, paths));
    EXPECT_EQ(artists.Count(), 0);
    EXPECT_EQ(paths, TDiscPaths());

    artists.Add();
    EXPECT_FALSE(LoadPlaylist(folder.Path(), artists, paths)); // a folder
    EXPECT_EQ(artists.Count(), 0);

    EXPECT_TRUE(LoadPlaylist(folder.Write("empty.pl"), artists, paths));
    EXPECT_EQ(artists.Count(), 0);
}

TEST(LoadPlaylist, LeavesTheCurrentFolderAtTheListsFolder)
{
    TTempFolder folder;
    const QString list = folder.Write("disc/list.pl", kExample);
    const QString before = QDir::currentPath();
    QDir::setCurrent("/");
    TArtistColl artists;
    TDiscPaths paths;
    EXPECT_TRUE(LoadPlaylist(list, artists, paths));
    const QString current = QDir::currentPath();
    QDir::setCurrent(before);
    EXPECT_EQ(current, QDir(folder.Path("disc")).canonicalPath());
    EXPECT_EQ(paths.AboutFile, folder.Path("disc/about.rtf"));
}

TEST(LoadPlaylist, ListNamedRelativeToTheCurrentFolder)
{
    TTempFolder folder;
    folder.Write("disc/list.pl", kExample);
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.Path());
    TArtistColl artists;
    TDiscPaths paths;
    const bool loaded = LoadPlaylist("disc/list.pl", artists, paths);
    const QString current = QDir::currentPath();
    QDir::setCurrent(before);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(paths.AboutFile, folder.Path("disc/about.rtf"));
    EXPECT_EQ(current, QDir(folder.Path("disc")).canonicalPath());
}

TEST(SavePlaylist, WritesTheExampleListExactly)
{
    const auto list = Read(kExample);
    EXPECT_EQ(PlaylistText(list->Artists, list->Paths, kList), kExample);
}

TEST(SavePlaylist, PathsOutsideTheFolderAndForeignPaths)
{
    TArtistColl artists;
    TSongItem &song = artists.Add().Albums.Add().Songs.Add();
    song.File = "/x.mp3";
    song.Picture = "E:\\pics\\p.jpg";
    TDiscPaths paths;
    paths.PhotosFolder = "/disc/photos/";
    const QByteArray text = PlaylistText(artists, paths, "/disc/sub/list.pl");
    EXPECT_TRUE(text.contains("File=..\\..\\x.mp3\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("Picture=E:\\pics\\p.jpg\r\n"));
    EXPECT_TRUE(text.contains("Photos=..\\photos\\\r\n"));
    EXPECT_TRUE(text.contains("Albums=1\r\n\r\n[Album]\r\nSongs=1\r\n\r\n[Song]\r\n"));
}

TEST(SavePlaylist, UsesUtf8OnlyWhenWindows1251CannotHoldTheText)
{
    TArtistColl artists;
    artists.Add().Name = "Группа";
    EXPECT_EQ(PlaylistText(artists, {}, kList), "[Common]\r\n[Artist]\r\nName=\xC3\xF0\xF3\xEF\xEF\xE0\r\n\r\n");
    artists[0].Name = "Группа 日本";
    const QByteArray utf8 = PlaylistText(artists, {}, kList);
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF[Common]\r\n"));
    EXPECT_EQ(Read(utf8)->Artists[0].Name, "Группа 日本");
}

TEST(ReadPlaylist, ReplacesAllFourDiscPathsClipsIncluded)
{
    TArtistColl artists;
    TDiscPaths paths{"/old/about.rtf", "/old/photos", "/old/index.htm", "/old/clips"};
    ReadPlaylist("[Common]\nAbout=a.rtf\n", kList, artists, paths);
    EXPECT_EQ(paths, (TDiscPaths{"/disc/a.rtf", "", "", ""}));
}

TEST(SavePlaylist, SavesUtf8WhenNeededAndReplacesTheOldFile)
{
    TTempFolder folder;
    const QString list = folder.Write("list.pl", "old");
    TArtistColl artists;
    artists.Add().Name = "日本";
    SavePlaylist(list, artists, {});
    EXPECT_EQ(ReadBytes(list), "\xEF\xBB\xBF[Common]\r\n[Artist]\r\nName=\xE6\x97\xA5\xE6\x9C\xAC\r\n\r\n");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.pl"});
}

TEST(SavePlaylist, LateUnrepresentableTextRestartsALargeSaveInUtf8)
{
    TTempFolder folder;
    const QString list = folder.Path("list.pl");
    TArtistColl artists;
    TSongColl &songs = artists.Add().Albums.Add().Songs;
    for (int i = 0; i < 20000; ++i) // well over one written piece
        songs.Add().Title = QStringLiteral("Песня номер %1 с длинным названием").arg(i);
    songs.Add().Title = "日";
    SavePlaylist(list, artists, {});
    const QByteArray bytes = ReadBytes(list);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF[Common]"));
    TArtistColl loaded;
    TDiscPaths paths;
    ASSERT_TRUE(LoadPlaylist(list, loaded, paths));
    EXPECT_EQ(Describe(loaded), Describe(artists));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.pl"});
}

TEST(SavePlaylist, Windows1251BytesThatWouldReadAsUtf8AreWrittenAsUtf8)
{
    TArtistColl artists;
    artists.Add().Name = "Рђ"; // Windows-1251 D0 90: valid UTF-8 for "А"
    const QByteArray text = PlaylistText(artists, {}, kList);
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF")) << text.toHex().constData();
    EXPECT_EQ(Read(text)->Artists[0].Name, "Рђ");
}

TEST(SavePlaylist, FailedSaveKeepsTheOldFile)
{
    TTempFolder folder;
    const QString list = folder.Write("list.pl", "old");
    TArtistColl artists;
    artists.Add().Name = "new";
    SavePlaylist(list, artists, {});
    EXPECT_EQ(ReadBytes(list), "[Common]\r\n[Artist]\r\nName=new\r\n\r\n");
    EXPECT_THROW(SavePlaylist(folder.Path("missing/list.pl"), artists, {}), EIOError);
}
