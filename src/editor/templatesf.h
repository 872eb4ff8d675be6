#pragma once
// The template settings dialog: the program's four templates as one set (the two folder
// templates that build a list from folders, the two that name an M3U pack's folders and files),
// with three built-in preset sets and the user's named sets kept in the settings store. The
// options dialog opens it on all four stored templates; the folders dialog on its two import
// templates, with the pack part disabled. Presets saved here stay saved whatever the dialog's
// result; the edits reach the opener only after OK.

#include "library/templatepresets.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TSettingsStore;

class TTemplatesF : public QDialog {
    Q_OBJECT
public:
    // Opens the settings store at settingsFile (empty: its default place) for the dialog's whole
    // life and lists the presets; no preset is chosen and the edits are empty.
    explicit TTemplatesF(const QString &settingsFile = QString(), QWidget *parent = nullptr);
    ~TTemplatesF() override;

    // The four edits, in the order of TTemplateSet.
    TTemplateSet Templates() const;
    void SetTemplates(const TTemplateSet &templates);

    // Disables the M3U pack part (its edits, their labels and its group) for an opener that
    // edits the import templates only. Choosing a preset still fills the disabled edits.
    void DisablePackTemplates();

    // Puts the set of the preset at index into the edits (a user preset whose key is gone
    // leaves them as they are); Save becomes available exactly for a user preset.
    void cbxTemplChange(int index);
    // Writes the edits over the chosen user preset.
    void btnSaveClick();
    // Asks for a name (the current item's text offered) and writes the edits under it; the name
    // is appended to the list and chosen. Refused names are reported and change nothing.
    void btnSaveAsClick();

    QGroupBox *GroupBox1; // import: "Формат папок при создание списка воспроизведения"
    QLabel *Label1;
    QLineEdit *edImportArt;
    QLabel *Label2;
    QLineEdit *edImportAlb;
    QGroupBox *GroupBox2; // pack: "Сохранение пакета M3U"
    QLabel *Label3;
    QLineEdit *edPackArt;
    QLabel *Label4;
    QLineEdit *edPackAlb;
    QGroupBox *GroupBox3; // "Предустановки"
    QComboBox *cbxTempl;
    QPushButton *btnSave;
    QPushButton *btnSaveAs;
    QLabel *Label9;       // the placeholders' legend
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // "Отмена"

private:
    QGroupBox *CreatePresetGroup();
    QLayout *CreateButtons();

    std::unique_ptr<TSettingsStore> fStore;
    std::unique_ptr<TTemplatePresets> fPresets;
};

// The folders dialog's "&Настроить...": edits artistTemplate and albumTemplate with the pack part
// disabled; after OK both take the dialog's import templates and true is returned. Cancel
// changes neither. The settings' current templates are not written.
bool EditImportTemplates(QWidget *parent, const QString &settingsFile, QString &artistTemplate,
                         QString &albumTemplate);

// The options dialog's "Другие &шаблоны...": edits all four templates; after OK templates takes
// the dialog's four and true is returned. Cancel changes nothing.
bool EditAllTemplates(QWidget *parent, const QString &settingsFile, TTemplateSet &templates);
