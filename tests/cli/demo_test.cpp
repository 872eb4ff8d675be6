// The demo disc: its list is what scan builds from its folders (plus what folders cannot say,
// added by its script), and check finds nothing wrong with it.
#include "clifixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kDemo = QStringLiteral(LORVANTA_DEMO_DIR);

QJsonObject Dump(const CliResult &result)
{
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return QJsonDocument::fromJson(result.out).object();
}

// The list without what demo/make-demo.sh adds after the scan: the disc-wide entries, the
// singer's picture-folder file and the photo of the song "Дом у реки".
QJsonArray ArtistsAsScanned(const QJsonObject &list)
{
    QJsonArray artists = list["artists"].toArray();
    QJsonObject singer = artists[1].toObject();
    EXPECT_EQ(singer["picPaths"].toString(), kDemo + "/lesnaya/pics.txt");
    singer["picPaths"] = QString();
    artists[1] = singer;
    QJsonObject band = artists[0].toObject();
    QJsonArray albums = band["albums"].toArray();
    QJsonObject album = albums[1].toObject();
    QJsonArray songs = album["songs"].toArray();
    QJsonObject song = songs[1].toObject();
    EXPECT_EQ(song["title"].toString(), "Дом у реки");
    EXPECT_EQ(song["picture"].toString(), kDemo + "/photos/stage.jpg");
    song["picture"] = QString();
    songs[1] = song;
    album["songs"] = songs;
    albums[1] = album;
    band["albums"] = albums;
    artists[0] = band;
    return artists;
}

} // namespace

TEST_F(CliTest, TheDemoListIsTheScanOfItsFoldersWithTheDiscWideEntriesAdded)
{
    const QJsonObject demo = Dump(Run({"dump", kDemo + "/Demo.pl"}));
    EXPECT_EQ(demo["about"].toString(), kDemo + "/readme.rtf");
    EXPECT_EQ(demo["photos"].toString(), kDemo + "/photos");
    EXPECT_EQ(demo["html"].toString(), kDemo + "/html/index.htm");
    EXPECT_EQ(demo["clips"].toString(), kDemo + "/clips");

    const CliResult scan =
        Run({"scan", "mp3", Path("scanned.pl"), "--covers", "covers", "--texts", "mp3", "--reviews",
             "reviews", "--histories", "histories", "--artist", "%N-%I"},
            kDemo);
    ASSERT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    const QJsonObject scanned = Dump(Run({"dump", Path("scanned.pl")}));
    EXPECT_EQ(ArtistsAsScanned(demo), scanned["artists"].toArray())
        << "demo/make-demo.sh no longer makes Demo.pl from the folders";
}

TEST_F(CliTest, TheDemoListPassesTheDiscAuthorsCheck)
{
    const CliResult r = Run({"check", kDemo + "/Demo.pl"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
}
