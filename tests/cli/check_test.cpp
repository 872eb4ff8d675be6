// check: a disc author's check of every file a list names, one JSON line per problem.
#include "clifixture.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray Fixture(const char *relative)
{
    QFile file(QStringLiteral(LORVANTA_TEST_DATA "/") + QLatin1String(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative;
    return file.readAll();
}

// A small disc in which every file the list names is there and reads.
class CheckTest : public CliTest {
protected:
    void SetUp() override
    {
        Write("readme.rtf", "{\\rtf1\\ansi О диске\\par}");
        Write("photos/stage.jpg", Fixture("pictures/photo.jpg"));
        Write("html/index.htm", "<html></html>");
        Write("clips/clip.mpg", "");
        Write("bell/history.rtf", "{\\rtf1 {\\b Aurora} Bell}");
        Write("bell/pics.txt", "foto\r\n\r\n../photos\r\n");
        Write("bell/foto/1.gif", Fixture("pictures/anim.gif"));
        Write("bell/first/cover.jpg", Fixture("pictures/progressive.jpg"));
        Write("bell/first/review.txt", "Хороший альбом");
        Write("bell/first/01.mp3", Fixture("audio/cbr64-32k-mono.mp3"));
        Write("bell/first/dawn.wmf", Fixture("pictures/drawing.wmf"));
        Write("bell/first/01.rtf", "{\\rtf1 Рассвет}");
        Write("bell/first/02.mp2", Fixture("audio/layer2-48k-dual.mp2"));
        Write("bell/first/02.txt", "Полдень");
        WriteCp1251("disc.pl", kCleanList);
    }

    // The report's lines, each as "problem section key artist.album.song file", the file
    // relative to the temporary folder.
    QStringList Problems(const CliResult &result) const
    {
        QStringList problems;
        for (const QByteArray &line : result.out.split('\n')) {
            if (line.isEmpty()) continue;
            const QJsonObject problem = QJsonDocument::fromJson(line).object();
            const QJsonObject entry = problem["entry"].toObject();
            EXPECT_FALSE(problem["detail"].toString().isEmpty()) << line.constData();
            problems << QStringLiteral("%1 %2 %3 %4.%5.%6 %7")
                            .arg(problem["problem"].toString(), entry["section"].toString(),
                                 entry["key"].toString())
                            .arg(entry["artist"].toInt())
                            .arg(entry["album"].toInt())
                            .arg(entry["song"].toInt())
                            .arg(QString(problem["file"].toString()).remove(fDir.path() + '/'));
        }
        return problems;
    }

    static constexpr const char *kCleanList =
        "[Common]\nAbout=readme.rtf\nPhotos=photos\nHTML=html\\index.htm\nClips=clips\n"
        "[Artist]\nName=Aurora Bell\nHistory=bell\\history.rtf\nPicPaths=bell\\pics.txt\n"
        "Albums=1\n\n"
        "[Album]\nName=First Light\nYear=1998\nPicture=bell\\first\\cover.jpg\n"
        "Retsenzia=bell\\first\\review.txt\nSongs=2\n\n"
        "[Song]\nTitle=Dawn\nFile=bell\\first\\01.mp3\nPicture=bell\\first\\dawn.wmf\n"
        "Text=bell\\first\\01.rtf\n\n"
        "[Song]\nTitle=Noon\nFile=bell\\first\\02.mp2\nText=bell\\first\\02.txt\n\n";
};

} // namespace

TEST_F(CheckTest, ACleanListPrintsNothingAndSucceeds)
{
    Write("all.m3u", "#EXTM3U\r\nbell/first/01.mp3\r\nbell/first/02.mp2\r\n");
    for (const char *list : {"disc.pl", "all.m3u", "bell/first/01.mp3"}) {
        const CliResult r = Run({"check", list});
        EXPECT_EQ(r.exitCode, 0) << list << ": " << r.out.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << list;
        EXPECT_TRUE(r.err.isEmpty()) << list << ": " << r.err.toStdString();
    }
}

TEST_F(CheckTest, ReportsEachProblemOnALineOfItsOwnInListOrder)
{
    Write("bell/cut.rtf", "{\\rtf1 {\\b cut short");
    Write("bell/fake.rtf", "not rtf at all");
    Write("bell/badpics.txt", "foto\r\nnowhere\r\n");
    Write("bell/broken.jpg", Fixture("audio/garbage.mp3"));
    Write("bell/garbage.mp3", Fixture("audio/garbage.mp3"));
    Write("bell/picture.mp3", Fixture("audio/picture.mp3"));
    Write("bell/empty.mp3", "");
    WriteCp1251("faulty.pl",
                "[Common]\nAbout=README.rtf\nPhotos=bell\\pics.txt\nHTML=html\\missing.htm\n"
                "Clips=E:\\clips\n"
                "[Artist]\nName=Aurora Bell\nHistory=bell\\cut.rtf\nPicPaths=bell\\badpics.txt\n"
                "Albums=1\n\n"
                "[Album]\nName=Broken\nPicture=bell\\broken.jpg\nRetsenzia=bell\\fake.rtf\n"
                "Songs=4\n\n"
                "[Song]\nTitle=Garbage\nFile=bell\\garbage.mp3\nText=bell\n\n"
                "[Song]\nTitle=Picture\nFile=bell\\picture.mp3\nPicture=bell\\broken.jpg\n\n"
                "[Song]\nTitle=Case\nFile=BELL\\First\\01.MP3\n\n"
                "[Song]\nTitle=Empty\nFile=bell\\empty.mp3\n\n");
    const CliResult r = Run({"check", "faulty.pl"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(Problems(r), QStringList({
                               "case Common About 0.0.0 README.rtf",
                               "not-folder Common Photos 0.0.0 bell/pics.txt",
                               "missing Common HTML 0.0.0 html/missing.htm",
                               "foreign Common Clips 0.0.0 E:\\clips",
                               "bad-text Artist History 1.0.0 bell/cut.rtf",
                               "missing Artist PicPaths 1.0.0 bell/nowhere/",
                               "bad-picture Album Picture 1.1.0 bell/broken.jpg",
                               "bad-text Album Retsenzia 1.1.0 bell/fake.rtf",
                               "not-mpeg Song File 1.1.1 bell/garbage.mp3",
                               "not-file Song Text 1.1.1 bell",
                               "not-mpeg Song File 1.1.2 bell/picture.mp3",
                               "bad-picture Song Picture 1.1.2 bell/broken.jpg",
                               "case Song File 1.1.3 BELL/First/01.MP3",
                               "not-mpeg Song File 1.1.4 bell/empty.mp3",
                           }));
    EXPECT_TRUE(r.out.endsWith("}\n"));
}

TEST_F(CheckTest, ACaseOnlyMatchNamesTheFileFoundAndItsEntry)
{
    WriteCp1251("case.pl", "[Common]\n[Artist]\nName=Aurora Bell\nAlbums=1\n\n"
                           "[Album]\nName=First Light\nSongs=1\n\n"
                           "[Song]\nTitle=Dawn\nFile=Bell\\first\\01.mp3\n\n");
    const CliResult r = Run({"check", "case.pl"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.out),
              InDir(R"({"file":"@/Bell/first/01.mp3","problem":"case","detail":"Найден только )"
                    R"(без учёта регистра букв: на копии диска, где регистр различается, не )"
                    R"(найдётся","found":"@/bell/first/01.mp3","entry":{"section":"Song",)"
                    R"("key":"File","artist":1,"album":1,"song":1,"title":"Dawn"}})"
                    "\n"));
}

TEST_F(CheckTest, AnM3uListNamesItsSongsAsTheSongsOfOneAlbum)
{
    Write("bell/none.txt", "");
    Write("mixed.m3u", "bell/first/01.mp3\r\n#EXTINF:1,Кто-то - Нигде\r\nbell/none.mp3\r\n"
                       "bell/none.txt\r\n");
    const CliResult r = Run({"check", "mixed.m3u"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Problems(r), QStringList({"missing Song File 1.1.2 bell/none.mp3",
                                        "not-mpeg Song File 1.1.3 bell/none.txt"}));
    EXPECT_TRUE(r.out.contains(R"("title":"Кто-то - Нигде")")) << r.out.toStdString();
}

TEST_F(CheckTest, BadInputIsReportedLikeTheOtherCommands)
{
    Write("notes.txt", "");
    ExpectMisuse(Run({"check"}));
    ExpectBadInput(Run({"check", "none.pl"}));
    ExpectBadInput(Run({"check", "notes.txt"}));
    ExpectBadInput(Run({"check", "bell"}));
    ExpectMisuse(Run({"check", "disc.pl", "other.pl"}));
    ExpectMisuse(Run({"check", "disc.pl", "--covers", "x"}));
    const CliResult r = Run({"check", "none.pl"});
    EXPECT_EQ(QString::fromUtf8(r.err), InDir("lorvanta-list: Файл не найден: @/none.pl\n"));
}
