// Open, Save, Save As, the close query, and how each changes the list's identity.

#include "mainffixture.h"

#include "app/listtypes.h"
#include "app/qtprompt.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMetaObject>
#include <QUrl>

namespace {

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ListCommandsTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        ownList = WriteStandardList("lists/own.pl");
        m3uList = Write("lists/two.m3u", "#EXTM3U\r\n#EXTINF:1,One\r\n" +
                                             Path("lists/a.mp3").toUtf8() + "\r\nb.mp3\r\n");
        soundFile = Path("lists/a.mp3");
        Start();
        window->FormActivate(); // until then every rebuild waits for the first content scan
    }
    void Open(const QString &fileName, int filter)
    {
        prompt->AnswerFile(fileName, filter);
        window->ActionNamed("Open")->trigger();
    }
    void ExpectIdentity(int type, const QString &file, bool bound, bool modified)
    {
        EXPECT_EQ(window->Settings.PlaylistType, type);
        EXPECT_EQ(window->ListFileName, file);
        EXPECT_EQ(window->ListBound, bound);
        EXPECT_EQ(window->ListModified, modified);
    }
    QString ownList, m3uList, soundFile;
};

TEST_F(ListCommandsTest, OpenDialogOffersTheFourFiltersAndTheLoadersSetTheIdentity)
{
    Open(m3uList, 2);
    EXPECT_EQ(prompt->Asked.first(), "open: " + OpenDialogFilter);
    EXPECT_EQ(SongTitles(), QStringList({"One", "b.mp3"}));
    ExpectIdentity(1, m3uList, false, false);
    EXPECT_FALSE(window->ActionNamed("FileInfoMI")->isEnabled());
    EXPECT_FALSE(window->ActionNamed("N17")->isEnabled());

    Open(ownList, 1);
    ExpectIdentity(0, ownList, true, false);
    EXPECT_TRUE(window->ActionNamed("FileInfoMI")->isEnabled());

    Open(soundFile, 3);
    ExpectIdentity(2, soundFile, false, false);
    EXPECT_EQ(SongTitles(), QStringList({"a.mp3"}));
}

TEST_F(ListCommandsTest, AllSupportedFilesChoosesTheLoaderByExtension)
{
    const QString upper = Write("lists/UP.M3U", "a.mp3\r\n");
    Open(upper, 4);
    EXPECT_EQ(window->Settings.PlaylistType, 1);
    Open(soundFile, 4);
    EXPECT_EQ(window->Settings.PlaylistType, 2);
    Open(ownList, 4);
    EXPECT_EQ(window->Settings.PlaylistType, 0);
    const QString text = Write("lists/notes.txt", "a.mp3\r\n");
    Open(text, 4);
    ExpectIdentity(0, ownList, true, false); // nothing loaded
    EXPECT_EQ(window->ExpandedSongs.Count(), 6);
}

TEST_F(ListCommandsTest, AnM3u8ListWithAStreamOpensItsFilesAndSaysWhatWasLeftOut)
{
    QByteArray text = "#EXTM3U\n";
    for (int i = 1; i <= 7; ++i)
        text += "http://radio.example/" + QByteArray::number(i) + "\n";
    text += QUrl::fromLocalFile(Path("lists/a.mp3")).toEncoded() + "\n";
    const QString list = Write("lists/desk.m3u8", text);
    prompt->Messages.clear();
    Open(list, 4);
    ExpectIdentity(1, list, false, false);
    EXPECT_EQ(SongTitles(), QStringList({"a.mp3"}));
    EXPECT_EQ(prompt->Messages,
              QStringList({"Сетевые адреса пропущены: программа воспроизводит только файлы.\n\n"
                           "http://radio.example/1\nhttp://radio.example/2\n"
                           "http://radio.example/3\nhttp://radio.example/4\n"
                           "http://radio.example/5\n... и еще 2"}));

    prompt->AnswerFile(Path("out/again"), 4);
    window->SaveAsMIClick();
    ExpectIdentity(1, Path("out/again.m3u8"), true, false);
    EXPECT_EQ(ReadAll(Path("out/again.m3u8")), Path("lists/a.mp3").toUtf8() + "\r\n");
}

TEST_F(ListCommandsTest, OpenStartsAtTheFirstSongAndCancelChangesNothing)
{
    Open(ownList, 1);
    window->PlayControl().SelectSong(3, false);
    window->Settings.SongPicIdx = 2;
    window->Settings.ClipIdx = 2;
    prompt->CancelFile();
    window->OpenMIClick();
    EXPECT_EQ(SongIndex(), 3);
    Open(ownList, 1);
    EXPECT_EQ(SongIndex(), 0);
    EXPECT_EQ(window->Settings.SongPicIdx, 0);
    EXPECT_EQ(window->Settings.ClipIdx, 2);
}

TEST_F(ListCommandsTest, MissingFilesLeaveTheCurrentListForM3UAndSoundFiles)
{
    Open(ownList, 1);
    window->LoadM3U(Path("lists/none.m3u"));
    window->LoadSingleFile(Path("lists/none.mp3"));
    ExpectIdentity(0, ownList, true, false);
    EXPECT_EQ(window->ExpandedSongs.Count(), 6);
}

TEST_F(ListCommandsTest, ASongEndingWhileAListLoadsNeverReachesTheReleasedLibrary)
{
    Open(ownList, 1);
    window->PlayControl().SelectSong(4, true);
    const QString other = WriteList("lists/other.pl", {{"Red", {{"Late", {"v", "w", "x", "y", "z"}}}}});
    // The reader lets events run before each album: the song's end is handled in the middle of
    // the load, when the old library is gone and the new one is not yet flattened.
    bool handled = false;
    QMetaObject::invokeMethod(
        window.get(),
        [&] {
            window->PlayControl().NextTBClick();
            EXPECT_EQ(window->CurrentSong(), nullptr);
            handled = true;
        },
        Qt::QueuedConnection);
    window->LoadPlaylist(other);
    EXPECT_TRUE(handled);
    EXPECT_EQ(SongTitles(), QStringList({"v", "w", "x", "y", "z"}));
    ASSERT_NE(window->CurrentSong(), nullptr); // the end found no song: the position stayed
    EXPECT_EQ(window->CurrentSong()->Title(), "z");
    EXPECT_EQ(window->CurrentSong()->Artist(), "Red");
}

TEST_F(ListCommandsTest, SaveAsAddsTheExtensionOnlyWhenMissing)
{
    Open(ownList, 1);
    prompt->AnswerFile(Path("out/list"), 1);
    window->SaveAsMIClick();
    EXPECT_EQ(prompt->Asked.last(), "save: " + SaveDialogFilter);
    ExpectIdentity(0, Path("out/list.pl"), true, false);
    EXPECT_TRUE(QFileInfo::exists(Path("out/list.pl")));

    prompt->AnswerFile(Path("out/LIST.PL"), 1);
    window->SaveAsMIClick();
    EXPECT_EQ(window->ListFileName, Path("out/LIST.PL"));

    prompt->AnswerFile(Path("out/songs"), 2);
    window->SaveAsMIClick();
    ExpectIdentity(1, Path("out/songs.m3u"), true, false);
    EXPECT_TRUE(ReadAll(Path("out/songs.m3u")).startsWith(Path("lists/a.mp3").toUtf8() + "\r\n"));
}

TEST_F(ListCommandsTest, SaveAsPackKeepsTheIdentity)
{
    Open(ownList, 1);
    window->ListModified = true;
    prompt->AnswerFile(Path("out/pack.m3u"), 3);
    window->SaveAsMIClick();
    ExpectIdentity(0, ownList, true, true);
    EXPECT_TRUE(QFileInfo::exists(Path("out/pack.m3u")));
    EXPECT_TRUE(QFileInfo::exists(Path("out/Green/All Green.m3u")));
}

TEST_F(ListCommandsTest, SaveWritesTheBoundFileOrAsksForOne)
{
    Open(m3uList, 2);
    prompt->AnswerFile(Path("out/fresh.pl"), 1); // not bound: Save goes to Save As
    window->ActionNamed("SaveMI")->trigger();
    ExpectIdentity(0, Path("out/fresh.pl"), true, false);

    window->Artists[0].Name = "Renamed";
    window->ListModified = true;
    window->SaveMIClick();
    EXPECT_FALSE(window->ListModified);
    EXPECT_TRUE(ReadAll(Path("out/fresh.pl")).contains("Name=Renamed"));
}

TEST_F(ListCommandsTest, SaveNeverWritesTheOwnFormatIntoTheBoundM3UFile)
{
    Open(ownList, 1);
    prompt->AnswerFile(Path("out/bound.m3u"), 2);
    window->SaveAsMIClick();
    window->Settings.PlaylistType = 0; // as New does before its editor may be cancelled
    window->ListModified = true;
    window->SaveMIClick();
    const QByteArray written = ReadAll(Path("out/bound.m3u"));
    EXPECT_FALSE(written.contains("[Common]"));
    EXPECT_TRUE(written.startsWith(Path("lists/a.mp3").toUtf8()));
    EXPECT_TRUE(window->ListModified); // an M3U list cannot hold what else changed
}

TEST_F(ListCommandsTest, SaveOfABoundListOfAnotherKindIsNotSupported)
{
    window->ListBound = true;
    window->BoundListType = 2;
    window->SaveMIClick();
    EXPECT_EQ(prompt->Messages, QStringList({"Не поддерживается"}));
}

TEST_F(ListCommandsTest, WriteErrorIsShownAndTheIdentityStays)
{
    Open(m3uList, 2);
    Write("blocked", "a file where a folder should be");
    prompt->AnswerFile(Path("blocked/list.pl"), 1);
    window->ActionNamed("SaveAsMI")->trigger();
    ASSERT_EQ(prompt->Messages.size(), 1);
    EXPECT_FALSE(prompt->Messages.first().isEmpty());
    ExpectIdentity(1, m3uList, false, false);
}

TEST_F(ListCommandsTest, CloseQueryAsksOnlyForAModifiedList)
{
    EXPECT_TRUE(window->FormCloseQuery());
    window->ListModified = true;
    prompt->AnswerMessage(TPrompt::TAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompt->Messages.last(), "Списох воспроизведения не сохранен. Сохранить его?");
    prompt->AnswerMessage(TPrompt::TAnswer::No);
    EXPECT_TRUE(window->close());
}

TEST_F(ListCommandsTest, CloseQueryYesSavesTheBoundList)
{
    Open(ownList, 1);
    window->Artists[0].Name = "Saved at exit";
    window->ListModified = true;
    prompt->AnswerMessage(TPrompt::TAnswer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(ReadAll(ownList).contains("Name=Saved at exit"));
}

TEST_F(ListCommandsTest, CloseQueryYesWithACancelledSaveDialogStillCloses)
{
    Open(m3uList, 2);
    window->ListModified = true;
    prompt->AnswerMessage(TPrompt::TAnswer::Yes);
    prompt->CancelFile();
    EXPECT_TRUE(window->close());
}

TEST_F(ListCommandsTest, CloseQueryYesWithAFailingSaveKeepsTheWindowOpen)
{
    Open(ownList, 1);
    window->ListModified = true;
    QFile::remove(ownList);
    QDir().mkpath(ownList); // a folder where the list was: it cannot be written
    prompt->AnswerMessage(TPrompt::TAnswer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompt->Messages.size(), 2); // the question, then the error
    window->ListModified = false;
}

TEST_F(ListCommandsTest, SignalCloseSkipsTheQuestionAndWritesTheSettingsOnce)
{
    Open(ownList, 1);
    window->ListModified = true;
    window->CloseWithoutQuery();
    EXPECT_TRUE(prompt->Messages.isEmpty());
    EXPECT_EQ(StoredInteger("PlaylistType"), 0);
    QFile::remove(SettingsFile());
    Stop(); // the destructor finds the shutdown done
    EXPECT_FALSE(QFileInfo::exists(SettingsFile()));
}

TEST_F(ListCommandsTest, ListsOpenWithoutTheDecoderToo)
{
    Stop();
    TMainFOptions options = Options();
    options.DecoderFolder = Path("nowhere");
    Start(options);
    Open(ownList, 1);
    EXPECT_EQ(window->ExpandedSongs.Count(), 6);
    window->FormActivate();
    EXPECT_FALSE(window->Rebuilding);
    EXPECT_EQ(prompt->Messages.size(), 1); // only the decoder's error at start
}

TEST(QtPromptTest, FiltersBecomeQtNameFilters)
{
    EXPECT_EQ(QtNameFilters(OpenDialogFilter),
              QStringList({"\"Родной\" список воспроизведения (*.pl) (*.pl)",
                           "M3U-лист (*.m3u, *.m3u8) (*.m3u *.m3u8)",
                           "Звук с MPEG-зжатием  (*.mp1, *.mp2, *,mp3) (*.mp1 *.mp2 *.mp3)",
                           "Все поддерживаемые файлы (*.pl *.mp1 *.mp2 *.mp3 *.m3u *.m3u8)"}));
    EXPECT_EQ(QtNameFilters("Only a description"), QStringList());
}

TEST(QtPromptTest, TheFileDialogShowsTheCaptionsAsTheyAreAndFiltersByPosition)
{
    QFileDialog dialog;
    SetUpFileDialog(dialog, OpenDialogFilter, 3);
    const auto *combo = dialog.findChild<QComboBox *>("fileTypeCombo");
    ASSERT_TRUE(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    EXPECT_EQ(
        shown,
        QStringList({"\"Родной\" список воспроизведения (*.pl)", "M3U-лист (*.m3u, *.m3u8)",
                     "Звук с MPEG-зжатием  (*.mp1, *.mp2, *,mp3)", "Все поддерживаемые файлы"}));
    EXPECT_EQ(ChosenFilterIndex(dialog), 3);
    EXPECT_EQ(dialog.findChild<QFileSystemModel *>()->nameFilters(),
              QStringList({"*.mp1", "*.mp2", "*.mp3"}));
}

TEST_F(ListCommandsTest, OnlyAnOwnListLoadEmptiesTheCoverCache)
{
    window->CoverCache.Add();
    Open(m3uList, 2);
    EXPECT_EQ(window->CoverCache.Count(), 1);
    Open(ownList, 1);
    EXPECT_TRUE(window->CoverCache.IsEmpty());
    EXPECT_EQ(window->PlayControl().PanelText(8), QString()); // "Загрузка..." is gone
}

TEST_F(ListCommandsTest, CloseArrivingWhileAListIsReadWaitsForTheRead)
{
    // The signal close is delivered by the events the reader lets run between albums.
    QMetaObject::invokeMethod(window.get(), [this] { window->CloseWithoutQuery(); },
                              Qt::QueuedConnection);
    Open(ownList, 1);
    EXPECT_EQ(window->Artists.Count(), 2);
    EXPECT_FALSE(StoredInteger("PlayOnRun")); // not yet closed
    QCoreApplication::processEvents();
    EXPECT_EQ(StoredText("PlayingStr"), "воспроизведение"); // closed, settings written
}
