// scan: a list built from folders, written as an own list or an M3U list.
#include "clifixture.h"
#include "id3v1tag.h"

#include "platform/codepage.h"

#include <QFile>

namespace {

class ScanTest : public CliTest {
protected:
    void SetUp() override
    {
        Write("disc/MP3/Aurora Bell/1998 - First Light/01 Dawn.mp3",
              TaggedSongBytes("Dawn", "рассвет"));
        Write("disc/MP3/Aurora Bell/1998 - First Light/02 Noon.mp3", "no tag");
        Write("disc/MP3/Aurora Bell/2001 - Tides/Tide.mp3", TaggedSongBytes("Tide"));
        Write("disc/Covers/aurora bell/a.jpg", "");
        Write("disc/Texts/Aurora Bell/1998 - First Light/1.txt", "");
        Write("disc/Reviews/Aurora Bell/r.rtf", "");
        Write("disc/Hist/Aurora Bell.rtf", "");
    }
};

} // namespace

TEST_F(ScanTest, WritesAnOwnListWithPathsRelativeToIt)
{
    const CliResult r =
        Run({"scan", "disc/MP3", "disc/list.pl", "--covers", "disc/Covers", "--texts", "disc/Texts",
             "--reviews", "disc/Reviews", "--histories", "disc/Hist"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(Read("disc/list.pl"),
              EncodeCp1251(
                  u"[Common]\r\n"
                  "[Artist]\r\nName=Aurora Bell\r\nHistory=Hist\\Aurora Bell.rtf\r\n"
                  "Albums=2\r\n\r\n"
                  "[Album]\r\nName=First Light\r\nYear=1998\r\n"
                  "Picture=Covers\\aurora bell\\a.jpg\r\n"
                  "Retsenzia=Reviews\\Aurora Bell\\r.rtf\r\nSongs=2\r\n\r\n"
                  "[Song]\r\nTitle=Dawn\r\n"
                  "File=MP3\\Aurora Bell\\1998 - First Light\\01 Dawn.mp3\r\n"
                  "Text=Texts\\Aurora Bell\\1998 - First Light\\1.txt\r\n"
                  "Comment=рассвет\r\n\r\n"
                  "[Song]\r\nTitle=02 Noon.mp3\r\n"
                  "File=MP3\\Aurora Bell\\1998 - First Light\\02 Noon.mp3\r\n\r\n"
                  "[Album]\r\nName=Tides\r\nYear=2001\r\nSongs=1\r\n\r\n"
                  "[Song]\r\nTitle=Tide\r\nFile=MP3\\Aurora Bell\\2001 - Tides\\Tide.mp3\r\n\r\n"));
}

TEST_F(ScanTest, WritesAnM3uListAndLooksAtNoCompanionFolderUnlessGiven)
{
    const CliResult r = Run({"scan", "MP3", "../all.M3U", "--covers", ""}, Path("disc"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Read("all.M3U"), InDir("@/disc/MP3/Aurora Bell/1998 - First Light/01 Dawn.mp3\r\n"
                                     "@/disc/MP3/Aurora Bell/1998 - First Light/02 Noon.mp3\r\n"
                                     "@/disc/MP3/Aurora Bell/2001 - Tides/Tide.mp3\r\n")
                                   .toUtf8());
    const QString dump = QString::fromUtf8(Run({"dump", "all.M3U"}).out);
    EXPECT_FALSE(dump.contains("a.jpg")) << dump.toStdString();
}

TEST_F(ScanTest, TakesTheTemplatesGiven)
{
    Write("home/MP3/07-Kestrel/03-Blue Hour (2004)/x.mp3", "");
    const CliResult r =
        Run({"scan", "home/MP3", "home.pl", "--artist", "%N-%I", "--album", "%N-%A (%Y)"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray list = Read("home.pl");
    EXPECT_TRUE(list.contains("[Artist]\r\nName=Kestrel\r\n")) << list.toStdString();
    EXPECT_TRUE(list.contains("[Album]\r\nName=Blue Hour\r\nYear=2004\r\n")) << list.toStdString();
}

TEST_F(ScanTest, NamesOutsideWindows1251GiveAUtf8List)
{
    Write("world/MP3/東京/1999 - Ωmega/a.mp3", "");
    ASSERT_EQ(Run({"scan", "world/MP3", "world.pl"}).exitCode, 0);
    const QByteArray list = Read("world.pl");
    EXPECT_TRUE(list.startsWith("\xEF\xBB\xBF[Common]\r\n"));
    EXPECT_TRUE(list.contains("Name=東京\r\n"));
    EXPECT_TRUE(list.contains("Name=Ωmega\r\n"));
}

TEST_F(ScanTest, TemplateErrorsWriteNothing)
{
    Write("old.pl", "old");
    const struct {
        QStringList options;
        const char *message;
    } cases[] = {
        {{"--artist", "Artist"}, "Неверный шаблон папок исполнителей!"},
        {{"--album", "%"}, "Неверный шаблон папок альбомов!"},
        {{"--artist", "%I%A"}, "Шаблоны не должны идти подряд!"},
        {{"--album", "%Y%z%A"}, "Неизвестный элемент шаблона"},
    };
    for (const auto &c : cases) {
        for (const char *out : {"new.pl", "old.pl"}) {
            const CliResult r = Run(QStringList({"scan", "disc/MP3", out}) + c.options);
            ExpectBadInput(r);
            EXPECT_EQ(QString::fromUtf8(r.err),
                      "lorvanta-list: " + QString::fromUtf8(c.message) + '\n');
        }
        EXPECT_FALSE(QFile::exists(Path("new.pl")));
        EXPECT_EQ(Read("old.pl"), "old");
    }
}

TEST_F(ScanTest, MisuseAndBadInputWriteNothing)
{
    Write("file.mp3", "");
    ExpectMisuse(Run({"scan", "disc/MP3"}));
    ExpectBadInput(Run({"scan", "disc/MP3", "out.txt"}));
    ExpectMisuse(Run({"scan", "disc/MP3", "out.pl", "--photos", "x"}));
    ExpectMisuse(Run({"scan", "disc/MP3", "out.pl", "--covers"}));
    ExpectBadInput(Run({"scan", "nothing", "out.pl"}));
    ExpectBadInput(Run({"scan", "file.mp3", "out.pl"}));
    ExpectMisuse(Run({"pack", "a.pl", "out.m3u", "--covers", "x"}));
    EXPECT_FALSE(QFile::exists(Path("out.pl")));
    EXPECT_FALSE(QFile::exists(Path("out.txt")));
}
