// The demo disc: its list is what scan builds from its folders, plus what folders cannot say
// (added by its script), and the disc author's check finds nothing wrong with it.
#include "clifixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kDemo = QStringLiteral(LORVANTA_DEMO_DIR);

// value with every text that is one of removed emptied, at any depth.
QJsonValue Without(const QJsonValue &value, const QStringList &removed)
{
    if (value.isString()) return removed.contains(value.toString()) ? QString() : value;
    QJsonArray array = value.toArray();
    for (QJsonValueRef item : array)
        item = Without(item, removed);
    QJsonObject object = value.toObject();
    for (QJsonValueRef item : object)
        item = Without(item, removed);
    return value.isArray() ? QJsonValue(array) : value.isObject() ? QJsonValue(object) : value;
}

} // namespace

TEST_F(CliTest, TheDemoListIsTheScanOfItsFoldersAndPassesTheCheck)
{
    const CliResult scan =
        Run({"scan", "mp3", Path("scanned.pl"), "--covers", "covers", "--texts", "mp3", "--reviews",
             "reviews", "--histories", "histories", "--artist", "%N-%I"},
            kDemo);
    ASSERT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    const QJsonObject scanned =
        QJsonDocument::fromJson(Run({"dump", Path("scanned.pl")}).out).object();
    const QJsonObject demo =
        QJsonDocument::fromJson(Run({"dump", kDemo + "/Demo.pl"}).out).object();
    // Added by the script: the disc-wide entries, the singer's picture folders, a song's photo.
    EXPECT_EQ(demo["clips"].toString(), kDemo + "/clips");
    const QStringList added = {kDemo + "/lesnaya/pics.txt", kDemo + "/photos/stage.jpg"};
    EXPECT_EQ(Without(demo["artists"], added), scanned["artists"])
        << "demo/make-demo.sh no longer makes Demo.pl from the folders";

    const CliResult check = Run({"check", kDemo + "/Demo.pl"});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(check.out.isEmpty()) << check.out.toStdString();
}
