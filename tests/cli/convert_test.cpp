// convert: own format or M3U list by the extension of the output.
#include "clifixture.h"

#include "platform/codepage.h"

#include <QFileInfo>

namespace {

const char kList[] = "[Common]\nAbout=about.rtf\n"
                     "[Artist]\nName=Синяя группа\nHistory=blue\\history.txt\nAlbums=1\n\n"
                     "[Album]\nName=Первый свет\nYear=1999\nSongs=2\n\n"
                     "[Song]\nTitle=Утро\nFile=blue\\01.mp3\n\n"
                     "[Song]\nTitle=Вечер\nFile=blue\\02.mp3\n\n";

} // namespace

TEST_F(CliTest, ConvertToOwnListInAnotherFolderKeepsEveryTarget)
{
    WriteCp1251("in/disc.pl", QString::fromUtf8(kList));
    Write("out/deeper/.keep", {});
    const CliResult ok = Run({"convert", "in/disc.pl", "out/deeper/copy.PL"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.isEmpty());
    const QByteArray written = Read("out/deeper/copy.PL");
    EXPECT_TRUE(written.contains("File=..\\..\\in\\blue\\01.mp3\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains(EncodeCp1251(u"Name=Синяя группа\r\n")));
    EXPECT_EQ(Run({"dump", "out/deeper/copy.PL"}).out.mid(QByteArray(R"({"type":"pl")").size()),
              Run({"dump", "in/disc.pl"}).out.mid(QByteArray(R"({"type":"pl")").size()));
}

TEST_F(CliTest, ConvertToM3uWritesFullPathsInPlayOrderWithCrLf)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    const CliResult r = Run({"convert", "disc.pl", "list.m3u"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Read("list.m3u"), (InDir("@/blue/01.mp3\r\n@/blue/02.mp3\r\n")).toUtf8());
    ASSERT_EQ(Run({"convert", "disc.pl", "list.M3U8"}).exitCode, 0);
    EXPECT_EQ(Read("list.M3U8"), Read("list.m3u"));
}

TEST_F(CliTest, ConvertM3uToOwnListGivesItsOneArtistAndAlbum)
{
    Write("list.m3u", "#EXTINF:1,First\r\na.mp3\r\nb.mp3\r\n");
    ASSERT_EQ(Run({"convert", "list.m3u", "back.pl"}).exitCode, 0);
    const QString back = QString::fromUtf8(Run({"dump", "back.pl"}).out);
    EXPECT_TRUE(back.contains(InDir(R"("name":"@/list.m3u")"))) << back.toStdString();
    EXPECT_TRUE(back.contains(QString::fromUtf8(R"("name":"Содержимое:")")));
    EXPECT_TRUE(back.contains(InDir(R"({"title":"First","file":"@/a.mp3")")));
}

TEST_F(CliTest, RelativeOutputIsTakenFromTheCallersFolderNotTheLists)
{
    WriteCp1251("lists/disc.pl", QString::fromUtf8(kList));
    Write("work/.keep", {});
    ASSERT_EQ(Run({"convert", "../lists/disc.pl", "here.m3u"}, Path("work")).exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(Path("work/here.m3u")));
    EXPECT_FALSE(QFileInfo::exists(Path("lists/here.m3u")));
}

TEST_F(CliTest, ConvertRefusesAnUnknownOutputTypeAndWritesNothing)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    ExpectBadInput(Run({"convert", "disc.pl", "out.txt"}));
    ExpectBadInput(Run({"convert", "disc.pl", "noextension"}));
    EXPECT_FALSE(QFileInfo::exists(Path("out.txt")));
}

TEST_F(CliTest, FailedWriteIsBadInputAndKeepsTheInput)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    Write("blocker", "a file, not a folder");
    ExpectBadInput(Run({"convert", "disc.pl", "blocker/out.pl"}));
    ExpectBadInput(Run({"convert", "disc.pl", "blocker/out.m3u"}));
    ExpectBadInput(Run({"convert", "disc.pl", "missing/out.pl"}));
    EXPECT_EQ(Read("disc.pl"), EncodeCp1251(QString::fromUtf8(kList).replace("\n", "\r\n")));
}
