#include "views/id3taginfof.h"
#include "views/songdialogs.h"

#include "songfixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

// What the technical dialog showed when it was on screen.
struct TShown {
    QString Caption, FileName, Title, Artist, Album, Year, Genre, Comment;
    QStringList Memo;
};

class TechnicalDialogTest : public SongDialogTest {
protected:
    // Opens the dialog for song through the main window's entry and returns what it showed.
    TShown ShowProperties()
    {
        TShown shown;
        prompt.AnswerModal([&shown](QWidget *widget) {
            auto *dialog = qobject_cast<TID3TagInfoF *>(widget);
            ASSERT_NE(dialog, nullptr);
            shown = {dialog->windowTitle(), dialog->FNameEd->text(), dialog->TitleED->text(),
                     dialog->ArtistED->text(), dialog->AlbumED->text(), dialog->YearED->text(),
                     dialog->GenreED->text(), dialog->CommentED->text(),
                     dialog->Memo1->toPlainText().split('\n', Qt::SkipEmptyParts)};
        }, 1);
        ShowSongProperties(&mainWindow, &song);
        return shown;
    }

    void ExpectPlaceholders(const TShown &shown)
    {
        EXPECT_EQ(shown.Title, "<не указано>");
        EXPECT_EQ(shown.Artist, "<не указан>");
        EXPECT_EQ(shown.Album, "<не указан>");
        EXPECT_EQ(shown.Year, "<?>");
        EXPECT_EQ(shown.Genre, "<не указан>");
        EXPECT_EQ(shown.Comment, "<не указан>");
    }
};

TEST_F(TechnicalDialogTest, TaggedFileShowsTagAndStreamLines)
{
    TTagFields fields{"Song", "Artist  ", "Album", "1999", "Comment", 147};
    const QString path = WriteSoundFile("tagged.mp3", 1000, Id3v1Tag(fields));
    fakempegdll::SetLength(215999);
    OpenInPlayer(path);

    const TShown shown = ShowProperties();
    EXPECT_EQ(shown.Caption, "Техническая информация из файла");
    EXPECT_EQ(shown.FileName, path);
    EXPECT_EQ(shown.Title, "Song");
    EXPECT_EQ(shown.Artist, "Artist");
    EXPECT_EQ(shown.Album, "Album");
    EXPECT_EQ(shown.Year, "1999");
    EXPECT_EQ(shown.Genre, "Synthpop");
    EXPECT_EQ(shown.Comment, "Comment");
    EXPECT_EQ(shown.Memo, (QStringList{"Размер файла 1128 байт", "Длительность 215 с",
                                       "MPEG Layer 3", "128 кбит/с",
                                       "44100 Гц, псевдо- (joint) стерео"}));
}

TEST_F(TechnicalDialogTest, BlankTagFieldsKeepTheirPlaceholders)
{
    TTagFields fields{QByteArray(30, ' '), "", "", "", "", 255};
    OpenInPlayer(WriteSoundFile("blank.mp3", 500, Id3v1Tag(fields)));

    const TShown shown = ShowProperties();
    ExpectPlaceholders(shown);
    EXPECT_EQ(shown.Memo.value(0), "Размер файла 628 байт");
}

TEST_F(TechnicalDialogTest, UntaggedFileKeepsPlaceholdersAndReportsItsSize)
{
    const QString path = WriteSoundFile("plain.mp3", 4096);
    OpenInPlayer(path);

    const TShown shown = ShowProperties();
    EXPECT_EQ(shown.FileName, path);
    ExpectPlaceholders(shown);
    EXPECT_EQ(shown.Memo.size(), 5);
    EXPECT_EQ(shown.Memo.value(0), "Размер файла 4096 байт");
}

TEST_F(TechnicalDialogTest, MissingFileShowsItsNameAndNoFigures)
{
    OpenInPlayer(WriteSoundFile("gone.mp3", 100));
    const QString missing = folder.filePath("gone.mp3");
    QFile::remove(missing);
    fakempegdll::ClearCalls();

    const TShown shown = ShowProperties();
    EXPECT_EQ(shown.FileName, missing);
    ExpectPlaceholders(shown);
    EXPECT_EQ(shown.Memo, QStringList{"Файл не найден"});
    EXPECT_TRUE(fakempegdll::Calls().empty()) << "the player was asked about a missing file";
}

TEST_F(TechnicalDialogTest, MissingDecoderLibraryIsReportedAndTheDialogStillOpens)
{
    item.File = WriteSoundFile("song.mp3", 1000, Id3v1Tag({"Song", "", "", "", "", 1}));
    // The player never loaded its library: every query fails.

    const TShown shown = ShowProperties();
    EXPECT_EQ(prompt.Messages, QStringList{"MPEG library not loaded"});
    EXPECT_EQ(shown.Caption, "Техническая информация из файла");
    EXPECT_TRUE(shown.FileName.isEmpty()) << "the failure stops the filling before the name";
    ExpectPlaceholders(shown);
    EXPECT_TRUE(shown.Memo.isEmpty());
}

TEST_F(TechnicalDialogTest, ListPathInAnotherLetterCaseStillFindsTheFile)
{
    WriteSoundFile("Song.MP3", 10, Id3v1Tag({"Found", "", "", "", "", 0}));
    const QString asWritten = folder.filePath("song.mp3");
    OpenInPlayer(asWritten);

    const TShown shown = ShowProperties();
    EXPECT_EQ(shown.FileName, asWritten);
    EXPECT_EQ(shown.Title, "Found");
    EXPECT_EQ(shown.Memo.value(0), "Размер файла 138 байт");
}

TEST_F(TechnicalDialogTest, StandsInTheMiddleOfTheScreen)
{
    OpenInPlayer(WriteSoundFile("song.mp3", 10));
    mainWindow.setGeometry(0, 0, 200, 100);
    QPoint offset;
    prompt.AnswerModal([&offset](QWidget *dialog) {
        offset = dialog->geometry().center() - dialog->screen()->availableGeometry().center();
    }, 1);
    ShowSongProperties(&mainWindow, &song);
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(TechnicalDialogTest, NoCurrentSongOpensNothing)
{
    ShowSongProperties(&mainWindow, nullptr);
    EXPECT_TRUE(prompt.Asked.isEmpty());
}

TEST_F(TechnicalDialogTest, TheTagIsReadAfreshEachTime)
{
    const QString path = WriteSoundFile("song.mp3", 10, Id3v1Tag({"First", "", "", "", "", 0}));
    OpenInPlayer(path);
    EXPECT_EQ(ShowProperties().Title, "First");

    WriteSoundFile("song.mp3", 10, Id3v1Tag({"Second", "", "", "", "", 0}));
    EXPECT_EQ(ShowProperties().Title, "Second");
}

// The fifth memo line names the channel mode the player reports.
struct TModeCase {
    int Mode;
    int Frequency;
    const char *Line;
};

class ChannelModeTest : public TechnicalDialogTest,
                        public testing::WithParamInterface<TModeCase> {};

TEST_P(ChannelModeTest, FifthLineNamesTheMode)
{
    fakempegdll::SetResult("GetStereoMode", GetParam().Mode);
    fakempegdll::SetResult("GetFrequency", GetParam().Frequency);
    OpenInPlayer(WriteSoundFile("mode.mp3", 10));

    EXPECT_EQ(ShowProperties().Memo.value(4), QString::fromUtf8(GetParam().Line));
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, ChannelModeTest,
    testing::Values(TModeCase{0, 44100, "44100 Гц, стерео"},
                    TModeCase{1, 48000, "48000 Гц, псевдо- (joint) стерео"},
                    TModeCase{2, 32000, "32000 Гц, в два канала (dual channel)"},
                    TModeCase{3, 22050, "22050 Гц, моно"},
                    TModeCase{4, 44100, "44100 Гц, "}));

TEST(TechnicalDialog, FiguresAreTruncatedNotRounded)
{
    TID3TagInfoF dialog;
    TMP3TagInfo info;
    info.FileSize = 3000000000u;
    info.Length = 999;
    info.Layer = 2;
    info.Bitrate = 127999;
    info.Frequency = 11025;
    info.StereoMode = 3;
    dialog.Fill("/x.mp3", info);
    EXPECT_EQ(dialog.Memo1->toPlainText().split('\n'),
              (QStringList{"Размер файла 3000000000 байт", "Длительность 0 с", "MPEG Layer 2",
                           "127 кбит/с", "11025 Гц, моно"}));
}

} // namespace
