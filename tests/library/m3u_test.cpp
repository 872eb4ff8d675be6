#include "library/m3u.h"

#include "filesunder.h"
#include "fixtures.h"
#include "platform/ioerror.h"

#include <QDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString kList = QStringLiteral("/music/list.m3u");

std::unique_ptr<TArtistColl> Read(const QByteArray &bytes, const QString &listFile = kList)
{
    auto artists = std::make_unique<TArtistColl>();
    ReadM3U(bytes, listFile, *artists);
    return artists;
}

QStringList Titles(const TArtistColl &artists)
{
    QStringList titles;
    for (const TSongItem &song : artists[0].Albums[0].Songs)
        titles << song.Title;
    return titles;
}

} // namespace

TEST(ReadM3U, OneArtistOneAlbumOneSongPerFileLine)
{
    const auto artists = Read("#EXTM3U\r\n#EXTINF:215,Blue Band - Morning\r\nD:\\music\\01.mp3\r\n"
                              "sub\\02.mp3\r\n/abs/03.mp3\r\n");
    ASSERT_EQ(artists->Count(), 1);
    EXPECT_EQ(Describe(*artists), "artist|/music/list.m3u||\n"
                                  " album|Содержимое:|||\n"
                                  "  song|Blue Band - Morning|D:\\music\\01.mp3|||\n"
                                  "  song|sub\\02.mp3|/music/sub/02.mp3|||\n"
                                  "  song|/abs/03.mp3|/abs/03.mp3|||\n");
}

TEST(ReadM3U, TitlesFromCommentsAndExistingFiles)
{
    TTempFolder folder;
    folder.Write("Songs/01 Утро.mp3", "x");
    const QString list = folder.Path("list.m3u");
    EXPECT_EQ(Titles(*Read("#EXTM3U\nSongs\\01 Утро.mp3\n", list)), QStringList{"#EXTM3U"});
    EXPECT_EQ(Titles(*Read("Songs\\01 Утро.mp3\nSongs/01 Утро.mp3\nSongs\\missing.mp3\n", list)),
              (QStringList{"01 Утро.mp3", "01 Утро.mp3", "Songs\\missing.mp3"}));
    EXPECT_EQ(Titles(*Read("#EXTINF:1,a,b\nx.mp3\n#EXTINF:no comma\ny.mp3\n", list)),
              (QStringList{"a,b", "#EXTINF:no comma"}));
}

TEST(ReadM3U, EmptyLinesNameNoFile)
{
    const auto artists = Read("\r\n#EXTINF:1,Title\r\n\r\na.mp3\r\n   \r\n\r\n");
    EXPECT_EQ(Titles(*artists), QStringList{"a.mp3"});
}

TEST(ReadM3U, OddInputs)
{
    EXPECT_EQ((*Read("#EXTM3U\n#comment only\n"))[0].Albums[0].Songs.Count(), 0);
    EXPECT_EQ((*Read(""))[0].Albums.Count(), 1);
    EXPECT_EQ(Titles(*Read("a.mp3\rb.mp3\r")), (QStringList{"a.mp3", "b.mp3"}));
    EXPECT_EQ(Titles(*Read(QByteArray("a.mp3\n\0b.mp3\n", 13))), QStringList{"a.mp3"});
    EXPECT_EQ(Titles(*Read("\xCF\xE5\xF1\xED\xFF.mp3\n")), QStringList{"Песня.mp3"});
}

// Lists as the players of a Linux desktop write them: "file:" URLs and stream addresses.
TEST(ReadM3U, FileUrlsAreLocalPathsAndNetworkAddressesAreLeftOut)
{
    TArtistColl artists;
    const QStringList addresses = ReadM3U("#EXTM3U\n"
                                          "#EXTINF:100,Radio\nhttp://radio.example/stream.mp3\n"
                                          "file:///music/%D0%9F%D0%B5%D1%81%D0%BD%D1%8F%20one.mp3\n"
                                          "FILE://localhost/music/a%23b.mp3\n"
                                          "file:///C:/Music/x.mp3\nfile://nas/share/y.mp3\n"
                                          "HTTPS://secure.example/a.mp3\r\nmms://old.example/live\n"
                                          "E:\\drive.mp3\nab:not-a-url.mp3\nrtsp:no-slashes.mp3\n",
                                          kList, artists);
    EXPECT_EQ(addresses, (QStringList{"http://radio.example/stream.mp3", "file://nas/share/y.mp3",
                                      "HTTPS://secure.example/a.mp3", "mms://old.example/live"}));
    // The EXTINF line before a left-out address titles nothing else.
    EXPECT_EQ(Describe(artists).toStdString(),
              "artist|/music/list.m3u||\n"
              " album|Содержимое:|||\n"
              "  song|/music/Песня one.mp3|/music/Песня one.mp3|||\n"
              "  song|/music/a#b.mp3|/music/a#b.mp3|||\n"
              "  song|C:/Music/x.mp3|C:/Music/x.mp3|||\n"
              "  song|E:\\drive.mp3|E:\\drive.mp3|||\n"
              "  song|ab:not-a-url.mp3|/music/ab:not-a-url.mp3|||\n"
              "  song|rtsp:no-slashes.mp3|/music/rtsp:no-slashes.mp3|||\n");
}

TEST(ReadM3U, AFileUrlOfAnExistingFileIsTitledByItsName)
{
    TTempFolder folder;
    const QString file = folder.Write("Утро.mp3", "x");
    TArtistColl artists;
    ReadM3U(QUrl::fromLocalFile(file).toEncoded() + "\n", folder.Path("l.m3u8"), artists);
    EXPECT_EQ(artists[0].Albums[0].Songs[0].File, file);
    EXPECT_EQ(artists[0].Albums[0].Songs[0].Title, "Утро.mp3");
}

TEST(ReadM3U, M3u8ListsAreUtf8WhateverTheirBytes)
{
    const QByteArray cp1251 = "\xCF\xE5\xF1\xED\xFF.mp3\n"; // "Песня" in Windows-1251
    EXPECT_EQ(Titles(*Read(cp1251, "/music/l.m3u")), QStringList{"Песня.mp3"});
    EXPECT_EQ(Titles(*Read(cp1251, "/music/l.M3U8")),
              QStringList{"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD.mp3"});
    EXPECT_EQ(Titles(*Read("\xEF\xBB\xBF\xCE\xA9.mp3\n", "/music/l.m3u8")), QStringList{"Ω.mp3"});
}

TEST(LoadM3U, MissingFileChangesNothing)
{
    TTempFolder folder;
    TArtistColl artists;
    artists.Add().Name = "kept";
    EXPECT_FALSE(LoadM3U(folder.Path("missing.m3u"), artists));
    EXPECT_FALSE(LoadM3U(folder.Path(), artists));
    EXPECT_EQ(artists[0].Name, "kept");
    EXPECT_TRUE(LoadM3U(folder.Write("l.m3u", "a.mp3\n"), artists));
    EXPECT_EQ(artists[0].Albums[0].Songs[0].File, folder.Path("a.mp3"));
    EXPECT_EQ(QDir::currentPath(), QDir(folder.Path()).canonicalPath());
}

TEST(LoadM3U, ListNamedRelativeToTheCurrentFolder)
{
    TTempFolder folder;
    folder.Write("lists/l.m3u", "a.mp3\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.Path());
    TArtistColl artists;
    const bool loaded = LoadM3U("lists/l.m3u", artists);
    QDir::setCurrent(before);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(artists[0].Name, "lists/l.m3u");
    EXPECT_EQ(artists[0].Albums[0].Songs[0].File, folder.Path("lists/a.mp3"));
}

TEST(LoadSingleFile, OneSongNamedByTheFile)
{
    TTempFolder folder;
    const QString file = folder.Write("song.mp3", "x");
    TArtistColl artists;
    EXPECT_TRUE(LoadSingleFile(file, artists));
    EXPECT_EQ(Describe(artists), "artist|Файл||\n album|Пользовательский|||\n  song|song.mp3|" +
                                     file + "|||\n");
    EXPECT_FALSE(LoadSingleFile(folder.Path("none.mp3"), artists));
    EXPECT_EQ(artists.Count(), 1);
}

TEST(SaveM3U, FullPathsWithCrLf)
{
    TArtistColl artists;
    TSongColl &files = artists.Add().Albums.Add().Songs;
    files.Add().File = "/music/01.mp3";
    files.Add().File = "E:\\x.mp3";
    TExpandedSongColl songs;
    FlattenLibrary(artists, songs, nullptr, {});
    EXPECT_EQ(M3UText(songs), "/music/01.mp3\r\nE:\\x.mp3\r\n");
    files.Add().File = "/music/Ω.mp3";
    FlattenLibrary(artists, songs, nullptr, {});
    EXPECT_EQ(M3UText(songs), "\xEF\xBB\xBF/music/01.mp3\r\nE:\\x.mp3\r\n/music/\xCE\xA9.mp3\r\n");
    TTempFolder folder;
    SaveM3U(folder.Path("list.m3u"), songs);
    EXPECT_EQ(ReadBytes(folder.Path("list.m3u")), M3UText(songs));
    EXPECT_THROW(SaveM3U(folder.Path("no/list.m3u"), songs), EIOError);
}

TEST(SaveM3U, M3u8ListsAreUtf8WithoutAByteOrderMark)
{
    TArtistColl artists;
    artists.Add().Albums.Add().Songs.Add().File = "/music/Песня.mp3";
    TExpandedSongColl songs;
    FlattenLibrary(artists, songs, nullptr, {});
    TTempFolder folder;
    SaveM3U(folder.Path("list.m3u8"), songs);
    SaveM3U(folder.Path("list.m3u"), songs);
    const QByteArray utf8 = QStringLiteral("/music/Песня.mp3\r\n").toUtf8();
    EXPECT_EQ(ReadBytes(folder.Path("list.m3u8")), utf8);
    EXPECT_EQ(ReadBytes(folder.Path("list.m3u")), "\xEF\xBB\xBF" + utf8);
    TArtistColl back;
    ASSERT_TRUE(LoadM3U(folder.Path("list.m3u8"), back));
    EXPECT_EQ(back[0].Albums[0].Songs[0].File, "/music/Песня.mp3");
}

class M3UPack : public ::testing::Test {
protected:
    TAlbItem &AddAlbum(TArtistItem &artist, const QString &name, const QString &year,
                       const QStringList &files)
    {
        TAlbItem &album = artist.Albums.Add();
        album.Name = name;
        album.Year = year;
        for (const QString &file : files)
            album.Songs.Add().File = fFolder.Path(file);
        return album;
    }
    QString Out(const QString &relative = QString()) const
    {
        return fFolder.Path(relative.isEmpty() ? "out" : "out/" + relative);
    }
    void SetUp() override { QDir().mkpath(Out()); }

    TTempFolder fFolder;
    TArtistColl fArtists;
};

TEST_F(M3UPack, DefaultTemplatesLayout)
{
    TArtistItem &blue = fArtists.Add();
    blue.Name = "Blue Band";
    AddAlbum(blue, "First Light", "1999", {"music/blue/01.mp3", "music/blue/02.mp3"});
    AddAlbum(blue, "Empty", "2000", {});
    SaveM3UPack(Out("pack.m3u"), fArtists, "%I", "%Y - %A");
    EXPECT_EQ(FilesUnder(Out()), (QStringList{"Blue Band/1999 - First Light.m3u",
                                              "Blue Band/2000 - Empty.m3u",
                                              "Blue Band/All Blue Band.m3u", "pack.m3u"}));
    EXPECT_EQ(ReadBytes(Out("pack.m3u")), "../music/blue/01.mp3\r\n../music/blue/02.mp3\r\n");
    const QByteArray album = "../../music/blue/01.mp3\r\n../../music/blue/02.mp3\r\n";
    EXPECT_EQ(ReadBytes(Out("Blue Band/1999 - First Light.m3u")), album);
    EXPECT_EQ(ReadBytes(Out("Blue Band/All Blue Band.m3u")), album);
    EXPECT_EQ(ReadBytes(Out("Blue Band/2000 - Empty.m3u")), "");
}

TEST_F(M3UPack, TemplatePlaceholders)
{
    TArtistItem &artist = fArtists.Add();
    artist.Name = "Blue";
    AddAlbum(artist, "Zero", "1998", {"a.mp3"});
    AddAlbum(artist, "First Light", "1999", {"b.mp3"});
    SaveM3UPack(Out("pack.m3u"), fArtists, "%N %n-%I %A%Y%x%", "%N-%A (%Y) %i %n %q");
    const QString folder = "01 1-Blue %A%Y%x%/";
    EXPECT_EQ(FilesUnder(Out()),
              (QStringList{folder + "01-Zero (1998) Blue 1 %q.m3u",
                           folder + "02-First Light (1999) Blue 2 %q.m3u",
                           folder + "All 01 1-Blue %A%Y%x%.m3u", "pack.m3u"}));
}

TEST_F(M3UPack, NamesCannotLeaveTheChosenFolder)
{
    const QString names[] = {"AC/DC", "..", "../../escape", "..\\up", "a<b>?*"};
    for (const QString &name : names) {
        TArtistItem &artist = fArtists.Add();
        artist.Name = name;
        AddAlbum(artist, "../../album", "..", {"x.mp3"});
    }
    SaveM3UPack(Out("pack.m3u"), fArtists, "%I", "%Y - %A");
    EXPECT_EQ(FilesUnder(fFolder.Path()).filter("m3u").size(), FilesUnder(Out()).size());
    const QStringList files = FilesUnder(Out());
    EXPECT_TRUE(files.contains("ACDC/.. - ....album.m3u")) << files.join(", ").toStdString();
    EXPECT_TRUE(files.contains("_/All _.m3u"));
    EXPECT_TRUE(files.contains("....escape/All ....escape.m3u"));
    EXPECT_TRUE(files.contains("..up/All ..up.m3u"));
    EXPECT_TRUE(files.contains("ab/All ab.m3u"));
    EXPECT_EQ(SafeSingleName("a:b|c\"d"), "a:b|c\"d");
    EXPECT_EQ(StripInvalidChars("D:\\a/b?c*d<e>f g"), "D:\\abcdef g");
}

TEST_F(M3UPack, ArtistsOfTheSameNameShareAFolder)
{
    for (const char *file : {"one.mp3", "two.mp3"}) {
        TArtistItem &artist = fArtists.Add();
        artist.Name = "Same";
        AddAlbum(artist, "Album", "2001", {file});
    }
    SaveM3UPack(Out("pack.m3u"), fArtists, "%I", "%Y - %A");
    EXPECT_EQ(ReadBytes(Out("Same/2001 - Album.m3u")), "../../two.mp3\r\n");
    EXPECT_EQ(ReadBytes(Out("Same/All Same.m3u")), "../../two.mp3\r\n");
    EXPECT_EQ(ReadBytes(Out("pack.m3u")), "../one.mp3\r\n../two.mp3\r\n");
}

TEST_F(M3UPack, UncreatableFolderRaisesTheFolderMessage)
{
    fFolder.Write("out/Blocked", "a file where the folder should be");
    TArtistItem &artist = fArtists.Add();
    artist.Name = "Blocked";
    AddAlbum(artist, "A", "1", {"x.mp3"});
    try {
        SaveM3UPack(Out("pack.m3u"), fArtists, "%I", "%Y - %A");
        FAIL() << "no error raised";
    } catch (const EIOError &error) {
        EXPECT_EQ(error.Message(), "Не удается создать папку " + Out("Blocked"));
    }
    EXPECT_FALSE(QFileInfo::exists(Out("pack.m3u")));
}
