// The state-file dialog: the enabling by the switch, the reset, the browse for the file through
// the prompt, and where it stands.

#include "settings/dialogs/logf.h"

#include "scriptedprompt.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const TStateFileSettings Custom{true, "/tmp/now-playing.txt", false, "играет",
                                "стоит", "стоп",              "открыт!", "готово"};

class LogFTest : public testing::Test {
protected:
    QList<QWidget *> FileControls() const
    {
        return {dialog.GroupBox1, dialog.CPRG, dialog.FNameEd, dialog.Button3};
    }
    QList<QWidget *> ModeTextEdits() const
    {
        return {dialog.PlayED, dialog.PauseED, dialog.StopED, dialog.OpenED, dialog.ReadyED};
    }
    void ExpectFileControlsEnabled(bool enabled) const
    {
        for (QWidget *control : FileControls())
            EXPECT_EQ(control->isEnabled(), enabled) << control->objectName().toStdString();
        for (QWidget *edit : ModeTextEdits())
            EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
    }

    QTemporaryDir dir;
    TScriptedPrompt prompt;
    TLogF dialog;
};

TEST_F(LogFTest, TheFileControlsAreEnabledExactlyWhileTheSwitchIsOn)
{
    ExpectFileControlsEnabled(false);
    dialog.Fill(Custom);
    ExpectFileControlsEnabled(true);
    dialog.HasLogFileCB->click();
    ExpectFileControlsEnabled(false);
    dialog.HasLogFileCB->click();
    ExpectFileControlsEnabled(true);
    dialog.show(); // the show runs the enabling too
    ExpectFileControlsEnabled(true);
}

TEST_F(LogFTest, ResetSwitchesTheFileOffWithTheDefaultTexts)
{
    dialog.Fill(Custom);
    dialog.BitBtn1->click();
    const TStateFileSettings expected{false,        "",       true,     "воспроизведение",
                                      "пауза",      "остановлен", "открыт", "готов"};
    EXPECT_EQ(dialog.Values(), expected);
    ExpectFileControlsEnabled(false);
}

TEST_F(LogFTest, BrowsingStartsAtTheNamedFileAndAsksBeforeItIsOverwritten)
{
    const QString existing = dir.filePath("state.txt");
    QFile(existing).open(QIODevice::WriteOnly);
    TStateFileSettings values = Custom;
    values.LogFileName = existing;
    dialog.Fill(values);

    prompt.AnswerFiles(QStringList{dir.filePath("new.txt")});
    dialog.Button3->click();
    ASSERT_EQ(prompt.OpenRequests.size(), 1);
    const TPrompt::TOpenRequest &request = prompt.OpenRequests[0];
    EXPECT_EQ(request.InitialFolder, dir.path());
    EXPECT_EQ(request.FileName, "state.txt");
    EXPECT_FALSE(request.MustExist) << "a state file is often made by the program";
    EXPECT_TRUE(request.ConfirmOverwrite);
    EXPECT_EQ(dialog.FNameEd->text(), dir.filePath("new.txt"));

    prompt.AnswerFiles(std::nullopt);
    dialog.Button3Click();
    EXPECT_EQ(dialog.FNameEd->text(), dir.filePath("new.txt")) << "cancelled: unchanged";
    ASSERT_EQ(prompt.OpenRequests.size(), 2);
    EXPECT_TRUE(prompt.OpenRequests[1].InitialFolder.isEmpty()) << "new.txt does not exist";
    EXPECT_TRUE(prompt.OpenRequests[1].FileName.isEmpty());

    dialog.FNameEd->setText(dir.path()); // a folder is no file to start at
    prompt.AnswerFiles(std::nullopt);
    dialog.Button3Click();
    EXPECT_TRUE(prompt.OpenRequests[2].InitialFolder.isEmpty());
}

TEST_F(LogFTest, StandsInTheMiddleOfTheMainWindow)
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 900, 700);
    mainWindow.show();
    QDialog options(&mainWindow);
    options.setGeometry(0, 0, 200, 150);
    TLogF log(&options);
    log.show();
    const QPoint centre = mainWindow.frameGeometry().center();
    EXPECT_LE((log.frameGeometry().center() - centre).manhattanLength(), 2);
}

} // namespace
