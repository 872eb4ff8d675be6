// pack: the M3U pack layout with default and given templates.
#include "clifixture.h"
#include "filesunder.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>

namespace {

// Blue Band: First Light (1999) with two songs, Second (2001) with one; AC/DC: one album.
const char kList[] = "[Artist]\nName=Blue Band\nAlbums=2\n"
                     "[Album]\nName=First Light\nYear=1999\nSongs=2\n"
                     "[Song]\nFile=music\\blue\\01.mp3\n[Song]\nFile=music\\blue\\02.mp3\n"
                     "[Album]\nName=Second\nYear=2001\nSongs=1\n"
                     "[Song]\nFile=music\\blue\\03.mp3\n"
                     "[Artist]\nName=AC/DC\nAlbums=1\n"
                     "[Album]\nName=Высоко\nYear=1980\nSongs=1\n"
                     "[Song]\nFile=music\\acdc\\01.mp3\n";

} // namespace

TEST_F(CliTest, PackWithDefaultTemplatesWritesAFolderPerArtistAndRelativeLists)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    QDir().mkpath(Path("out"));
    const CliResult r = Run({"pack", "disc.pl", "out/pack.m3u"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(FilesUnder(Path("out")),
              QStringList({"ACDC/1980 - Высоко.m3u", "ACDC/All ACDC.m3u",
                           "Blue Band/1999 - First Light.m3u", "Blue Band/2001 - Second.m3u",
                           "Blue Band/All Blue Band.m3u", "pack.m3u"}));
    EXPECT_EQ(Read("out/pack.m3u"), "../music/blue/01.mp3\r\n../music/blue/02.mp3\r\n"
                                    "../music/blue/03.mp3\r\n../music/acdc/01.mp3\r\n");
    EXPECT_EQ(Read("out/Blue Band/1999 - First Light.m3u"),
              "../../music/blue/01.mp3\r\n../../music/blue/02.mp3\r\n");
    EXPECT_EQ(Read("out/Blue Band/All Blue Band.m3u"),
              "../../music/blue/01.mp3\r\n../../music/blue/02.mp3\r\n"
              "../../music/blue/03.mp3\r\n");
}

TEST_F(CliTest, PackTemplatesNameTheFoldersAndLists)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    const CliResult r = Run({"pack", "disc.pl", "p.M3U", "--album", "%N-%A (%Y)", "--artist",
                             "%N %I"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path("01 Blue Band/02-Second (2001).m3u")));
    EXPECT_TRUE(QFileInfo::exists(Path("01 Blue Band/All 01 Blue Band.m3u")));
    EXPECT_TRUE(QFileInfo::exists(Path("02 ACDC/01-Высоко (1980).m3u")));
}

TEST_F(CliTest, PackNamesThatClimbOutOfTheFolderStayInsideIt)
{
    WriteCp1251("disc.pl", "[Artist]\nName=..\nAlbums=1\n[Album]\nName=x\\..\\..\\y\nYear=..\n"
                           "Songs=1\n[Song]\nFile=a.mp3\n");
    QDir().mkpath(Path("a/b"));
    const CliResult r = Run({"pack", "disc.pl", "a/b/pack.m3u"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(FilesUnder(Path("a")).size(), 3) << FilesUnder(Path("a")).join(", ").toStdString();
    for (const QString &file : FilesUnder(Path("a")))
        EXPECT_TRUE(file.startsWith("b/")) << file.toStdString();
}

TEST_F(CliTest, PackFailsWhenAnArtistFolderCannotBeMade)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    Write("Blue Band", "a file where the folder should go");
    const CliResult r = Run({"pack", "disc.pl", "pack.m3u"});
    ExpectBadInput(r);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8("Не удается создать папку ")))
        << r.err.toStdString();
}

TEST_F(CliTest, PackChecksItsMainListFirstAndNeverReplacesAFifo)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pack.m3u")).constData(), 0600), 0);
    ExpectBadInput(Run({"pack", "disc.pl", "pack.m3u"}));
    EXPECT_TRUE(QFileInfo(Path("pack.m3u")).isFile() == false && QFileInfo::exists(Path("pack.m3u")));
    EXPECT_EQ(QDir(fDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList({"disc.pl", "pack.m3u"})) << "no artist folder was made";
}

TEST_F(CliTest, PackRefusesAMainListNotEndingInM3uAndTemplatesWithoutValue)
{
    WriteCp1251("disc.pl", QString::fromUtf8(kList));
    ExpectBadInput(Run({"pack", "disc.pl", "pack.pl"}));
    ExpectMisuse(Run({"pack", "disc.pl", "pack.m3u", "--artist"}));
    ExpectMisuse(Run({"pack", "disc.pl", "pack.m3u", "--summary"}));
    ExpectMisuse(Run({"pack", "disc.pl"}));
    EXPECT_EQ(FilesUnder(fDir.path()), QStringList({"disc.pl"}));
}

// Lists written here play in the players of a Linux desktop: mpv, which takes "\" for part of a
// file name and reads M3U lists as UTF-8, opens every song of a pack and of an M3U list.
TEST_F(CliTest, PacksAndM3uListsWithCyrillicNamesPlayInMpv)
{
    QDir().mkpath(Path("Музыка/Альбом"));
    ASSERT_TRUE(QFile::copy(LORVANTA_TEST_DATA "/audio/cbr128-44k-stereo.mp3", Path("Музыка/Альбом/Песня.mp3")));
    WriteCp1251("disc.pl", "[Artist]\nName=Исполнитель\nAlbums=1\n[Album]\nName=Альбом\nYear=2001\n"
                           "Songs=1\n[Song]\nFile=Музыка\\Альбом\\Песня.mp3\n");
    QDir().mkpath(Path("out"));
    ASSERT_EQ(Run({"pack", "disc.pl", "out/pack.m3u"}).exitCode, 0);
    ASSERT_EQ(Run({"convert", "disc.pl", "out/list.m3u"}).exitCode, 0);
    for (const QString &list : QStringList{"out/pack.m3u", "out/Исполнитель/2001 - Альбом.m3u", "out/list.m3u"}) {
        QProcess mpv;
        mpv.setProcessChannelMode(QProcess::MergedChannels);
        mpv.start("mpv", {"--no-config", "--ao=null", "--ao-null-untimed", "--vo=null", Path(list)});
        ASSERT_TRUE(mpv.waitForStarted()) << "mpv is installed by scripts/deps.sh";
        ASSERT_TRUE(mpv.waitForFinished(30000));
        const QString output = QString::fromUtf8(mpv.readAll());
        EXPECT_EQ(mpv.exitCode(), 0) << list.toStdString() << ": " << output.toStdString();
        EXPECT_TRUE(output.contains("(End of file)")) << list.toStdString() << ": " << output.toStdString();
    }
}
