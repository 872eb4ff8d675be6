// "&Настройки...": what the options dialog changes in the running program after OK, that Cancel
// changes nothing, and that every change made through the dialogs reaches the settings file
// while everything else in it stays as it was.

#include "mainffixture.h"

#include "editor/templatesf.h"
#include "platform/codepage.h"
#include "settings/dialogs/optionsf.h"
#include "views/photospage.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <functional>

namespace {

class OptionsTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        list = WriteStandardList("prog/Rock.pl");
    }

    // Scripts the next dialog of class TDialog: change runs on it, then it closes with result.
    template <class TDialog> void Script(std::function<void(TDialog &)> change, int result)
    {
        prompt->AnswerModal(
            [change](QWidget *shown) {
                auto *dialog = qobject_cast<TDialog *>(shown);
                ASSERT_NE(dialog, nullptr) << shown->metaObject()->className();
                change(*dialog);
            },
            result);
    }
    // The options dialog with change, then the state-file dialog it opens with changeLog.
    void ScriptOptionsWithLog(std::function<void(TLogF &)> changeLog, int logResult,
                              std::function<void(TOptionsF &)> change, int result)
    {
        Script<TOptionsF>([change](TOptionsF &dialog) {
            dialog.Button3Click();
            change(dialog);
        }, result);
        Script<TLogF>(changeLog, logResult);
    }
    void RunOptions() { window->ActionNamed("OptMI")->trigger(); }
    QByteArray Read(const QString &relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString list;
};

void ChangeEveryOption(TOptionsF &dialog)
{
    dialog.FormatEd->setText("%M: %S");
    dialog.edArtist->setText("* %I");
    dialog.edAlbum->setText("%Y %A");
    dialog.edSong->setText("%N. %S");
    dialog.SaveListFileNameCB->setChecked(true);
    dialog.AutoPlayCB->setChecked(false);
    dialog.TrackBar1->setValue(5);
    dialog.seTimer->setValue(8);
}

// Each group of settings, changed in the dialogs: Cancel leaves the settings and the running
// program as they were, OK puts the change to work at once.
TEST_F(OptionsTest, CancelChangesNothingAndOkAppliesAtOnceForEachGroup)
{
    struct TGroupCase {
        const char *Group;
        std::function<void(TOptionsF &)> Change;
        std::function<void(TLogF &)> ChangeLog; // empty: the state-file dialog stays closed
        std::function<bool()> InEffect;
    };
    Start();
    window->PlayControl().SelectSong(2, false);
    window->SongPicTS->SlideShowExecute(); // a running show takes a new interval at once
    const TGroupCase cases[] = {
        {"general", [](TOptionsF &dialog) {
             dialog.AutoPlayCB->setChecked(false);
             dialog.seTimer->setValue(8);
         }, {}, [this] {
             return !window->Settings.PlayOnRun &&
                    window->SongPicTS->tmSlideShow->interval() == 8000;
         }},
        {"priority", [](TOptionsF &dialog) { dialog.TrackBar1->setValue(5); }, {},
         [this] { return window->MP3Player().PlayerPriority() == TPlayPriority::Highest; }},
        {"formats", [](TOptionsF &dialog) {
             dialog.FormatEd->setText("%M: %S");
             dialog.edArtist->setText("* %I");
         }, {}, [this] {
             return window->windowTitle() == "остановлен: c" && Node(0)->text(0) == "* Blue";
         }},
        {"state file", [](TOptionsF &) {}, [this](TLogF &log) {
             log.HasLogFileCB->setChecked(true);
             log.FNameEd->setText(Path("out/state.txt"));
             log.CPRGItems[1]->setChecked(true);
             log.StopED->setText("стоит");
         }, [this] {
             return window->windowTitle() == "стоит: c" &&
                    Read("out/state.txt") == EncodeCp1251(u"стоит: c");
         }},
    };
    for (const TGroupCase &c : cases) {
        for (const int result : {QDialog::Rejected, QDialog::Accepted}) {
            const TMainSettings before = window->Settings;
            if (c.ChangeLog)
                ScriptOptionsWithLog(c.ChangeLog, QDialog::Accepted, c.Change, result);
            else
                Script<TOptionsF>(c.Change, result);
            RunOptions();
            if (result == QDialog::Rejected) {
                EXPECT_EQ(window->Settings, before) << c.Group;
            }
            EXPECT_EQ(c.InEffect(), result == QDialog::Accepted) << c.Group << " " << result;
        }
    }
}

TEST_F(OptionsTest, TheTreeIsRecaptionedOnlyWhenANodeFormatChanged)
{
    Start();
    Node(0)->setText(0, "marker");
    Script<TOptionsF>([](TOptionsF &dialog) { dialog.FormatEd->setText("%S"); },
                      QDialog::Accepted);
    RunOptions();
    EXPECT_EQ(Node(0)->text(0), "marker") << "the same node formats: no new captions";

    for (QLineEdit *TOptionsF::*edit :
         {&TOptionsF::edArtist, &TOptionsF::edAlbum, &TOptionsF::edSong}) {
        Node(0)->setText(0, "marker");
        Script<TOptionsF>([edit](TOptionsF &dialog) { (dialog.*edit)->insert(" "); },
                          QDialog::Accepted);
        RunOptions();
        EXPECT_NE(Node(0)->text(0), "marker") << "one changed format re-captions every node";
    }
    Script<TOptionsF>([](TOptionsF &dialog) { dialog.edSong->setText("%n) %S"); },
                      QDialog::Accepted);
    RunOptions();
    EXPECT_EQ(Node(1, 0, 1)->text(0), "2) f");
}

TEST_F(OptionsTest, EachTrackBarPositionGivesItsDecoderPriority)
{
    Start();
    const int levels[] = {-15, -2, -1, 0, 1, 2, 15};
    for (int position = 0; position < 7; ++position) {
        fakempegdll::ClearCalls();
        Script<TOptionsF>([position](TOptionsF &dialog) { dialog.TrackBar1->setValue(position); },
                          QDialog::Accepted);
        RunOptions();
        EXPECT_EQ(window->MP3Player().PlayerPriority(), TPlayPriority(position));
        const std::vector<std::string> calls = fakempegdll::Calls();
        const std::string expected = "SetPriority(" + std::to_string(levels[position]) + ")";
        EXPECT_NE(std::find(calls.begin(), calls.end(), expected), calls.end()) << expected;
    }
}

TEST_F(OptionsTest, TheStateFileIsRewrittenAfterOkInTheChosenCodePage)
{
    Start();
    const auto stateFileIn = [this](int codePage) {
        return [this, codePage](TLogF &log) {
            log.HasLogFileCB->setChecked(true);
            log.FNameEd->setText(Path("out/state.txt"));
            log.CPRGItems[codePage]->setChecked(true);
            log.StopED->setText("Стоп, ёлка");
        };
    };
    const auto captionFormat = [](TOptionsF &dialog) { dialog.FormatEd->setText("%M: %I"); };
    window->PlayControl().StopTBClick();

    ScriptOptionsWithLog(stateFileIn(1), QDialog::Accepted, captionFormat, QDialog::Accepted);
    RunOptions();
    EXPECT_EQ(window->windowTitle(), "Стоп, ёлка: Blue");
    EXPECT_EQ(Read("out/state.txt"), EncodeCp1251(window->windowTitle()));

    ScriptOptionsWithLog(stateFileIn(0), QDialog::Accepted, captionFormat, QDialog::Accepted);
    RunOptions();
    EXPECT_EQ(Read("out/state.txt"), EncodeCp866(window->windowTitle()));
    EXPECT_EQ(DecodeCp866(Read("out/state.txt")), "Стоп, ёлка: Blue");
}

// A state file named in the dialog that cannot be written (here a folder) is said once, in
// Russian, after the command; later song changes do not say it again, and playing goes on.
TEST_F(OptionsTest, AStateFileNameThatCannotBeWrittenIsSaidOnce)
{
    Start();
    ScriptOptionsWithLog(
        [this](TLogF &log) {
            log.HasLogFileCB->setChecked(true);
            log.FNameEd->setText(Path("out"));
        },
        QDialog::Accepted, [](TOptionsF &) {}, QDialog::Accepted);
    RunOptions();
    EXPECT_TRUE(prompt->Messages.isEmpty()) << "no box inside the command";
    QCoreApplication::processEvents();
    ASSERT_EQ(prompt->Messages.size(), 1);
    EXPECT_TRUE(prompt->Messages[0].startsWith("Не удалось записать файл")) << prompt->Messages[0].toStdString();
    for (int i = 0; i < 3; ++i)
        window->PlayControl().Next->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(SongIndex(), 3);
    EXPECT_EQ(prompt->Messages.size(), 1);
}

TEST_F(OptionsTest, TemplatesAcceptedInTheirDialogStayWhenTheOptionsAreCancelled)
{
    Start();
    const QString artistTemplate = window->Settings.ImportArtistTemplate;
    Script<TOptionsF>([](TOptionsF &dialog) { dialog.Button6Click(); }, QDialog::Accepted);
    Script<TTemplatesF>([](TTemplatesF &templates) { templates.cbxTemplChange(1); },
                        QDialog::Rejected);
    RunOptions();
    EXPECT_EQ(window->Settings.ImportArtistTemplate, artistTemplate) << "templates cancelled";

    Script<TOptionsF>([](TOptionsF &dialog) { dialog.Button6Click(); }, QDialog::Rejected);
    Script<TTemplatesF>([](TTemplatesF &templates) { templates.cbxTemplChange(1); },
                        QDialog::Accepted);
    RunOptions();
    EXPECT_EQ(window->Settings.ImportArtistTemplate, "%N-%I");
    EXPECT_EQ(window->Settings.PackAlbumTemplate, "%N-%A (%Y)");
    Stop();
    EXPECT_EQ(StoredText("Import album folder template"), "%N-%A (%Y)");
}

// The file holds what another program put there (an unknown value of each kind, a binary line,
// a section outside the program's branch), another disc's positions and a user template preset.
// After a run with every dialog's changes, exactly the changed values differ.
TEST_F(OptionsTest, TheSettingsFileKeepsEverythingButTheChangesMadeInTheDialogs)
{
    const QString root = "[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0";
    const QStringList stored = {"\"SaveListFileNameOnExit\"=dword:00000001",
                                "\"LastList\"=\"" + list + "\"", "\"SongNumber\"=dword:00000001",
                                "\"Future option\"=dword:00000007", "\"Skin\"=\"тёмная\""};
    const QString rest = "\"Window placement\"=hex:2c,00,00,00\n\n" + root +
                         "\\OtherDisc]\n\"songindex\"=dword:00000005\n\"SongPicIdx\"=dword:00000002"
                         "\n\"ClipIdx\"=dword:00000001\n\n" + root +
                         "\\UserTemplates\\Мой набор]\n\"Import artist folder template\"=\"%I\"\n"
                         "\"Import album folder template\"=\"%A\"\n"
                         "\"Save M3U pack artist template\"=\"%I\"\n"
                         "\"Save M3U pack album template\"=\"%A\"\n\n"
                         "[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"Path\"=\"C:\\\\Other\"\n\n";
    const auto fileText = [&](const QStringList &mainValues) {
        return ("REGEDIT4\n\n" + root + "]\n" + mainValues.join('\n') + '\n' + rest).toUtf8();
    };
    Write("config/lorvanta.reg", fileText(AllSettings(stored)));
    Start();
    ScriptOptionsWithLog(
        [this](TLogF &log) {
            log.HasLogFileCB->setChecked(true);
            log.FNameEd->setText(Path("out/state.txt"));
            log.CPRGItems[1]->setChecked(true);
            log.PlayED->setText("играет");
            log.PauseED->setText("стоит");
            log.StopED->setText("стоп");
            log.OpenED->setText("открыт");
            log.ReadyED->setText("готово");
        },
        QDialog::Accepted,
        [](TOptionsF &dialog) {
            ChangeEveryOption(dialog);
            dialog.SaveListFileNameCB->setChecked(false);
            dialog.Button6Click();
        },
        QDialog::Accepted);
    Script<TTemplatesF>([](TTemplatesF &templates) { templates.cbxTemplChange(2); },
                        QDialog::Accepted);
    RunOptions();
    Stop();

    const QStringList changed = {
        "\"CaptionFormat\"=\"%M: %S\"", "\"ArtistFormat\"=\"* %I\"",
        "\"AlbumFormat\"=\"%Y %A\"", "\"SongFormat\"=\"%N. %S\"",
        "\"SaveListFileNameOnExit\"=dword:00000000", "\"PlayOnRun\"=dword:00000000",
        "\"HasLogFile\"=dword:00000001", "\"LogFileName\"=\"" + Path("out/state.txt") + "\"",
        "\"Priority\"=dword:00000005", "\"OEMLogFile\"=dword:00000000",
        "\"PlayingStr\"=\"играет\"", "\"PausedStr\"=\"стоит\"", "\"StoppedStr\"=\"стоп\"",
        "\"OpenedStr\"=\"открыт\"", "\"ReadyStr\"=\"готово\"",
        "\"Slideshow interval\"=dword:00001f40", "\"Import album folder template\"=\"%A\"",
        "\"Save M3U pack album template\"=\"%A\""};
    EXPECT_EQ(QString::fromUtf8(Read("config/lorvanta.reg")),
              QString::fromUtf8(fileText(AllSettings(stored + changed))));
}

} // namespace
