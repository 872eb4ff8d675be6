#include "platform/ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase)
{
    TIniFile ini;
    ini.Parse("; disc file\r\n[Lorvanta]\r\nPlayList = disc.pl \r\nDISKID=Демо\r\n"
              "playlist=second.pl\r\n[other]\r\nplaylist=x\r\n");
    EXPECT_TRUE(ini.HasSection("lorvanta"));
    EXPECT_EQ(ini.ReadString("lorvanta", "playlist"), "disc.pl"); // first occurrence wins
    EXPECT_EQ(ini.ReadString("LORVANTA", "DiskId"), "Демо");
    EXPECT_EQ(ini.ReadString("Other", "PLAYLIST"), "x");
    EXPECT_EQ(ini.ReadString("lorvanta", "missing", "default"), "default");
    EXPECT_EQ(ini.ReadString("missing", "playlist", "default"), "default");
    EXPECT_FALSE(ini.HasSection("missing"));
}

TEST(IniFile, ToleratesOddInput)
{
    TIniFile ini;
    ini.Parse("key=before any section\r[s]\rk=v\r=no key\rjunk line\r[unclosed\rk2=v2");
    EXPECT_EQ(ini.ReadString("s", "k"), "v");
    EXPECT_EQ(ini.ReadString("s", "key"), "");
    EXPECT_EQ(ini.ReadString("unclosed", "k2"), "v2");

    ini.Parse(QByteArray("[s]\nk=a\0b\nk2=c", 14));
    EXPECT_EQ(ini.ReadString("s", "k"), "a");
    EXPECT_EQ(ini.ReadString("s", "k2"), "");

    ini.Parse("[s]\nname=\xCF\xF0\xE8\n"); // Windows-1251
    EXPECT_EQ(ini.ReadString("s", "name"), "При");
}

TEST(IniFile, LoadsFilesAndReportsMissingOnes)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("lorvanta.ini");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[lorvanta]\nplaylist=demo.pl\n");
    file.close();
    TIniFile ini;
    EXPECT_TRUE(ini.Load(name));
    EXPECT_EQ(ini.ReadString("lorvanta", "playlist"), "demo.pl");
    EXPECT_FALSE(ini.Load(dir.filePath("missing.ini")));
    EXPECT_FALSE(ini.HasSection("lorvanta"));
    EXPECT_FALSE(ini.Load(dir.path()));
}
