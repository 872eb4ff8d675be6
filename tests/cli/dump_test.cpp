// dump and dump --summary: the exact JSON shape for each list type.
#include "clifixture.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

const char kOwnList[] = "[Common]\n"
                        "About=about.rtf\n"
                        "Photos=photos\n"
                        "HTML=html\\index.htm\n"
                        "Clips=clips\n"
                        "[Artist]\n"
                        "Name=Синяя группа\n"
                        "History=blue\\history.txt\n"
                        "PicPaths=blue\\pics.txt\n"
                        "Albums=1\n"
                        "\n"
                        "[Album]\n"
                        "Name=Первый свет\n"
                        "Year=1999\n"
                        "Picture=blue\\first\\cover.jpg\n"
                        "Retsenzia=blue\\first\\review.rtf\n"
                        "Songs=2\n"
                        "\n"
                        "[Song]\n"
                        "Title=Утро\n"
                        "File=blue\\first\\01.mp3\n"
                        "Picture=blue\\first\\01.jpg\n"
                        "Text=blue\\first\\01.txt\n"
                        "Comment=Первая\n"
                        "\n"
                        "[Song]\n"
                        "Title=Вечер\n"
                        "File=blue\\first\\02.mp3\n"
                        "\n";

QByteArray Line(const QString &json)
{
    return json.toUtf8() + '\n';
}

QJsonObject ParseObject(const QByteArray &out)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    return doc.object();
}

QJsonArray Songs(const QJsonObject &list, int artist = 0, int album = 0)
{
    return list["artists"][artist]["albums"][album]["songs"].toArray();
}

} // namespace

TEST_F(CliTest, OwnListDumpsEveryFieldInOrderAsFullPathsInUtf8)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kOwnList));
    const CliResult dump = Run({"dump", Path("disc.pl")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.err.isEmpty());
    EXPECT_EQ(dump.out,
              Line(InDir(
                  R"({"type":"pl","about":"@/about.rtf","photos":"@/photos","html":"@/html/index.htm",)"
                  R"("clips":"@/clips","artists":[{"name":"Синяя группа","history":"@/blue/history.txt",)"
                  R"("picPaths":"@/blue/pics.txt","albums":[{"name":"Первый свет","year":"1999",)"
                  R"("picture":"@/blue/first/cover.jpg","retsenzia":"@/blue/first/review.rtf","songs":[)"
                  R"({"title":"Утро","file":"@/blue/first/01.mp3","picture":"@/blue/first/01.jpg",)"
                  R"("text":"@/blue/first/01.txt","comment":"Первая"},)"
                  R"({"title":"Вечер","file":"@/blue/first/02.mp3","picture":"","text":"","comment":""}]}]}]})")));
}

TEST_F(CliTest, EmptyOwnListDumpsEveryDiscWideFieldEmpty)
{
    Write("empty.pl", {});
    const CliResult r = Run({"dump", Path("empty.pl")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, Line(R"({"type":"pl","about":"","photos":"","html":"","clips":"","artists":[]})"));
}

TEST_F(CliTest, OwnListPathsFollowTheListFolderNotTheCallers)
{
    WriteCp1251("a/b.pl", "[Artist]\nAlbums=1\n[Album]\nSongs=4\n"
                          "[Song]\nFile=..\\up.mp3\n"
                          "[Song]\nFile=sub/slash.mp3\n"
                          "[Song]\nFile=E:\\music\\x.mp3\n"
                          "[Song]\nFile=/srv/music/y.mp3\n");
    const CliResult r = Run({"dump", "a/b.pl"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray songs = Songs(ParseObject(r.out));
    ASSERT_EQ(songs.size(), 4);
    EXPECT_EQ(songs[0]["file"].toString(), Path("up.mp3"));
    EXPECT_EQ(songs[1]["file"].toString(), Path("a/sub/slash.mp3"));
    EXPECT_EQ(songs[2]["file"].toString(), "E:\\music\\x.mp3"); // kept as written
    EXPECT_EQ(songs[3]["file"].toString(), "/srv/music/y.mp3");
    EXPECT_TRUE(r.out.contains(R"("file":"E:\\music\\x.mp3")")) << "backslashes escaped";
}

TEST_F(CliTest, TypeFollowsTheExtensionInAnyLetterCase)
{
    WriteCp1251("LIST.PL", "[Artist]\nName=X\n");
    Write("Song.Mp3", "not really audio");
    Write("list.M3u", "Song.Mp3\r\n");
    EXPECT_TRUE(Run({"dump", "LIST.PL"}).out.startsWith(R"({"type":"pl",)"));
    EXPECT_TRUE(Run({"dump", "Song.Mp3"}).out.startsWith(R"({"type":"single",)"));
    EXPECT_TRUE(Run({"dump", "list.M3u"}).out.startsWith(R"({"type":"m3u",)"));
    Write("list.M3U8", "Song.Mp3\r\n");
    EXPECT_TRUE(Run({"dump", "list.M3U8"}).out.startsWith(R"({"type":"m3u",)"));
    Write("song.mp1", "x");
    Write("song.mp2", "x");
    EXPECT_EQ(Run({"dump", "song.mp1"}).exitCode, 0);
    EXPECT_EQ(Run({"dump", "song.mp2"}).exitCode, 0);
}

TEST_F(CliTest, M3uListDumpsOneArtistNamedByTheListAndTitlesFromExtinf)
{
    Write("m/sub/03.mp3", "x");
    WriteCp1251("m/list.m3u", "#EXTM3U\n#EXTINF:215,Синяя группа - Утро\n01.mp3\n"
                              "C:\\music\\02.mp3\nsub\\03.mp3\n");
    const CliResult r = Run({"dump", "m/list.m3u"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              Line(InDir(
                  R"({"type":"m3u","about":"","photos":"","html":"","clips":"","artists":[)"
                  R"({"name":"@/m/list.m3u","history":"","picPaths":"","albums":[)"
                  R"({"name":"Содержимое:","year":"","picture":"","retsenzia":"","songs":[)"
                  R"({"title":"Синяя группа - Утро","file":"@/m/01.mp3","picture":"","text":"","comment":""},)"
                  R"({"title":"C:\\music\\02.mp3","file":"C:\\music\\02.mp3","picture":"","text":"","comment":""},)"
                  R"({"title":"03.mp3","file":"@/m/sub/03.mp3","picture":"","text":"","comment":""}]}]}]})")));
}

TEST_F(CliTest, M3u8ListsOpenWithFileUrlsAndNoteTheStreamsLeftOut)
{
    Write("m/Утро.mp3", "x");
    Write("m/list.m3u8", "#EXTM3U\nhttps://radio.example/live\nfile://" +
                             QUrl::toPercentEncoding(Path("m/Утро.mp3"), "/") + "\n");
    const CliResult r = Run({"dump", "m/list.m3u8"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(R"({"type":"m3u",)"));
    EXPECT_TRUE(r.out.contains(InDir(R"({"title":"Утро.mp3","file":"@/m/Утро.mp3",)").toUtf8()));
    EXPECT_EQ(r.err, "Сетевой адрес пропущен (воспроизводятся только файлы): "
                     "https://radio.example/live\n");
}

TEST_F(CliTest, SingleFileGivenRelativelyDumpsItsFullPath)
{
    Write("music/Song.MP3", "x");
    const CliResult r = Run({"dump", "Song.MP3"}, Path("music"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              Line(InDir(R"({"type":"single","about":"","photos":"","html":"","clips":"","artists":[)"
                         R"({"name":"Файл","history":"","picPaths":"","albums":[)"
                         R"({"name":"Пользовательский","year":"","picture":"","retsenzia":"","songs":[)"
                         R"({"title":"Song.MP3","file":"@/music/Song.MP3","picture":"","text":"","comment":""}]}]}]})")));
}

TEST_F(CliTest, ControlCharactersQuotesAndBackslashesAreEscaped)
{
    QByteArray list = "[Artist]\r\nAlbums=1\r\n[Album]\r\nSongs=1\r\n[Song]\r\n";
    list += "Title=say \"hi\"\\now\tand\x01\x1f\x7f end\r\n";
    list += "Comment=\xc0\xe1\r\n"; // Windows-1251
    Write("esc.pl", list);
    const CliResult r = Run({"dump", "esc.pl"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(R"("title":"say \"hi\"\\now\tand\u0001\u001f)" "\x7f" R"( end")"))
        << r.out.toStdString();
    const QJsonObject song = Songs(ParseObject(r.out))[0].toObject();
    EXPECT_EQ(song["title"].toString(), QString::fromUtf8("say \"hi\"\\now\tand\x01\x1f\x7f end"));
    EXPECT_EQ(song["comment"].toString(), QString::fromUtf8("Аб"));
}

TEST_F(CliTest, SummaryCountsArtistsAlbumsAndPlayableSongs)
{
    WriteCp1251("s.pl", "[Artist]\nName=A\nAlbums=2\n[Album]\nSongs=1\n[Song]\nTitle=1\n"
                        "[Album]\nSongs=2\n[Song]\nTitle=2\n[Song]\nTitle=3\n"
                        "[Artist]\nName=B\nAlbums=1\n[Album]\nSongs=1\n[Song]\nTitle=4\n");
    EXPECT_EQ(Run({"dump", "--summary", "s.pl"}).out, Line(R"({"artists":2,"albums":3,"songs":4})"));
    EXPECT_EQ(Run({"dump", "s.pl", "--summary"}).out, Line(R"({"artists":2,"albums":3,"songs":4})"));
    Write("one.mp3", "x");
    EXPECT_EQ(Run({"dump", "--summary", "one.mp3"}).out,
              Line(R"({"artists":1,"albums":1,"songs":1})"));
}

TEST_F(CliTest, DemoDiscListNamesOnlyFilesThatExist)
{
    const QString demo = QStringLiteral(LORVANTA_DEMO_DIR "/Demo.pl");
    EXPECT_EQ(Run({"dump", "--summary", demo}).out, Line(R"({"artists":2,"albums":3,"songs":6})"));
    const QJsonObject list = ParseObject(Run({"dump", demo}).out);
    QStringList paths = {list["about"].toString(), list["photos"].toString(),
                         list["html"].toString(), list["clips"].toString()};
    for (const QJsonValue artist : list["artists"].toArray()) {
        paths << artist["history"].toString() << artist["picPaths"].toString();
        for (const QJsonValue album : artist["albums"].toArray()) {
            paths << album["picture"].toString() << album["retsenzia"].toString();
            for (const QJsonValue song : album["songs"].toArray())
                paths << song["file"].toString() << song["picture"].toString()
                      << song["text"].toString();
        }
    }
    paths.removeAll(QString());
    EXPECT_EQ(paths.size(), 24);
    for (const QString &path : paths)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}
