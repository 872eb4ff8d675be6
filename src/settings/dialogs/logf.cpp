#include "settings/dialogs/logf.h"

#include "platform/prompt.h"
#include "settings/mainsettings.h"
#include "widgets/dialogparts.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

TStateFileSettings TStateFileSettings::Of(const TDefaultSettings &settings)
{
    return {settings.HasLogFile,  settings.LogFileName, settings.OEMLogFile,
            settings.PlayingStr,  settings.PausedStr,   settings.StoppedStr,
            settings.OpenedStr,   settings.ReadyStr};
}

void TStateFileSettings::StoreInto(TDefaultSettings &settings) const
{
    settings.HasLogFile = HasLogFile;
    settings.LogFileName = LogFileName;
    settings.OEMLogFile = OEMLogFile;
    settings.PlayingStr = PlayingStr;
    settings.PausedStr = PausedStr;
    settings.StoppedStr = StoppedStr;
    settings.OpenedStr = OpenedStr;
    settings.ReadyStr = ReadyStr;
}

TLogF::TLogF(QWidget *parent) : QDialog(parent)
{
    setObjectName("LogF");
    setWindowTitle("Настройка файла состояния");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateStateFileGroup());
    layout->addWidget(CreateModeTextGroup());
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog border
    HasLogFileCBClick();
}

QGroupBox *TLogF::CreateStateFileGroup()
{
    GroupBox3 = NewGroupBox("Файл состояния", "GroupBox3");
    HasLogFileCB = new QCheckBox("Записывать состояние в файл");
    HasLogFileCB->setObjectName("HasLogFileCB");
    // A change made by Fill or the reset enables the controls as a click does.
    connect(HasLogFileCB, &QCheckBox::toggled, this, &TLogF::HasLogFileCBClick);

    GroupBox1 = NewGroupBox("Имя файла", "GroupBox1");
    FNameEd = NewLineEdit("FNameEd");
    FNameEd->setAccessibleName(GroupBox1->title());
    FNameEd->setMinimumWidth(280);
    Button3 = NewPushButton("...", "Button3");
    Button3->setToolTip("Выбрать файл");
    Button3->setAccessibleName(Button3->toolTip());
    connect(Button3, &QPushButton::clicked, this, &TLogF::Button3Click);
    auto *nameRow = new QHBoxLayout(GroupBox1);
    nameRow->addWidget(FNameEd, 1);
    nameRow->addWidget(Button3);

    auto *column = new QVBoxLayout(GroupBox3);
    column->addWidget(HasLogFileCB);
    column->addWidget(GroupBox1);
    column->addWidget(CreateCodePageGroup());
    return GroupBox3;
}

QGroupBox *TLogF::CreateCodePageGroup()
{
    CPRG = NewGroupBox("Кодировка", "CPRG");
    auto *items = new QHBoxLayout(CPRG);
    const char *const captions[] = {"OEM (DOS)", "Win-1251"};
    for (int item = 0; item < 2; ++item) {
        CPRGItems[item] = new QRadioButton(captions[item]);
        CPRGItems[item]->setObjectName(QStringLiteral("CPRGItem%1").arg(item));
        items->addWidget(CPRGItems[item]);
    }
    CPRGItems[0]->setChecked(true);
    return CPRG;
}

QLineEdit *TLogF::AddModeTextEdit(QLayout *layout, const QString &caption, const char *labelName,
                                  const char *editName)
{
    QLineEdit *edit = NewLineEdit(editName);
    auto *label = new QLabel(caption);
    SetUpLabel(label, labelName, edit);
    layout->addWidget(label);
    layout->addWidget(edit);
    return edit;
}

QGroupBox *TLogF::CreateModeTextGroup()
{
    GroupBox2 = NewGroupBox("Названия режимов декодера", "GroupBox2");
    auto *column = new QVBoxLayout(GroupBox2);
    PlayED = AddModeTextEdit(column, "Воспроизведение", "StaticText1", "PlayED");
    PauseED = AddModeTextEdit(column, "Пауза", "StaticText2", "PauseED");
    StopED = AddModeTextEdit(column, "Остановлен", "StaticText3", "StopED");
    OpenED = AddModeTextEdit(column, "Открыт", "StaticText4", "OpenED");
    ReadyED = AddModeTextEdit(column, "Готов", "StaticText5", "ReadyED");
    return GroupBox2;
}

QLayout *TLogF::CreateButtons()
{
    BitBtn1 = NewPushButton("&Сброс", "BitBtn1");
    connect(BitBtn1, &QPushButton::clicked, this, &TLogF::Button4Click);
    BitBtn2 = NewOkButton(this, "BitBtn2");
    BitBtn3 = NewCancelButton(this, "BitBtn3");
    auto *row = new QHBoxLayout;
    row->addWidget(BitBtn1);
    row->addStretch();
    row->addWidget(BitBtn2);
    row->addWidget(BitBtn3);
    return row;
}

void TLogF::Fill(const TStateFileSettings &values)
{
    FNameEd->setText(values.LogFileName);
    CPRGItems[values.OEMLogFile ? 0 : 1]->setChecked(true);
    HasLogFileCB->setChecked(values.HasLogFile);
    PlayED->setText(values.PlayingStr);
    PauseED->setText(values.PausedStr);
    StopED->setText(values.StoppedStr);
    OpenED->setText(values.OpenedStr);
    ReadyED->setText(values.ReadyStr);
}

TStateFileSettings TLogF::Values() const
{
    return {HasLogFileCB->isChecked(), FNameEd->text(),  CPRGItems[0]->isChecked(),
            PlayED->text(),            PauseED->text(),  StopED->text(),
            OpenED->text(),            ReadyED->text()};
}

void TLogF::Button3Click()
{
    TPrompt::TOpenRequest request;
    request.Filter = QStringLiteral("Все файлы (*.*)|*");
    request.MustExist = false;
    request.ConfirmOverwrite = true;
    const QFileInfo named(FNameEd->text());
    if (!FNameEd->text().isEmpty() && named.isFile()) {
        request.InitialFolder = named.absolutePath();
        request.FileName = named.fileName();
    }
    const std::optional<QStringList> chosen = Prompt().OpenFiles(this, request);
    if (chosen && !chosen->isEmpty())
        FNameEd->setText(QFileInfo(chosen->first()).absoluteFilePath());
}

void TLogF::Button4Click()
{
    // The defaults have the state file switched off, unnamed, in the OEM code page.
    Fill(TStateFileSettings::Of(TDefaultSettings()));
    HasLogFileCBClick(); // also when the box was unticked already
}

void TLogF::HasLogFileCBClick()
{
    const bool on = HasLogFileCB->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{GroupBox1, CPRG, FNameEd, Button3})
        control->setEnabled(on);
}

void TLogF::FormShow()
{
    HasLogFileCBClick();
    QWidget *mainWindow = this;
    while (mainWindow->parentWidget())
        mainWindow = mainWindow->parentWidget();
    if (mainWindow != this)
        CentreIn(*this, mainWindow->frameGeometry());
}

void TLogF::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}
