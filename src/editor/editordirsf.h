#pragma once
// TEditorDirsF: the folders dialog of the editor's "&Из папок...". It gathers the MP3 folder, the
// four companion folders and the two folder templates of one build. The folder edits start empty
// every time; the templates start from the opener's (the program's current import templates).
// Templates changed through "&Настроить..." serve this build only: nothing is stored.

#include "library/folderscan.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class TzvBrowseFolderDialog;

class TEditorDirsF : public QDialog {
    Q_OBJECT
public:
    // settingsFile: the settings store whose template presets "&Настроить..." lists (empty: its
    // default place).
    explicit TEditorDirsF(const QString &settingsFile, QWidget *parent = nullptr);

    // The five folders and the two templates as the edits hold them.
    TFolderScanInput Input() const;

    // The browse buttons: each asks for its folder, starting at the edit's folder when the edit
    // is not empty, else next to the folder chosen last; the focus goes to the edit either way.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    // "&Настроить...": the templates dialog on the two import templates, its pack part disabled.
    void Button1Click();

    QGroupBox *GroupBox1; // "Папки"
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5; // MP3, covers, texts, reviews, histories
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;
    QGroupBox *GroupBox2; // "Форматы"
    QLabel *Label6, *Label7;
    QLineEdit *edImportArt, *edImportAlb;
    QPushButton *Button1;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // "О&тмена"
    TzvBrowseFolderDialog *zvbfDial;

private:
    QGroupBox *CreateFolderGroup();
    QGroupBox *CreateTemplateGroup();
    QLayout *CreateOkCancel();
    void BrowseFor(QLineEdit *edit, const QString &prompt);

    QString fSettingsFile;
};

// The folder the browse after choosing chosen starts at: chosen cut after its last "/" (so the
// root stays itself); empty when chosen holds no "/".
QString NextBrowseStart(const QString &chosen);
