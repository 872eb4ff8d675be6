#include "editor/templatesf.h"

#include "platform/errorreport.h"
#include "platform/prompt.h"
#include "settings/settingsstore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What a screen reader says for a caption: its text without the accelerator mark.
QString SpokenCaption(QString caption)
{
    return caption.remove(u'&');
}

QPushButton *CreateButton(const QString &caption, const char *objectName)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setAccessibleName(SpokenCaption(caption));
    return button;
}

// One labelled edit in row of grid; the label's accelerator moves the focus to the edit.
QLineEdit *AddTemplateRow(QGridLayout *grid, int row, QLabel *&label, const char *labelName,
                          const QString &caption, const char *editName)
{
    label = new QLabel(caption);
    label->setObjectName(labelName);
    auto *edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setAccessibleName(SpokenCaption(caption));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QGroupBox *CreateGroup(const QString &title, const char *objectName)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(objectName);
    return group;
}

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

    GroupBox1 = CreateGroup("Формат папок при создание списка воспроизведения", "GroupBox1");
    auto *import = new QGridLayout(GroupBox1);
    edImportArt = AddTemplateRow(import, 0, Label1, "Label1", "Папки &исполнителей", "edImportArt");
    edImportAlb = AddTemplateRow(import, 1, Label2, "Label2", "Папки &альбомов", "edImportAlb");

    GroupBox2 = CreateGroup("Сохранение пакета M3U", "GroupBox2");
    auto *pack = new QGridLayout(GroupBox2);
    edPackArt = AddTemplateRow(pack, 0, Label3, "Label3", "&Папки исполнителей", "edPackArt");
    edPackAlb = AddTemplateRow(pack, 1, Label4, "Label4", "&Файлы альбомов", "edPackAlb");

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
    GroupBox3 = CreateGroup("Предустановки", "GroupBox3");
    cbxTempl = new QComboBox;
    cbxTempl->setObjectName("cbxTempl");
    cbxTempl->setAccessibleName(GroupBox3->title());
    cbxTempl->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(cbxTempl, &QComboBox::activated, this, &TTemplatesF::cbxTemplChange);
    btnSave = CreateButton("&Сохранить", "btnSave");
    btnSave->setEnabled(false);
    connect(btnSave, &QPushButton::clicked, this, &TTemplatesF::btnSaveClick);
    btnSaveAs = CreateButton("Сохранить &как...", "btnSaveAs");
    connect(btnSaveAs, &QPushButton::clicked, this, &TTemplatesF::btnSaveAsClick);

    auto *row = new QHBoxLayout(GroupBox3);
    row->addWidget(cbxTempl, 1);
    row->addWidget(btnSave);
    row->addWidget(btnSaveAs);
    return GroupBox3;
}

QLayout *TTemplatesF::CreateButtons()
{
    BitBtn1 = CreateButton("OK", "BitBtn1");
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn2 = CreateButton("Отмена", "BitBtn2");
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

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
