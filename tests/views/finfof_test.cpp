#include "views/finfof.h"
#include "views/id3taginfof.h"
#include "views/songdialogs.h"

#include "songfixture.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class PlaylistDialogTest : public SongDialogTest {
protected:
    void SetUp() override
    {
        SongDialogTest::SetUp();
        item.Title = "Песня";
        artist.Name = "Исполнитель";
        album.Name = "Альбом";
        album.Year = "2001";
        item.Comment = "Живьём";
        item.File = "/disc/a/01.mp3";
        album.Picture = "/disc/a/cover.jpg";
        item.Text = "/disc/a/01.rtf";
        album.Retsenzia = "/disc/a/review.txt";
        artist.History = "/disc/history.rtf";
    }
};

TEST_F(PlaylistDialogTest, ShowsThePlaylistDataAndCompanionFiles)
{
    QStringList shown;
    prompt.AnswerModal([&shown](QWidget *widget) {
        auto *dialog = qobject_cast<TFInfoF *>(widget);
        ASSERT_NE(dialog, nullptr);
        shown << dialog->windowTitle();
        for (QLineEdit *edit : {dialog->PlsTitle, dialog->PlsArtist, dialog->PlsAlbum,
                                dialog->PlsYear, dialog->PlsComment, dialog->FName,
                                dialog->AlbPicFile, dialog->PicFile, dialog->TextFile,
                                dialog->RecFile, dialog->HistFile})
            shown << edit->objectName() + "=" + edit->text();
    }, 1);
    ShowFileInfo(&mainWindow, &song, "/disc/photos/1.jpg");

    EXPECT_EQ(shown, (QStringList{"Информация из списка воспрозведения", "PlsTitle=Песня",
                                  "PlsArtist=Исполнитель", "PlsAlbum=Альбом", "PlsYear=2001",
                                  "PlsComment=Живьём", "FName=/disc/a/01.mp3",
                                  "AlbPicFile=/disc/a/cover.jpg", "PicFile=/disc/photos/1.jpg",
                                  "TextFile=/disc/a/01.rtf", "RecFile=/disc/a/review.txt",
                                  "HistFile=/disc/history.rtf"}));
}

TEST_F(PlaylistDialogTest, EditsAreReadOnlyAndLabelledAsTheDialogNamesThem)
{
    TFInfoF dialog;
    dialog.Fill(song, QString());
    EXPECT_TRUE(dialog.PicFile->text().isEmpty());
    EXPECT_TRUE(dialog.PlsTitle->isReadOnly());
    EXPECT_FALSE(dialog.PlsTitle->hasFrame());
    auto *form = dialog.findChild<QFormLayout *>();
    ASSERT_NE(form, nullptr);
    auto labelOf = [form](QWidget *edit) {
        auto *label = qobject_cast<QLabel *>(form->labelForField(edit));
        return label ? label->text() : QString();
    };
    EXPECT_EQ(labelOf(dialog.FName), "Песни");
    EXPECT_EQ(labelOf(dialog.PicFile), "Текущей картинки");
    EXPECT_EQ(labelOf(dialog.HistFile), "Истории");
    EXPECT_EQ(dialog.MP3TagBtn->text(), "&Свойства файла");
}

TEST_F(PlaylistDialogTest, FilePropertiesOpenTheTechnicalDialogOverIt)
{
    OpenInPlayer(WriteSoundFile("song.mp3", 200, Id3v1Tag({"Tagged", "", "", "", "", 0})));
    QWidget *playlistDialog = nullptr;
    bool overPlaylistDialog = false;
    QString technicalTitle;
    prompt.AnswerModal([&](QWidget *widget) {
        playlistDialog = widget;
        qobject_cast<TFInfoF *>(widget)->MP3TagBtn->click();
    }, 1);
    prompt.AnswerModal([&](QWidget *widget) {
        auto *dialog = qobject_cast<TID3TagInfoF *>(widget);
        ASSERT_NE(dialog, nullptr);
        overPlaylistDialog = dialog->parentWidget() == playlistDialog;
        technicalTitle = dialog->TitleED->text();
    }, 1);
    ShowFileInfo(&mainWindow, &song, QString());

    EXPECT_EQ(technicalTitle, "Tagged");
    EXPECT_TRUE(overPlaylistDialog);
}

TEST_F(PlaylistDialogTest, NoCurrentSongOpensNothing)
{
    ShowFileInfo(&mainWindow, nullptr, "/disc/photos/1.jpg");
    EXPECT_TRUE(prompt.Asked.isEmpty());
}

} // namespace
