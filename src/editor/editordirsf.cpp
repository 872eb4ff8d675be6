#include "editor/editordirsf.h"

#include "editor/templatesf.h"
#include "widgets/dialogparts.h"
#include "widgets/zvbrowsefolderdialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The glyph-only browse button beside the edit in the last row of grid; its hint is its name.
QToolButton *AddBrowseButton(QGridLayout *grid, const char *name, const QString &hint)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setText("...");
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    grid->addWidget(button, grid->rowCount() - 1, 2);
    return button;
}

} // namespace

QString NextBrowseStart(const QString &chosen)
{
    const qsizetype slash = chosen.lastIndexOf(u'/');
    return slash < 0 ? QString() : chosen.first(slash + 1);
}

TEditorDirsF::TEditorDirsF(const QString &settingsFile, QWidget *parent)
    : QDialog(parent), zvbfDial(new TzvBrowseFolderDialog(this)), fSettingsFile(settingsFile)
{
    setObjectName("EditorDirsF");
    setWindowTitle("Папки для списка воспроизведения");
    zvbfDial->SetShowCurrentPath(true);
    zvbfDial->SetOptions(boSystemDirs); // a folder on disk: the build reads it
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateFolderGroup());
    layout->addWidget(CreateTemplateGroup());
    layout->addLayout(CreateOkCancel());
    setMinimumWidth(460);
}

QGroupBox *TEditorDirsF::CreateFolderGroup()
{
    GroupBox1 = NewGroupBox("Папки", "GroupBox1");
    auto *grid = new QGridLayout(GroupBox1);
    Edit1 = AddEditRow(grid, Label1, "MP&3", "Label1", "Edit1");
    SpeedButton1 = AddBrowseButton(grid, "SpeedButton1", "Указать папку с MP3");
    Edit2 = AddEditRow(grid, Label2, "&Обложки альбомов", "Label2", "Edit2");
    SpeedButton2 = AddBrowseButton(grid, "SpeedButton2", "Указать папку с обложками альбомов");
    Edit3 = AddEditRow(grid, Label3, "&Тексты", "Label3", "Edit3");
    SpeedButton3 = AddBrowseButton(grid, "SpeedButton3", "Указать папку с текстами");
    Edit4 = AddEditRow(grid, Label4, "&Рецензии", "Label4", "Edit4");
    SpeedButton4 = AddBrowseButton(grid, "SpeedButton4", "Указать папку с рецензиями");
    Edit5 = AddEditRow(grid, Label5, "&Истории групп", "Label5", "Edit5");
    SpeedButton5 = AddBrowseButton(grid, "SpeedButton5", "Указать папку с историями групп");
    const std::pair<QToolButton *, void (TEditorDirsF::*)()> buttons[] = {
        {SpeedButton1, &TEditorDirsF::SpeedButton1Click},
        {SpeedButton2, &TEditorDirsF::SpeedButton2Click},
        {SpeedButton3, &TEditorDirsF::SpeedButton3Click},
        {SpeedButton4, &TEditorDirsF::SpeedButton4Click},
        {SpeedButton5, &TEditorDirsF::SpeedButton5Click}};
    for (const auto &[button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);
    return GroupBox1;
}

QGroupBox *TEditorDirsF::CreateTemplateGroup()
{
    GroupBox2 = NewGroupBox("Форматы", "GroupBox2");
    auto *grid = new QGridLayout(GroupBox2);
    edImportArt = AddEditRow(grid, Label6, "Папки &исполнителей", "Label6", "edImportArt");
    edImportAlb = AddEditRow(grid, Label7, "Папки &альбомов", "Label7", "edImportAlb");
    Button1 = NewPushButton("&Настроить...", "Button1");
    grid->addWidget(Button1, grid->rowCount() - 2, 2, 2, 1, Qt::AlignVCenter); // beside both
    connect(Button1, &QPushButton::clicked, this, &TEditorDirsF::Button1Click);
    return GroupBox2;
}

QLayout *TEditorDirsF::CreateOkCancel()
{
    BitBtn1 = NewOkButton(this, "BitBtn1");
    BitBtn2 = NewPushButton("О&тмена", "BitBtn2");
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    return buttons;
}

TFolderScanInput TEditorDirsF::Input() const
{
    return {Edit1->text(), Edit2->text(),       Edit3->text(),      Edit4->text(),
            Edit5->text(), edImportArt->text(), edImportAlb->text()};
}

void TEditorDirsF::BrowseFor(QLineEdit *edit, const QString &prompt)
{
    zvbfDial->SetText(prompt);
    if (!edit->text().isEmpty()) zvbfDial->SetStartSelectedFolder(edit->text());
    if (zvbfDial->Execute()) {
        const QString chosen = zvbfDial->SelectedFolder();
        edit->setText(chosen);
        const QString next = NextBrowseStart(chosen);
        if (!next.isEmpty()) zvbfDial->SetStartSelectedFolder(next);
    }
    edit->setFocus();
}

void TEditorDirsF::SpeedButton1Click()
{
    BrowseFor(Edit1, "Укажите папку для MP3");
}

void TEditorDirsF::SpeedButton2Click()
{
    BrowseFor(Edit2, "Укажите папку для обложек альбомов");
}

void TEditorDirsF::SpeedButton3Click()
{
    BrowseFor(Edit3, "Укажите папку для текстов песен");
}

void TEditorDirsF::SpeedButton4Click()
{
    BrowseFor(Edit4, "Укажите папку для рецензий");
}

void TEditorDirsF::SpeedButton5Click()
{
    BrowseFor(Edit5, "Укажите папку для историй групп");
}

void TEditorDirsF::Button1Click()
{
    QString artistTemplate = edImportArt->text();
    QString albumTemplate = edImportAlb->text();
    if (EditImportTemplates(this, fSettingsFile, artistTemplate, albumTemplate)) {
        edImportArt->setText(artistTemplate);
        edImportAlb->setText(albumTemplate);
    }
}
