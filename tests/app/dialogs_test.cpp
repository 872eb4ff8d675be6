// The menus and keys that open the dialogs about the current song and the program.

#include "mainffixture.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>

class DialogEntryTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        WriteStandardList("prog/Rock.pl");
        Start();
    }
    // Scripts one modal dialog and records its class and window title.
    void ExpectDialog()
    {
        prompt->AnswerModal(
            [this](QWidget *dialog) {
                shown << QString(dialog->metaObject()->className()) + ": " + dialog->windowTitle();
            },
            QDialog::Accepted);
    }
    QStringList shown;
};

TEST_F(DialogEntryTest, SongInformationFromTheMenuAndTheTreeMenu)
{
    window->PlayControl().SelectSong(4, false);
    ExpectDialog();
    window->ActionNamed("FileInfoMI")->trigger();
    ExpectDialog();
    window->ActionNamed("N17")->trigger();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("TFInfoF"));
    EXPECT_EQ(shown[0], shown[1]);
}

TEST_F(DialogEntryTest, SongPropertiesByCtrlIAndAboutBox)
{
    QAction *properties = window->ActionNamed("ShowSongProperties");
    EXPECT_EQ(properties->shortcut(), QKeySequence("Ctrl+I"));
    ExpectDialog();
    properties->trigger();
    ExpectDialog();
    window->ActionNamed("AboutMI")->trigger();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("TID3TagInfoF"));
    EXPECT_EQ(shown[1], "TAboutF: О программе");
}

TEST_F(DialogEntryTest, NothingOpensWithoutASong)
{
    window->PlayControl().SongIndex = 99;
    window->ActionNamed("FileInfoMI")->trigger();
    window->ActionNamed("ShowSongProperties")->trigger();
    EXPECT_TRUE(prompt->Asked.isEmpty());
}

TEST_F(DialogEntryTest, MenusCarryTheirCaptionsHintsAndKeys)
{
    EXPECT_EQ(window->ActionNamed("Open")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(window->ActionNamed("Open")->statusTip(), "Открыть файл");
    EXPECT_EQ(window->ActionNamed("Help")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(window->ActionNamed("SaveAsMI")->text(), "Сохранить &как...");
    EXPECT_EQ(window->ActionNamed("N11")->statusTip(), "Загрузить список воспроизведения");
    EXPECT_EQ(window->ActionNamed("PrevPic")->shortcut(), QKeySequence(Qt::Key_PageUp));
    EXPECT_FALSE(window->ActionNamed("NewMI")->isEnabled()); // the editor comes later
    EXPECT_TRUE(window->ActionNamed("ZoomIn")->isEnabled()); // sizing works on either picture page
    EXPECT_FALSE(window->ActionNamed("NextPic")->isEnabled()); // no photos in this list
    EXPECT_TRUE(window->ActionNamed("clFullscreen")->isChecked());
    const QAction *view = window->ViewItem(TMainF::InfoPage);
    EXPECT_EQ(view->objectName(), "miViewAbout");
    EXPECT_EQ(view->text(), "О &диске");
    EXPECT_NE(window->findChild<QWidget *>("OpenTB"), nullptr);
    EXPECT_NE(window->findChild<QWidget *>("PlayTB"), nullptr);
}
