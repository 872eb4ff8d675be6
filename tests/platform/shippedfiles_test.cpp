#include "platform/shippedfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ShippedPaths, BesideTheProgramFirstThenTheInstalledPlaceOfItsKind)
{
    EXPECT_EQ(ShippedPaths("/opt/x/bin", "mpegdll.so", TShippedKind::Library),
              (QStringList{"/opt/x/bin/mpegdll.so", "/opt/x/lib/lorvanta/mpegdll.so"}));
    EXPECT_EQ(ShippedPaths("/usr/bin/", "help", TShippedKind::Data),
              (QStringList{"/usr/bin/help", "/usr/share/lorvanta/help"}));
}

TEST(FindShipped, TakesTheFirstThatExistsAndNamesTheFirstWhenNoneDoes)
{
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("bin") && dir.mkpath("share/lorvanta/help"));
    const QString bin = dir.filePath("bin");
    EXPECT_EQ(FindShipped(bin, "help", TShippedKind::Data), dir.filePath("share/lorvanta/help"));
    ASSERT_TRUE(dir.mkpath("bin/help"));
    EXPECT_EQ(FindShipped(bin, "help", TShippedKind::Data), dir.filePath("bin/help"));
    EXPECT_EQ(FindShipped(bin, "mpegdll.so", TShippedKind::Library), dir.filePath("bin/mpegdll.so"));
}
