#pragma once
// TLogF, "Настройка файла состояния": the state file (switch, name, code page) and the five
// mode texts that the caption's %M and the mode panel show. Its opener, the options dialog,
// fills it from its copies of these settings and takes the values back after OK.

#include <QDialog>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct TDefaultSettings;

// The settings the state-file dialog edits.
struct TStateFileSettings {
    bool HasLogFile = false;
    QString LogFileName;
    bool OEMLogFile = true; // code page 866 instead of Windows-1251
    QString PlayingStr;
    QString PausedStr;
    QString StoppedStr;
    QString OpenedStr;
    QString ReadyStr;

    static TStateFileSettings Of(const TDefaultSettings &settings);
    void StoreInto(TDefaultSettings &settings) const;
    bool operator==(const TStateFileSettings &) const = default;
};

class TLogF : public QDialog {
    Q_OBJECT
public:
    // Centred on the window its chain of parents starts from (the main window).
    explicit TLogF(QWidget *parent = nullptr);

    void Fill(const TStateFileSettings &values);
    TStateFileSettings Values() const;

    // "...": browses for the state file, starting at the named file when it exists; the
    // person is asked before an existing file is chosen, since it will be overwritten.
    void Button3Click();
    // "&Сброс": no state file, no name, OEM code page, the default mode texts.
    void Button4Click();
    // The name and the code page can be changed only while the state file is switched on.
    void HasLogFileCBClick();
    void FormShow();

    QGroupBox *GroupBox3; // "Файл состояния"
    QCheckBox *HasLogFileCB;
    QGroupBox *GroupBox1; // "Имя файла"
    QLineEdit *FNameEd;
    QPushButton *Button3; // "..."
    QGroupBox *CPRG;      // "Кодировка": item 0 "OEM (DOS)", item 1 "Win-1251"
    QRadioButton *CPRGItems[2];
    QGroupBox *GroupBox2; // "Названия режимов декодера"
    QLineEdit *PlayED;
    QLineEdit *PauseED;
    QLineEdit *StopED;
    QLineEdit *OpenED;
    QLineEdit *ReadyED;
    QPushButton *BitBtn1; // "&Сброс"
    QPushButton *BitBtn2; // OK
    QPushButton *BitBtn3; // "Отмена"

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *CreateStateFileGroup();
    QGroupBox *CreateCodePageGroup();
    QGroupBox *CreateModeTextGroup();
    QLayout *CreateButtons();
    QLineEdit *AddModeTextEdit(QLayout *layout, const QString &caption, const char *labelName,
                               const char *editName);
};
