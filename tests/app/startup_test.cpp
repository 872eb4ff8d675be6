// Start-up and shutdown: which list the program starts with, and what it remembers.

#include "mainffixture.h"

#include "views/infopage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

TEST_F(MainFTest, WithoutListOrDiscTheTreeIsEmptyAndNothingListRelatedIsStored)
{
    Start();
    EXPECT_EQ(window->SongsLst->topLevelItemCount(), 0);
    EXPECT_EQ(window->DiskID, "NoID");
    EXPECT_EQ(window->windowTitle(), "Lorvanta 2.0");
    Stop();
    EXPECT_EQ(StoredInteger("PlayOnRun"), 1); // the whole set is written at exit
    EXPECT_FALSE(StoredText("LastList"));
    EXPECT_FALSE(StoredInteger("SongNumber"));
    TSettingsStore store(SettingsFile());
    store.OpenKey(MainSettingsKey, false);
    EXPECT_TRUE(store.GetKeyNames().isEmpty()); // no per-disc key
}

TEST_F(MainFTest, FirstOwnListBesideTheProgramGivesTheDiscIdentifier)
{
    WriteStandardList("prog/Rock.Best.pl");
    WriteList("prog/Zed.pl", {{"Other", {{"X", {"x"}}}}});
    Start();
    EXPECT_EQ(window->ListFileName, ProgramFolder() + "Rock.Best.pl");
    EXPECT_EQ(window->DiskID, "Rock");
    EXPECT_EQ(SongTitles(), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_TRUE(window->ListBound);
}

TEST_F(MainFTest, DiscFileNamesTheListAndTheIdentifier)
{
    WriteStandardList("prog/lists/disc.pl");
    WriteList("prog/Aaa.pl", {{"Other", {{"X", {"x"}}}}});
    Write("prog/lorvanta.ini", "; the disc\r\n[LORVANTA]\r\nPlayList=lists\\disc.pl\r\nDiskID=DISC7\r\n");
    Start();
    EXPECT_EQ(window->ListFileName, ProgramFolder() + "lists/disc.pl");
    EXPECT_EQ(window->DiskID, "DISC7");
    EXPECT_EQ(window->SongsLst->topLevelItemCount(), 2);
}

TEST_F(MainFTest, DiscFileWithoutListLoadsNothingEvenBesideAnOwnList)
{
    WriteStandardList("prog/Rock.pl");
    Write("prog/lorvanta.ini", "[lorvanta]\r\ndiskid=Only\r\n");
    Start();
    EXPECT_TRUE(window->ExpandedSongs.IsEmpty());
    EXPECT_EQ(window->DiskID, "Only");
}

TEST_F(MainFTest, ResumeLoadsTheLastListAtTheRememberedSong)
{
    const QString list = WriteStandardList("lists/last.pl");
    WriteStandardList("prog/Rock.pl"); // ignored: the remembered list wins
    WriteSettings(AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + list + "\"", "\"SongNumber\"=dword:00000003",
                               "\"PlayOnRun\"=dword:00000000"}));
    Start();
    EXPECT_EQ(window->ListFileName, list);
    EXPECT_EQ(window->DiskID, "NoID");
    EXPECT_EQ(SongIndex(), 3);
    EXPECT_EQ(window->SongsLst->Selected(), Node(0, 1, 0)); // song "d"
    window->PlayControl().SelectSong(4, false);
    Stop();
    EXPECT_EQ(StoredText("LastList"), list);
    EXPECT_EQ(StoredInteger("SongNumber"), 4);
}

TEST_F(MainFTest, RememberedM3UListIsReadAsM3UWhateverTheStoredTypeSays)
{
    const QString list = Write("lists/last.m3u", "#EXTINF:1,One\r\nb.mp3\r\n");
    WriteSettings(AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + list + "\"", "\"PlaylistType\"=dword:00000000",
                               "\"PlayOnRun\"=dword:00000000"}));
    Start();
    EXPECT_EQ(window->Settings.PlaylistType, 1);
    EXPECT_EQ(window->ListFileName, list);
    EXPECT_FALSE(window->ListBound); // so Save can never write an own list into it
    Stop();
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("#EXTINF:1,One\r\nb.mp3\r\n"));
}

TEST_F(MainFTest, CdStartKeepsPositionsPerDiscAndNeverTheLastList)
{
    const QString other = WriteStandardList("lists/other.pl");
    WriteStandardList("prog/Rock.pl");
    WriteSettings(AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + other + "\""}));
    TMainFOptions options = Options();
    options.RunFromCD = true;
    Start(options);
    EXPECT_EQ(window->ListFileName, ProgramFolder() + "Rock.pl");
    EXPECT_TRUE(window->RunFromCD);
    window->PlayControl().SelectSong(2, false);
    window->Settings.SongPicIdx = 1;
    Stop();
    EXPECT_EQ(StoredInteger("songindex", "Rock"), 2);
    EXPECT_EQ(StoredInteger("SongPicIdx", "Rock"), 1);
    EXPECT_EQ(StoredInteger("ClipIdx", "Rock"), 0);
    EXPECT_EQ(StoredText("LastList"), other); // kept as it was

    Start(options);
    EXPECT_EQ(SongIndex(), 2);
    EXPECT_EQ(window->Settings.SongPicIdx, 1);
}

TEST_F(MainFTest, SettingsSurviveARunAndSwitchesComeBack)
{
    WriteStandardList("prog/Rock.pl");
    WriteSettings(AllSettings({"\"SongFormat\"=\"%n. %S\"", "\"Shuffle\"=dword:00000001",
                               "\"Songs list width\"=dword:0000012c",
                               "\"Priority\"=dword:00000001", "\"PlayOnRun\"=dword:00000000"}));
    Start();
    EXPECT_FALSE(window->Settings.PlayOnRun);
    EXPECT_TRUE(window->PlayControl().ShuffleTB->isChecked());
    EXPECT_TRUE(window->PlayControl().ShuffleMI->isChecked());
    EXPECT_EQ(window->MP3Player().PlayerPriority(), TPlayPriority::Lowest);
    EXPECT_EQ(Node(0, 0, 1)->text(0), "2. b");
    window->PlayControl().RepeatTB->click();
    Stop();
    EXPECT_EQ(StoredText("SongFormat"), "%n. %S");
    EXPECT_EQ(StoredInteger("Shuffle"), 1);
    EXPECT_EQ(StoredInteger("Repeat"), 1);
    EXPECT_EQ(StoredInteger("Priority"), 1);
    EXPECT_EQ(StoredText("PlayingStr"), "playing");
    EXPECT_EQ(StoredInteger("Songs list width"), 300); // never shown: the stored width stays

    Start();
    EXPECT_TRUE(window->PlayControl().RepeatTB->isChecked());
    EXPECT_TRUE(window->PlayControl().NonStopMI->isChecked());
    window->show();
    window->Splitter1->setSizes({250, 500});
    Stop();
    EXPECT_EQ(StoredInteger("Songs list width"), 250);
}

TEST_F(MainFTest, RunEndingOnAnUnboundListKeepsEverySettingForTheNextStart)
{
    // As the options dialog leaves them after remembering was switched on in a run without a
    // list: no "SongNumber" yet.
    QStringList settings = AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                                        "\"CaptionFormat\"=\"%S\"", "\"HasLogFile\"=dword:00000001",
                                        "\"LogFileName\"=\"" + Path("state.txt") + "\"",
                                        "\"PlayOnRun\"=dword:00000000"});
    settings.removeIf([](const QString &line) { return line.startsWith("\"SongNumber\""); });
    WriteSettings(settings);
    Start(); // no list anywhere: the run ends unbound, and "SongNumber" is not written
    EXPECT_EQ(window->Settings.CaptionFormat, "%S");
    Stop();
    ASSERT_FALSE(StoredInteger("SongNumber"));
    Start();
    EXPECT_TRUE(window->Settings.SaveListFileNameOnExit);
    EXPECT_EQ(window->Settings.CaptionFormat, "%S");
    EXPECT_TRUE(window->Settings.HasLogFile);
    EXPECT_EQ(window->Settings.LogFileName, Path("state.txt"));
    EXPECT_FALSE(window->Settings.PlayOnRun);
    Stop();
    EXPECT_EQ(StoredText("CaptionFormat"), "%S");
}

TEST_F(MainFTest, AnEmptyCaptionFormatGivesABlankTitleNotTheProgramName)
{
    WriteStandardList("prog/Rock.pl");
    WriteSettings(AllSettings({"\"CaptionFormat\"=\"\""}));
    Start();
    ASSERT_TRUE(window->CurrentSong());
    EXPECT_TRUE(window->windowTitle().trimmed().isEmpty()) << window->windowTitle().toStdString();
    EXPECT_FALSE(window->windowTitle().isEmpty()) << "an empty title shows the application name";
}

TEST_F(MainFTest, OneMissingValueMakesTheWholeBlockFallBackToDefaults)
{
    QStringList settings = AllSettings({"\"PlayOnRun\"=dword:00000000", "\"SongFormat\"=\"%N\"",
                                        "\"Repeat\"=dword:00000001"});
    settings.removeIf([](const QString &line) { return line.startsWith("\"Shuffle\""); });
    WriteSettings(settings);
    Start();
    EXPECT_TRUE(window->Settings.PlayOnRun);
    EXPECT_EQ(window->Settings.SongFormat, "%S");
    EXPECT_EQ(window->Settings.PlayingStr, "воспроизведение");
    EXPECT_FALSE(window->PlayControl().RepeatTB->isChecked()); // read after the failing value
}

TEST_F(MainFTest, UnknownPriorityLeavesThePlayerAsItIs)
{
    WriteSettings(AllSettings({"\"Priority\"=dword:00000009"}));
    Start();
    EXPECT_EQ(window->MP3Player().PlayerPriority(), TPlayPriority::Normal);
}

TEST_F(MainFTest, CommandLineListReplacesTheStartUpChoice)
{
    WriteStandardList("prog/Rock.pl");
    const QString song = Write("music/solo.MP3", "");
    TMainFOptions options = Options();
    options.InitialList = song;
    Start(options);
    EXPECT_EQ(window->Settings.PlaylistType, 2);
    EXPECT_EQ(SongTitles(), QStringList({"solo.MP3"}));
    EXPECT_EQ(window->DiskID, "NoID"); // the disc beside the program is not this list
}

TEST_F(MainFTest, CommandLineM3u8ListAsTheFileManagerHandsItOver)
{
    Write("music/Утро.mp3", "");
    TMainFOptions options = Options();
    options.InitialList = Write("music/list.m3u8", "#EXTM3U\n#EXTINF:1,Утро\nУтро.mp3\n");
    Start(options);
    EXPECT_EQ(window->Settings.PlaylistType, 1);
    EXPECT_EQ(SongTitles(), QStringList({"Утро"}));
}

TEST_F(MainFTest, CommandLineListThatIsTheRememberedOneResumesItsSong)
{
    const QString list = WriteStandardList("lists/last.pl");
    WriteSettings(AllSettings({"\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"LastList\"=\"" + list + "\"", "\"SongNumber\"=dword:00000002"}));
    TMainFOptions options = Options();
    options.InitialList = list;
    Start(options);
    EXPECT_EQ(SongIndex(), 2);
}

TEST_F(MainFTest, ReadmeBesideTheProgramShowsAsDiscInformation)
{
    Write("prog/readme.txt", "\xcf\xf0\xe8\xe2\xe5\xf2"); // "Привет" in Windows-1251
    Start();
    EXPECT_TRUE(window->PageVisible(TMainF::InfoPage));
    EXPECT_TRUE(window->ViewItem(TMainF::InfoPage)->isEnabled());
    EXPECT_EQ(window->InfoTS->InfoRE->toPlainText(), "Привет");
    EXPECT_TRUE(window->InfoTS->InfoRE->isReadOnly());
}

TEST_F(MainFTest, WithoutReadmeOrAboutFileTheInformationPageIsHidden)
{
    Start();
    EXPECT_FALSE(window->PageVisible(TMainF::InfoPage));
    EXPECT_FALSE(window->ViewItem(TMainF::InfoPage)->isEnabled());
}

TEST_F(MainFTest, ListAboutFileWinsOverTheReadme)
{
    Write("prog/readme.txt", "readme");
    Write("prog/about.txt", "about the disc");
    WriteList("prog/Rock.pl", {{"A", {{"B", {"s"}}}}}, "About=about.txt\r\n");
    Start();
    EXPECT_TRUE(window->PageVisible(TMainF::InfoPage));
    EXPECT_EQ(window->InfoTS->InfoRE->toPlainText(), "about the disc");
}

TEST_F(MainFTest, MissingAboutFileHidesTheInformationPageDespiteTheReadme)
{
    Write("prog/readme.txt", "readme");
    WriteList("prog/Rock.pl", {{"A", {{"B", {"s"}}}}}, "About=gone.txt\r\n");
    Start();
    EXPECT_FALSE(window->PageVisible(TMainF::InfoPage));
}

TEST_F(MainFTest, UnreadableAboutFileIsReportedAndItsPageStaysEmpty)
{
    QDir().mkpath(ProgramFolder() + "about.txt"); // a folder cannot be read as a document
    WriteList("prog/Rock.pl", {{"A", {{"B", {"s"}}}}}, "About=about.txt\r\n");
    Start();
    ASSERT_EQ(prompt->Messages.size(), 1);
    EXPECT_EQ(prompt->Messages.first(), "Это папка, а не файл: " + ProgramFolder() + "about.txt");
    EXPECT_TRUE(window->PageVisible(TMainF::InfoPage));
    EXPECT_TRUE(window->InfoTS->InfoRE->toPlainText().isEmpty());
    EXPECT_EQ(window->ExpandedSongs.Count(), 1); // the rebuild went on
}

TEST_F(MainFTest, CommandLineFileOfNoKnownKindOpensNothing)
{
    WriteStandardList("prog/Rock.pl");
    TMainFOptions options = Options();
    options.InitialList = Write("notes.txt", "a.mp3\r\n");
    Start(options);
    EXPECT_TRUE(window->ExpandedSongs.IsEmpty());
    Stop();
    EXPECT_EQ(StoredInteger("PlaylistType"), 0);
}
