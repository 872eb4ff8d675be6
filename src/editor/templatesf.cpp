#include "editor/templatesf.h"

#include "platform/errorreport.h"
#include "platform/prompt.h"
#include "settings/settingsstore.h"
#include "widgets/dialogparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A disabled edit takes the colour of a button face, as the dialogs of the program show it.
void PaintAsButtonFace(QLineEdit *edit)
{
    QPalette palette = edit->palette();
    const QColor face = palette.color(QPalette::Button);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, face);
    edit->setPalette(palette);
}

} // namespace

TTemplatesF::TTemplatesF(const QString &settingsFile, QWidget *parent)
    : QDialog(parent), fStore(std::make_unique<TSettingsStore>(settingsFile))
{
    setObjectName("TemplatesF");
    setWindowTitle("Настройка шаблонов");

    GroupBox1 = NewGroupBox("Формат папок при создание списка воспроизведения", "GroupBox1");
    auto *import = new QGridLayout(GroupBox1);
    edImportArt = AddEditRow(import, Label1, "Папки &исполнителей", "Label1", "edImportArt");
    edImportAlb = AddEditRow(import, Label2, "Папки &альбомов", "Label2", "edImportAlb");

    GroupBox2 = NewGroupBox("Сохранение пакета M3U", "GroupBox2");
    auto *pack = new QGridLayout(GroupBox2);
    edPackArt = AddEditRow(pack, Label3, "&Папки исполнителей", "Label3", "edPackArt");
    edPackAlb = AddEditRow(pack, Label4, "&Файлы альбомов", "Label4", "edPackAlb");

    Label9 =
        new QLabel("%n - номер, %N - номер (2 знака),\n%I - исполнитель, %A - альбом, %Y - год");
    Label9->setObjectName("Label9");

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addWidget(CreatePresetGroup());
    layout->addWidget(Label9);
    layout->addLayout(CreateButtons());
    setMinimumWidth(420);

    fPresets = std::make_unique<TTemplatePresets>(*fStore);
    cbxTempl->addItems(fPresets->Names());
    cbxTempl->setCurrentIndex(-1); // no preset is chosen, whatever the edits hold
}

TTemplatesF::~TTemplatesF() = default;

QGroupBox *TTemplatesF::CreatePresetGroup()
{
    GroupBox3 = NewGroupBox("Предустановки", "GroupBox3");
    cbxTempl = new QComboBox;
    cbxTempl->setObjectName("cbxTempl");
    cbxTempl->setAccessibleName(GroupBox3->title());
    cbxTempl->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(cbxTempl, &QComboBox::activated, this, &TTemplatesF::cbxTemplChange);
    btnSave = NewPushButton("&Сохранить", "btnSave");
    btnSave->setEnabled(false);
    connect(btnSave, &QPushButton::clicked, this, &TTemplatesF::btnSaveClick);
    btnSaveAs = NewPushButton("Сохранить &как...", "btnSaveAs");
    connect(btnSaveAs, &QPushButton::clicked, this, &TTemplatesF::btnSaveAsClick);

    auto *row = new QHBoxLayout(GroupBox3);
    row->addWidget(cbxTempl, 1);
    row->addWidget(btnSave);
    row->addWidget(btnSaveAs);
    return GroupBox3;
}

QLayout *TTemplatesF::CreateButtons()
{
    BitBtn1 = NewOkButton(this, "BitBtn1");
    BitBtn2 = NewCancelButton(this, "BitBtn2");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    return buttons;
}

TTemplateSet TTemplatesF::Templates() const
{
    return {edImportArt->text(), edImportAlb->text(), edPackArt->text(), edPackAlb->text()};
}

void TTemplatesF::SetTemplates(const TTemplateSet &templates)
{
    edImportArt->setText(templates.ImportArtist);
    edImportAlb->setText(templates.ImportAlbum);
    edPackArt->setText(templates.PackArtist);
    edPackAlb->setText(templates.PackAlbum);
}

void TTemplatesF::DisablePackTemplates()
{
    for (QLineEdit *edit : {edPackArt, edPackAlb}) {
        edit->setEnabled(false);
        PaintAsButtonFace(edit);
    }
    Label3->setEnabled(false);
    Label4->setEnabled(false);
    GroupBox2->setEnabled(false);
}

void TTemplatesF::cbxTemplChange(int index)
{
    if (const std::optional<TTemplateSet> chosen = fPresets->Choose(index)) SetTemplates(*chosen);
    btnSave->setEnabled(TTemplatePresets::CanSave(index));
}

void TTemplatesF::btnSaveClick()
{
    RunReporting(this, [this] { fPresets->Save(cbxTempl->currentIndex(), Templates()); });
}

void TTemplatesF::btnSaveAsClick()
{
    const std::optional<QString> name =
        Prompt().Input(this, "Лорванта 2.0", "Введите имя шаблона:", cbxTempl->currentText());
    if (!name) return;
    RunReporting(this, [this, &name] {
        const int index = fPresets->SaveAs(*name, Templates());
        cbxTempl->addItem(*name);
        cbxTempl->setCurrentIndex(index); // chosen without reading it back
        btnSave->setEnabled(true);
    });
}

bool EditImportTemplates(QWidget *parent, const QString &settingsFile, QString &artistTemplate,
                         QString &albumTemplate)
{
    TTemplatesF dialog(settingsFile, parent);
    dialog.edImportArt->setText(artistTemplate);
    dialog.edImportAlb->setText(albumTemplate);
    dialog.DisablePackTemplates();
    if (Prompt().ShowModal(&dialog) != QDialog::Accepted) return false;
    artistTemplate = dialog.edImportArt->text();
    albumTemplate = dialog.edImportAlb->text();
    return true;
}

bool EditAllTemplates(QWidget *parent, const QString &settingsFile, TTemplateSet &templates)
{
    TTemplatesF dialog(settingsFile, parent);
    dialog.SetTemplates(templates);
    if (Prompt().ShowModal(&dialog) != QDialog::Accepted) return false;
    templates = dialog.Templates();
    return true;
}
