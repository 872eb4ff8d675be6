#include "settings/dialogs/optionsf.h"

#include "editor/templatesf.h"
#include "platform/prompt.h"
#include "playback/mpegplayer.h"
#include "settings/mainsettings.h"
#include "views/songdialogs.h"
#include "widgets/dialogparts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>

namespace {

const char *const PriorityNames[] = {"Во время простоя", "Наинизший",        "Ниже нормального",
                                     "Нормальный",       "Выше нормального", "Высокий",
                                     "В реальном времени"};
constexpr int PriorityCount = int(std::size(PriorityNames));

// A stored priority outside the track bar's range leaves the player at its normal priority, so
// that is what the dialog shows (and what OK then keeps), never the nearest end of the bar.
int PriorityPosition(int priority)
{
    return priority >= 0 && priority < PriorityCount ? priority : int(TPlayPriority::Normal);
}

} // namespace

TOptionsF::TOptionsF(TMainSettings &settings, const QString &settingsFile, QWidget *parent)
    : QDialog(parent), fSettings(settings), fSettingsFile(settingsFile)
{
    setObjectName("OptionsF");
    setWindowTitle("Настройки");
    auto *left = new QVBoxLayout;
    left->addWidget(CreateGeneralGroup());
    left->addWidget(CreatePriorityGroup());
    left->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(CreateFormatGroup(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog border
    Fill();
}

QCheckBox *TOptionsF::NewLabelledCheckBox(const QString &caption, const char *boxName,
                                          TClickLabel *&label, const char *labelName)
{
    auto *box = new QCheckBox;
    box->setObjectName(boxName);
    label = new TClickLabel(caption);
    SetUpLabel(label, labelName, box);
    return box;
}

QGroupBox *TOptionsF::CreateGeneralGroup()
{
    GroupBox2 = NewGroupBox("Общие", "GroupBox2");
    SaveListFileNameCB = NewLabelledCheckBox("&Запоминать файл\nсписка воспроизведения",
                                             "SaveListFileNameCB", Label2, "Label2");
    connect(Label2, &TClickLabel::Clicked, this, &TOptionsF::Label2Click);
    AutoPlayCB = NewLabelledCheckBox("&Воспроизводить сразу\nпосле загрузки списка\nвоспроизведения",
                                     "AutoPlayCB", Label3, "Label3");
    connect(Label3, &TClickLabel::Clicked, this, &TOptionsF::Label3Click);
    seTimer = new QSpinBox;
    seTimer->setObjectName("seTimer");
    seTimer->setRange(MinSlideshowSeconds, MaxSlideshowSeconds);
    Label4 = new QLabel("И&нтервал\nслайдшоу, с:");
    SetUpLabel(Label4, "Label4", seTimer);

    auto *grid = new QGridLayout(GroupBox2);
    grid->addWidget(SaveListFileNameCB, 0, 0, Qt::AlignTop);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(AutoPlayCB, 1, 0, Qt::AlignTop);
    grid->addWidget(Label3, 1, 1);
    auto *interval = new QHBoxLayout;
    interval->addWidget(Label4);
    interval->addWidget(seTimer);
    grid->addLayout(interval, 2, 0, 1, 2);
    return GroupBox2;
}

QGroupBox *TOptionsF::CreatePriorityGroup()
{
    GroupBox3 = NewGroupBox("Приоритет", "GroupBox3");
    TrackBar1 = new QSlider(Qt::Horizontal);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, PriorityCount - 1);
    TrackBar1->setPageStep(3);
    TrackBar1->setSingleStep(2);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setToolTip("Устанавливает приоритет процесса декодирования");
    connect(TrackBar1, &QSlider::valueChanged, this, &TOptionsF::TrackBar1Change);
    PriorityValue = new QLabel(PriorityNames[0]);
    PriorityValue->setObjectName("PriorityValue");
    Label7 = new QLabel("Значение &приоритета:");
    SetUpLabel(Label7, "Label7", TrackBar1);

    auto *column = new QVBoxLayout(GroupBox3);
    column->addWidget(TrackBar1);
    auto *value = new QHBoxLayout;
    value->addWidget(Label7);
    value->addWidget(PriorityValue, 1);
    column->addLayout(value);
    return GroupBox3;
}

QGroupBox *TOptionsF::CreateFormatGroup()
{
    GroupBox1 = NewGroupBox("Форматирование", "GroupBox1");
    auto *grid = new QGridLayout;
    FormatEd = AddEditRow(grid, Label1, "З&аголовок", "Label1", "FormatEd");
    edArtist = AddEditRow(grid, Label8, "&Исполнитель", "Label8", "edArtist");
    edAlbum = AddEditRow(grid, Label9, "А&льбом", "Label9", "edAlbum");
    edSong = AddEditRow(grid, Label10, "&Композиция", "Label10", "edSong");
    FormatEd->setMinimumWidth(220);

    Label5 = new QLabel("%I - Исполнитель\n%S - Название песни\n%A - Альбом\n%Y - Год\n"
                        "%C - Комментарий\n%L - длительность");
    SetUpLabel(Label5, "Label5");
    Label6 = new QLabel("%F - Имя файла\n%T - Программа\n%M - Режим\n%n - номер (1,2,...)\n"
                        "%N - номер (01,02,...)");
    SetUpLabel(Label6, "Label6");
    auto *legend = new QHBoxLayout;
    legend->addWidget(Label5, 0, Qt::AlignTop);
    legend->addWidget(Label6, 0, Qt::AlignTop);
    legend->addStretch();

    Button3 = NewPushButton("&Файл состояния...", "Button3");
    connect(Button3, &QPushButton::clicked, this, &TOptionsF::Button3Click);
    Button6 = NewPushButton("Другие &шаблоны...", "Button6");
    connect(Button6, &QPushButton::clicked, this, &TOptionsF::Button6Click);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addWidget(Button6);
    buttons->addStretch();

    auto *column = new QVBoxLayout(GroupBox1);
    column->addLayout(grid);
    column->addLayout(legend);
    column->addStretch();
    column->addLayout(buttons);
    return GroupBox1;
}

QLayout *TOptionsF::CreateButtons()
{
    BitBtn1 = NewOkButton(this, "BitBtn1");
    BitBtn2 = NewCancelButton(this, "BitBtn2");
    BitBtn3 = NewPushButton("С&брос", "BitBtn3");
    connect(BitBtn3, &QPushButton::clicked, this, &TOptionsF::Button4Click);
    BitBtn4 = NewPushButton("&Помощь...", "BitBtn4");
    connect(BitBtn4, &QPushButton::clicked, this, &TOptionsF::Button5Click);
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4})
        row->addWidget(button);
    return row;
}

void TOptionsF::Fill()
{
    fStateFile = TStateFileSettings::Of(fSettings);
    FormatEd->setText(fSettings.CaptionFormat);
    edArtist->setText(fSettings.ArtistFormat);
    edAlbum->setText(fSettings.AlbumFormat);
    edSong->setText(fSettings.SongFormat);
    SaveListFileNameCB->setChecked(fSettings.SaveListFileNameOnExit);
    AutoPlayCB->setChecked(fSettings.PlayOnRun);
    TrackBar1->setValue(PriorityPosition(fSettings.Priority));
    TrackBar1Change(); // also for position 0, which sends no change
    seTimer->setValue(fSettings.SlideshowInterval / 1000);
}

bool TOptionsF::Apply()
{
    fSettings.SlideshowInterval = seTimer->value() * 1000;
    fSettings.HasLogFile = fStateFile.HasLogFile;
    fSettings.LogFileName = fStateFile.LogFileName;
    fSettings.CaptionFormat = FormatEd->text();
    const bool nodeFormatChanged = edArtist->text() != fSettings.ArtistFormat ||
                                   edAlbum->text() != fSettings.AlbumFormat ||
                                   edSong->text() != fSettings.SongFormat;
    fSettings.ArtistFormat = edArtist->text();
    fSettings.AlbumFormat = edAlbum->text();
    fSettings.SongFormat = edSong->text();
    fSettings.SaveListFileNameOnExit = SaveListFileNameCB->isChecked();
    fSettings.PlayOnRun = AutoPlayCB->isChecked();
    fSettings.Priority = TrackBar1->value();
    fStateFile.StoreInto(fSettings);
    return nodeFormatChanged;
}

QString TOptionsF::PriorityName(int position)
{
    return position >= 0 && position < PriorityCount ? QString(PriorityNames[position]) : QString();
}

void TOptionsF::Label2Click() { SaveListFileNameCB->toggle(); }

void TOptionsF::Label3Click() { AutoPlayCB->toggle(); }

void TOptionsF::TrackBar1Change() { PriorityValue->setText(PriorityName(TrackBar1->value())); }

void TOptionsF::Button3Click()
{
    TLogF dialog(this);
    dialog.Fill(fStateFile);
    if (Prompt().ShowModal(&dialog) == QDialog::Accepted)
        fStateFile = dialog.Values();
}

void TOptionsF::Button4Click()
{
    const TDefaultSettings defaults;
    SaveListFileNameCB->setChecked(true);
    AutoPlayCB->setChecked(true);
    FormatEd->setText(defaults.CaptionFormat);
    edArtist->setText(defaults.ArtistFormat);
    edAlbum->setText(defaults.AlbumFormat);
    edSong->setText(defaults.SongFormat);
    TrackBar1->setValue(defaults.Priority);
    TStateFileSettings reset = TStateFileSettings::Of(defaults);
    reset.HasLogFile = fStateFile.HasLogFile;
    reset.LogFileName = fStateFile.LogFileName;
    fStateFile = reset;
}

void TOptionsF::Button5Click() { ShowHelp(this, HelpOptionsTopic); }

void TOptionsF::Button6Click()
{
    TTemplateSet templates{fSettings.ImportArtistTemplate, fSettings.ImportAlbumTemplate,
                           fSettings.PackArtistTemplate, fSettings.PackAlbumTemplate};
    if (!EditAllTemplates(this, fSettingsFile, templates))
        return;
    fSettings.ImportArtistTemplate = templates.ImportArtist;
    fSettings.ImportAlbumTemplate = templates.ImportAlbum;
    fSettings.PackArtistTemplate = templates.PackArtist;
    fSettings.PackAlbumTemplate = templates.PackAlbum;
}

void TOptionsF::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *desktop = parentWidget() ? parentWidget()->screen() : screen())
        CentreIn(*this, desktop->availableGeometry());
}
