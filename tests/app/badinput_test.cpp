// Bad input at start-up: the program starts, shows what it can, and loses nothing.

#include "mainffixture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

TEST_F(MainFTest, GarbageSettingsFileIsKeptAsideAndDefaultsApply)
{
    QByteArray garbage(4096, '\0');
    for (char &byte : garbage)
        byte = char(QRandomGenerator::global()->bounded(256));
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();
    WriteStandardList("prog/Rock.pl");
    Start();
    EXPECT_TRUE(window->Settings.PlayOnRun);
    EXPECT_EQ(window->ExpandedSongs.Count(), 6);
    Stop();
    const QStringList aside =
        QDir(QFileInfo(SettingsFile()).path()).entryList({"lorvanta.reg.bad-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(SettingsFile()).path() + '/' + aside.first());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
    EXPECT_EQ(StoredInteger("songindex", "Rock"), 0);
}

TEST_F(MainFTest, BinaryDiscFileGivesNoListAndNoIdentifier)
{
    QByteArray bytes;
    for (int i = 0; i < 2000; ++i)
        bytes += char(i * 37 % 256);
    Write("prog/lorvanta.ini", bytes);
    Start();
    EXPECT_TRUE(window->ExpandedSongs.IsEmpty());
    EXPECT_EQ(window->DiskID, "NoID");
}

TEST_F(MainFTest, RememberedListThatIsGoneGivesAnEmptyListBoundToItsName)
{
    const QString gone = Path("lists/gone.pl");
    WriteSettings(AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + gone + "\"", "\"SongNumber\"=dword:00000005"}));
    Start();
    EXPECT_EQ(window->SongsLst->topLevelItemCount(), 0);
    EXPECT_EQ(window->ListFileName, gone);
    EXPECT_TRUE(window->ListBound);
    Stop();
    EXPECT_EQ(StoredText("LastList"), gone); // still remembered for when the disc comes back
}

TEST_F(MainFTest, RememberedListNamingAFolderStartsEmpty)
{
    QDir().mkpath(Path("lists/folder.pl"));
    WriteSettings(AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + Path("lists/folder.pl") + "\""}));
    Start();
    EXPECT_TRUE(window->ExpandedSongs.IsEmpty());
    EXPECT_TRUE(prompt->Messages.isEmpty());
}

TEST_F(MainFTest, ListOfAThousandMissingFilesShowsItsTreeAndPlaysNothing)
{
    QStringList titles;
    for (int i = 0; i < 1000; ++i)
        titles << QString("missing%1").arg(i);
    WriteList("prog/Rock.pl", {{"Ghost", {{"Nowhere", titles}}}});
    Start();
    EXPECT_EQ(window->ExpandedSongs.Count(), 1000);
    EXPECT_EQ(Node(0, 0)->childCount(), 1000);
    EXPECT_EQ(window->SongsLst->Selected(), nullptr);
    EXPECT_NE(window->MP3Player().PlayerMode(), 3);
    EXPECT_TRUE(prompt->Messages.isEmpty());
}

TEST_F(MainFTest, MissingDecoderShowsTheErrorAndLeavesTheSettingsAlone)
{
    WriteStandardList("prog/Rock.pl");
    const QStringList settings = AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001"});
    WriteSettings(settings);
    QFile before(SettingsFile());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray stored = before.readAll();

    TMainFOptions options = Options();
    options.DecoderFolder = Path("nowhere");
    Start(options);
    EXPECT_FALSE(window->DecoderLoaded());
    ASSERT_EQ(prompt->Messages.size(), 1);
    EXPECT_EQ(window->SongsLst->topLevelItemCount(), 0);
    EXPECT_EQ(window->ListFileName, QString());
    Stop();

    QFile after(SettingsFile());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), stored);
}
