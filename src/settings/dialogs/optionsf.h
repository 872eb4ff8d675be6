#pragma once
// TOptionsF, "Настройки": the settings the program lets the person change while it runs (the
// playlist memory, playing at once, the slide show interval, the decoder priority, the caption
// and node formats) and, through its two buttons, the state file and the template presets.
// The main window's settings change only when the dialog closes with OK and its opener calls
// Apply; the template presets dialog is the exception: its OK sets the four templates at once.

#include "settings/dialogs/logf.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class TClickLabel;
class TMainSettings;

class TOptionsF : public QDialog {
    Q_OBJECT
public:
    // The slide show interval field in whole seconds. Below a second the slide show would not
    // step at all (0 stops its timer); above an hour it is no longer a show. The bound also keeps
    // the interval in milliseconds within an Integer setting.
    static constexpr int MinSlideshowSeconds = 1;
    static constexpr int MaxSlideshowSeconds = 3600;

    // Filled from settings, the main window's. settingsFile is the store that keeps the user's
    // template presets (empty: its default place).
    TOptionsF(TMainSettings &settings, const QString &settingsFile, QWidget *parent = nullptr);

    // After OK: the dialog's values into the settings, in this order: the slide show interval
    // (milliseconds), the state file's switch and name, the caption format, the node formats,
    // the two switches, the priority, the state file's code page and mode texts. True when one
    // of the three node formats changed: the tree's nodes need new captions.
    bool Apply();

    // The state-file settings the dialog keeps for the state-file dialog.
    const TStateFileSettings &StateFileCopies() const { return fStateFile; }

    // The name of a decoder priority position 0 (idle) to 6 (real time); empty for others.
    static QString PriorityName(int position);

    // A click on the label beside a check box toggles the box.
    void Label2Click();
    void Label3Click();
    // Shows the name of the track bar's position.
    void TrackBar1Change();
    // "&Файл состояния...": the state-file dialog on the copies; OK keeps its values.
    void Button3Click();
    // "С&брос": the defaults, except the state file's switch and name and the slide show
    // interval. Nothing reaches the settings before OK.
    void Button4Click();
    // "&Помощь...": the help topic of this dialog.
    void Button5Click();
    // "Другие &шаблоны...": the template presets dialog on the four current templates.
    void Button6Click();

    QGroupBox *GroupBox2; // "Общие"
    QCheckBox *SaveListFileNameCB;
    TClickLabel *Label2;
    QCheckBox *AutoPlayCB;
    TClickLabel *Label3;
    QLabel *Label4;
    QSpinBox *seTimer; // seconds
    QGroupBox *GroupBox3; // "Приоритет"
    QSlider *TrackBar1;
    QLabel *Label7;
    QLabel *PriorityValue;
    QGroupBox *GroupBox1; // "Форматирование"
    QLabel *Label1;
    QLineEdit *FormatEd;
    QLabel *Label8;
    QLineEdit *edArtist;
    QLabel *Label9;
    QLineEdit *edAlbum;
    QLabel *Label10;
    QLineEdit *edSong;
    QPushButton *Button3;
    QPushButton *Button6;
    QLabel *Label5; // the legend of the letters
    QLabel *Label6;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // "Отмена"
    QPushButton *BitBtn3; // "С&брос"
    QPushButton *BitBtn4; // "&Помощь..."

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *CreateGeneralGroup();
    QGroupBox *CreatePriorityGroup();
    QGroupBox *CreateFormatGroup();
    QLayout *CreateButtons();
    QCheckBox *NewLabelledCheckBox(const QString &caption, const char *boxName,
                                   TClickLabel *&label, const char *labelName);
    void Fill();

    TMainSettings &fSettings;
    QString fSettingsFile;
    TStateFileSettings fStateFile;
};
