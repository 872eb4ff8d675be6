// The options dialog on its own: the label clicks, its reset, the priority names, the slide show
// interval's bounds, the state-file dialog on the copies, the help, and the controls' names.

#include "settings/dialogs/optionsf.h"
#include "settings/mainsettings.h"
#include "views/helpwindow.h"
#include "widgets/dialogparts.h"

#include "scriptedprompt.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class OptionsFTest : public testing::Test {
protected:
    OptionsFTest()
    {
        settings.CaptionFormat = "%S";
        settings.ArtistFormat = "[%I]";
        settings.AlbumFormat = "%Y %A";
        settings.SongFormat = "%N. %S";
        settings.SaveListFileNameOnExit = false;
        settings.PlayOnRun = false;
        settings.Priority = 5;
        settings.SlideshowInterval = 7000;
        settings.HasLogFile = true;
        settings.LogFileName = "/tmp/state.txt";
        settings.OEMLogFile = false;
        settings.PlayingStr = "играет";
        settings.ImportArtistTemplate = "%I!";
    }
    QString SettingsFile() const { return dir.filePath("lorvanta.reg"); }

    QTemporaryDir dir;
    TScriptedPrompt prompt;
    TMainSettings settings;
};

void ClickOn(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

TEST_F(OptionsFTest, PriorityNamesFollowTheTrackBarAtOnce)
{
    const QStringList names = {"Во время простоя", "Наинизший", "Ниже нормального", "Нормальный",
                               "Выше нормального", "Высокий",  "В реальном времени"};
    TOptionsF dialog(settings, SettingsFile());
    for (int position = 0; position < names.size(); ++position) {
        EXPECT_EQ(TOptionsF::PriorityName(position), names[position]);
        dialog.TrackBar1->setValue(position);
        EXPECT_EQ(dialog.PriorityValue->text(), names[position]);
    }
    EXPECT_EQ(TOptionsF::PriorityName(-1), "");
    EXPECT_EQ(TOptionsF::PriorityName(7), "");
    EXPECT_EQ(settings.Priority, 5);
}

// A stored priority the player does not take (it stays at its normal priority) shows as
// "Нормальный" and stays normal after OK, rather than becoming "В реальном времени" (the end of
// the bar nearest to 9).
TEST_F(OptionsFTest, AnUnknownStoredPriorityShowsAndStaysNormal)
{
    for (const int stored : {9, -1, 255}) {
        settings.Priority = stored;
        TOptionsF dialog(settings, SettingsFile());
        EXPECT_EQ(dialog.TrackBar1->value(), 3) << stored;
        EXPECT_EQ(dialog.PriorityValue->text(), "Нормальный");
        dialog.Apply();
        EXPECT_EQ(settings.Priority, 3);
    }
    settings.Priority = 0;
    TOptionsF idle(settings, SettingsFile());
    EXPECT_EQ(idle.PriorityValue->text(), "Во время простоя") << "position 0 sends no change";
}

// The interval field counts whole seconds from 1 to 3600: 0 would stop the slide show's timer
// (it would never step), and a bound keeps the milliseconds within an Integer.
TEST_F(OptionsFTest, TheSlideShowIntervalIsBoundToOneSecondUpToAnHour)
{
    struct TCase {
        int Stored;
        int Shown;
        int AfterOk;
    };
    const TCase cases[] = {
        {3000, 3, 3000},   {2500, 2, 2000},   {1000, 1, 1000},       {999, 1, 1000},
        {0, 1, 1000},      {-4000, 1, 1000},  {3600000, 3600, 3600000},
        {2147483647, 3600, 3600000},
    };
    for (const TCase &c : cases) {
        settings.SlideshowInterval = c.Stored;
        TOptionsF dialog(settings, SettingsFile());
        EXPECT_EQ(dialog.seTimer->value(), c.Shown) << c.Stored;
        dialog.Apply();
        EXPECT_EQ(settings.SlideshowInterval, c.AfterOk) << c.Stored;
    }
    TOptionsF dialog(settings, SettingsFile());
    dialog.seTimer->setValue(0);
    EXPECT_EQ(dialog.seTimer->value(), 1) << "typing 0 is refused";
    dialog.seTimer->setValue(100000);
    EXPECT_EQ(dialog.seTimer->value(), 3600);
}

TEST_F(OptionsFTest, ClicksOnTheLabelsToggleTheirBoxes)
{
    TOptionsF dialog(settings, SettingsFile());
    dialog.adjustSize();
    EXPECT_EQ(dialog.Label2->buddy(), dialog.SaveListFileNameCB);
    EXPECT_EQ(dialog.Label3->buddy(), dialog.AutoPlayCB);
    ClickOn(dialog.Label2);
    EXPECT_TRUE(dialog.SaveListFileNameCB->isChecked());
    EXPECT_FALSE(dialog.AutoPlayCB->isChecked());
    ClickOn(dialog.Label3);
    ClickOn(dialog.Label2);
    EXPECT_FALSE(dialog.SaveListFileNameCB->isChecked());
    EXPECT_TRUE(dialog.AutoPlayCB->isChecked());
    EXPECT_EQ(dialog.SaveListFileNameCB->accessibleName(),
              "Запоминать файл списка воспроизведения");
}

TEST_F(OptionsFTest, ResetRestoresTheDefaultsButNotTheStateFileSwitchNameOrInterval)
{
    TOptionsF dialog(settings, SettingsFile());
    dialog.seTimer->setValue(9);
    dialog.Button4Click();
    EXPECT_TRUE(dialog.SaveListFileNameCB->isChecked()) << "ticked, unlike the fallback default";
    EXPECT_TRUE(dialog.AutoPlayCB->isChecked());
    EXPECT_EQ(dialog.FormatEd->text(), "%T (%M): %I - %S [%L]");
    EXPECT_EQ(dialog.edArtist->text(), "%I");
    EXPECT_EQ(dialog.edAlbum->text(), "%A");
    EXPECT_EQ(dialog.edSong->text(), "%S");
    EXPECT_EQ(dialog.TrackBar1->value(), 3);
    EXPECT_EQ(dialog.seTimer->value(), 9);
    const TStateFileSettings expected{true,         "/tmp/state.txt", true,     "воспроизведение",
                                      "пауза",      "остановлен",     "открыт", "готов"};
    EXPECT_EQ(dialog.StateFileCopies(), expected);
    EXPECT_EQ(settings.CaptionFormat, "%S") << "nothing is applied before OK";
}

TEST_F(OptionsFTest, TheStateFileDialogWorksOnTheCopiesAndOnlyOkKeepsItsValues)
{
    TOptionsF dialog(settings, SettingsFile());
    const TStateFileSettings before = dialog.StateFileCopies();
    const auto change = [&before](QWidget *shown) {
        auto *log = qobject_cast<TLogF *>(shown);
        ASSERT_NE(log, nullptr);
        EXPECT_EQ(log->Values(), before);
        EXPECT_TRUE(log->HasLogFileCB->isChecked());
        EXPECT_EQ(log->FNameEd->text(), "/tmp/state.txt");
        EXPECT_TRUE(log->CPRGItems[1]->isChecked()) << "Win-1251";
        EXPECT_EQ(log->PlayED->text(), "играет");
        log->HasLogFileCB->setChecked(false);
        log->FNameEd->setText("/tmp/other.txt");
        log->CPRGItems[0]->setChecked(true);
        log->PauseED->setText("стоп-кадр");
    };
    prompt.AnswerModal(change, QDialog::Rejected);
    dialog.Button3Click();
    EXPECT_EQ(dialog.StateFileCopies(), before);

    prompt.AnswerModal(change, QDialog::Accepted);
    dialog.Button3Click();
    TStateFileSettings expected = before;
    expected.HasLogFile = false;
    expected.LogFileName = "/tmp/other.txt";
    expected.OEMLogFile = true;
    expected.PausedStr = "стоп-кадр";
    EXPECT_EQ(dialog.StateFileCopies(), expected);
    EXPECT_TRUE(settings.HasLogFile) << "the copies reach the settings only through Apply";
    dialog.Apply();
    EXPECT_EQ(TStateFileSettings::Of(settings), expected);
}

TEST_F(OptionsFTest, HelpOpensTheOptionsTopic)
{
    TOptionsF dialog(settings, SettingsFile());
    dialog.BitBtn4->click();
    auto *help = dialog.findChild<THelpWindow *>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser->source().fileName(), THelpWindow::TopicPage(20));
    EXPECT_EQ(THelpWindow::TopicPage(20), "options.html");
    delete help;
}

TEST(DialogControlsTest, EveryFocusableControlHasAName)
{
    TMainSettings settings;
    TOptionsF options(settings, QString());
    TLogF log;
    for (QDialog *dialog : {static_cast<QDialog *>(&options), static_cast<QDialog *>(&log)}) {
        for (QWidget *control : dialog->findChildren<QWidget *>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->focusProxy() ||
                qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
                continue;
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(spoken, nullptr);
            EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty())
                << control->objectName().toStdString();
        }
    }
}

} // namespace
