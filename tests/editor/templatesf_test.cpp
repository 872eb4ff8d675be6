// The template settings dialog: its controls, the presets it lists, Save and Save as over the
// settings store, and what its two openers read back.
#include "editor/templatesf.h"

#include "settings/settingsstore.h"

#include "scriptedprompt.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Sets print as their four texts in failure messages.
void PrintTo(const TTemplateSet &set, std::ostream *out)
{
    *out << '{' << set.ImportArtist.toStdString() << " | " << set.ImportAlbum.toStdString() << " | "
         << set.PackArtist.toStdString() << " | " << set.PackAlbum.toStdString() << '}';
}

namespace {

const QStringList kBuiltInNames = {"По умолчанию", "Домашняя коллекция", "Проще некуда"};
const TTemplateSet kDefaultSet{"%I", "%Y - %A", "%I", "%Y - %A"};
const TTemplateSet kSimplestSet{"%I", "%A", "%I", "%A"};
const TTemplateSet kTyped{"%n %I", "%A [%Y]", "%I!", "%A!"};

// Two user presets, "Мой" complete and "Half" with one value.
const char kStoreWithPresets[] =
    "REGEDIT4\n\n"
    "[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0\\UserTemplates\\Мой]\n"
    "\"Import artist folder template\"=\"%N %I\"\n"
    "\"Import album folder template\"=\"%A (%Y)\"\n"
    "\"Save M3U pack artist template\"=\"%I\"\n"
    "\"Save M3U pack album template\"=\"%N %A\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0\\UserTemplates\\Half]\n"
    "\"Import album folder template\"=\"%A\"\n\n";
const TTemplateSet kMine{"%N %I", "%A (%Y)", "%I", "%N %A"};

// The scripted prompt, also keeping each input box as "caption|prompt|offered text".
class TInputRecordingPrompt : public TScriptedPrompt {
public:
    QStringList InputBoxes;

    std::optional<QString> Input(QWidget *parent, const QString &caption, const QString &label,
                                 const QString &value) override
    {
        InputBoxes << caption + '|' + label + '|' + value;
        return TScriptedPrompt::Input(parent, caption, label, value);
    }
};

class TemplatesDialog : public ::testing::Test {
protected:
    QString StoreFile() const { return fDir.filePath("lorvanta.reg"); }

    void WriteStore(const QByteArray &bytes) const
    {
        QFile file(StoreFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray StoreBytes() const
    {
        QFile file(StoreFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The presets as the next opening of the dialog will find them.
    std::optional<TTemplateSet> StoredPreset(int index) const
    {
        TSettingsStore store(StoreFile());
        return TTemplatePresets(store).Choose(index);
    }

    static QStringList Items(const TTemplatesF &dialog)
    {
        QStringList items;
        for (int i = 0; i < dialog.cbxTempl->count(); ++i)
            items << dialog.cbxTempl->itemText(i);
        return items;
    }

    // Chooses item index as the user does, through the drop-down list's signal.
    static void Choose(TTemplatesF &dialog, int index)
    {
        dialog.cbxTempl->setCurrentIndex(index);
        emit dialog.cbxTempl->activated(index);
    }

    QTemporaryDir fDir;
    TInputRecordingPrompt fPrompt;
};

QString SpokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QString GroupOf(const QWidget *widget)
{
    for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        if (auto *group = qobject_cast<QGroupBox *>(parent)) return group->title();
    return QString();
}

} // namespace

TEST_F(TemplatesDialog, ControlsCarryTheirCaptionsAcceleratorsGroupsAndSpokenNames)
{
    TTemplatesF dialog(StoreFile());
    EXPECT_EQ(dialog.objectName(), "TemplatesF");
    EXPECT_EQ(dialog.windowTitle(), "Настройка шаблонов");
    const QString import = "Формат папок при создание списка воспроизведения";
    const QString pack = "Сохранение пакета M3U";
    const QString presets = "Предустановки";
    const struct {
        QWidget *control;
        QLabel *label; // the caption's own label, for an edit
        const char *caption;
        QString group;
    } controls[] = {
        {dialog.edImportArt, dialog.Label1, "Папки &исполнителей", import},
        {dialog.edImportAlb, dialog.Label2, "Папки &альбомов", import},
        {dialog.edPackArt, dialog.Label3, "&Папки исполнителей", pack},
        {dialog.edPackAlb, dialog.Label4, "&Файлы альбомов", pack},
        {dialog.btnSave, nullptr, "&Сохранить", presets},
        {dialog.btnSaveAs, nullptr, "Сохранить &как...", presets},
        {dialog.BitBtn1, nullptr, "OK", ""},
        {dialog.BitBtn2, nullptr, "Отмена", ""},
    };
    for (const auto &c : controls) {
        SCOPED_TRACE(c.caption);
        if (c.label) {
            EXPECT_EQ(c.label->text(), c.caption);
            EXPECT_EQ(c.label->buddy(), c.control); // the accelerator moves the focus there
        } else {
            EXPECT_EQ(qobject_cast<QPushButton *>(c.control)->text(), c.caption);
        }
        EXPECT_EQ(SpokenName(c.control), QString(c.caption).remove('&'));
        EXPECT_EQ(GroupOf(c.control), c.group);
    }
    EXPECT_EQ(GroupOf(dialog.cbxTempl), presets);
    EXPECT_EQ(SpokenName(dialog.cbxTempl), presets);
    EXPECT_EQ(dialog.Label9->text(),
              "%n - номер, %N - номер (2 знака),\n%I - исполнитель, %A - альбом, %Y - год");
    EXPECT_EQ(dialog.Templates(), TTemplateSet{});
    EXPECT_FALSE(dialog.btnSave->isEnabled());
    EXPECT_TRUE(dialog.BitBtn1->isDefault());
}

TEST_F(TemplatesDialog, EveryControlIsReachedByTheTabKey)
{
    TTemplatesF dialog(StoreFile());
    dialog.btnSave->setEnabled(true); // disabled at start only until a user preset is chosen
    QList<QWidget *> reached;
    QWidget *widget = &dialog;
    do {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus) reached << widget;
    } while (widget != &dialog);
    for (QWidget *control : std::initializer_list<QWidget *>{
             dialog.edImportArt, dialog.edImportAlb, dialog.edPackArt, dialog.edPackAlb,
             dialog.cbxTempl, dialog.btnSave, dialog.btnSaveAs, dialog.BitBtn1, dialog.BitBtn2})
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
}

TEST_F(TemplatesDialog, ChoosingAPresetFillsAllFourEditsAndSaveFollowsTheKindOfPreset)
{
    WriteStore(kStoreWithPresets);
    TTemplatesF dialog(StoreFile());
    dialog.SetTemplates(kTyped);
    EXPECT_EQ(Items(dialog), kBuiltInNames + QStringList({"Мой", "Half"}));
    EXPECT_EQ(dialog.cbxTempl->currentIndex(), -1) << "none chosen, whatever the edits hold";
    EXPECT_EQ(dialog.Templates(), kTyped);
    const struct {
        int index;
        TTemplateSet shown;
        bool canSave;
    } choices[] = {
        {3, kMine, true},
        {0, kDefaultSet, false},
        {4, {"", "%A", "", ""}, true}, // missing values read empty
        {1, {"%N-%I", "%N-%A (%Y)", "%N-%I", "%N-%A (%Y)"}, false},
        {2, kSimplestSet, false},
    };
    for (const auto &c : choices) {
        Choose(dialog, c.index);
        EXPECT_EQ(dialog.Templates(), c.shown) << c.index;
        EXPECT_EQ(dialog.btnSave->isEnabled(), c.canSave) << c.index;
    }
}

TEST_F(TemplatesDialog, SaveWritesOverTheChosenUserPresetAtOnceAndNeverOverABuiltIn)
{
    WriteStore(kStoreWithPresets);
    TTemplatesF dialog(StoreFile());
    for (int builtIn = -1; builtIn < 3; ++builtIn) {
        Choose(dialog, builtIn);
        dialog.SetTemplates(kTyped);
        const QByteArray before = StoreBytes();
        dialog.btnSaveClick(); // even were the button enabled
        EXPECT_EQ(StoreBytes(), before) << builtIn;
    }
    Choose(dialog, 3);
    dialog.SetTemplates(kTyped);
    dialog.btnSave->click();
    EXPECT_EQ(StoredPreset(3), kTyped) << "in the file while the dialog is still open";
    EXPECT_EQ(StoredPreset(4), TTemplateSet({"", "%A", "", ""}));
    EXPECT_EQ(StoredPreset(0), kDefaultSet);
}

TEST_F(TemplatesDialog, SaveAsAsksForANameOfferingTheCurrentItemAndChoosesTheNewPreset)
{
    WriteStore(kStoreWithPresets);
    TTemplatesF dialog(StoreFile());
    Choose(dialog, 3);
    dialog.SetTemplates(kTyped);
    fPrompt.AnswerInput(QString("Новый"));
    dialog.btnSaveAs->click();
    EXPECT_EQ(fPrompt.InputBoxes, QStringList({"Лорванта 2.0|Введите имя шаблона:|Мой"}));
    EXPECT_EQ(Items(dialog), kBuiltInNames + QStringList({"Мой", "Half", "Новый"}));
    EXPECT_EQ(dialog.cbxTempl->currentIndex(), 5);
    EXPECT_TRUE(dialog.btnSave->isEnabled());
    EXPECT_EQ(dialog.Templates(), kTyped);
    EXPECT_EQ(StoredPreset(5), kTyped);
    EXPECT_EQ(StoredPreset(3), kMine);

    // The name of a built-in set is listed twice; the first entry still gives the built-in set.
    fPrompt.AnswerInput(QString("Проще некуда"));
    dialog.btnSaveAs->click();
    Choose(dialog, 2);
    EXPECT_EQ(dialog.Templates(), kSimplestSet);
    Choose(dialog, 6);
    EXPECT_EQ(dialog.Templates(), kTyped);
    EXPECT_TRUE(dialog.btnSave->isEnabled());

    // With no item chosen, the box offers an empty name.
    TTemplatesF fresh(StoreFile());
    fPrompt.AnswerInput(std::nullopt);
    fresh.btnSaveAs->click();
    EXPECT_TRUE(fPrompt.InputBoxes.last().endsWith("шаблона:|"));
}

TEST_F(TemplatesDialog, SaveAsCancelledOrRefusedChangesNothing)
{
    WriteStore(kStoreWithPresets);
    TTemplatesF dialog(StoreFile());
    Choose(dialog, 1);
    dialog.SetTemplates(kTyped);
    const QByteArray before = StoreBytes();
    const struct {
        std::optional<QString> answer;
        const char *message; // as the store words its refusal; none for Cancel
    } cases[] = {
        {std::nullopt, nullptr},
        {QString(""), "Не указано имя шаблона"},
        {QString("Rock\\Live"), "Имя шаблона не может содержать знак \\: Rock\\Live"},
        {QString("two\nlines"), "Недопустимое имя шаблона: two\nlines"},
    };
    for (const auto &c : cases) {
        fPrompt.Messages.clear();
        fPrompt.AnswerInput(c.answer);
        dialog.btnSaveAs->click();
        EXPECT_EQ(fPrompt.Messages, c.message ? QStringList{c.message} : QStringList{});
        EXPECT_EQ(Items(dialog), kBuiltInNames + QStringList({"Мой", "Half"}));
        EXPECT_EQ(dialog.cbxTempl->currentIndex(), 1);
        EXPECT_FALSE(dialog.btnSave->isEnabled());
        EXPECT_EQ(dialog.Templates(), kTyped);
    }
    EXPECT_EQ(StoreBytes(), before);
}

TEST_F(TemplatesDialog, TheFoldersDialogGetsBackOnlyItsTwoImportTemplatesAfterOk)
{
    QString artist = "%n %I", album = "%A";
    fPrompt.AnswerModal(
        [](QWidget *widget) {
            auto *dialog = qobject_cast<TTemplatesF *>(widget);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Templates(), TTemplateSet({"%n %I", "%A", "", ""}));
            for (QWidget *part :
                 std::initializer_list<QWidget *>{dialog->GroupBox2, dialog->Label3, dialog->Label4,
                                                  dialog->edPackArt, dialog->edPackAlb})
                EXPECT_FALSE(part->isEnabled()) << part->objectName().toStdString();
            const QPalette disabled = dialog->edPackArt->palette();
            EXPECT_EQ(disabled.color(QPalette::Disabled, QPalette::Base),
                      disabled.color(QPalette::Disabled, QPalette::Button));
            EXPECT_TRUE(dialog->edImportArt->isEnabled());
            Choose(*dialog, 1);
            EXPECT_EQ(dialog->edPackAlb->text(), "%N-%A (%Y)") << "disabled edits are filled too";
            dialog->edImportAlb->setText("%N-%A");
        },
        QDialog::Accepted);
    EXPECT_TRUE(EditImportTemplates(nullptr, StoreFile(), artist, album));
    EXPECT_EQ(artist, "%N-%I");
    EXPECT_EQ(album, "%N-%A");

    // Cancel reads nothing back, but a preset saved meanwhile stays saved.
    fPrompt.AnswerModal(
        [this](QWidget *widget) {
            auto *dialog = qobject_cast<TTemplatesF *>(widget);
            dialog->SetTemplates(kTyped);
            fPrompt.AnswerInput(QString("Сохранённый"));
            dialog->btnSaveAs->click();
        },
        QDialog::Rejected);
    EXPECT_FALSE(EditImportTemplates(nullptr, StoreFile(), artist, album));
    EXPECT_EQ(artist, "%N-%I");
    EXPECT_EQ(album, "%N-%A");
    EXPECT_EQ(StoredPreset(3), kTyped);
}

TEST_F(TemplatesDialog, TheOptionsDialogGetsBackAllFourOnlyAfterOk)
{
    WriteStore(kStoreWithPresets);
    TTemplateSet all = kDefaultSet;
    for (const int result : {QDialog::Rejected, QDialog::Accepted}) {
        fPrompt.AnswerModal(
            [](QWidget *widget) {
                auto *dialog = qobject_cast<TTemplatesF *>(widget);
                EXPECT_EQ(dialog->Templates(), kDefaultSet);
                EXPECT_TRUE(dialog->edPackArt->isEnabled());
                Choose(*dialog, 3);
            },
            result);
        EXPECT_EQ(EditAllTemplates(nullptr, StoreFile(), all), result == QDialog::Accepted);
        EXPECT_EQ(all, result == QDialog::Accepted ? kMine : kDefaultSet);
    }
}
