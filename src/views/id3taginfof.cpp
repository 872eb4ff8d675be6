#include "views/id3taginfof.h"

#include "library/taginfo.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const NotGiven = "<не указано>";
const char *const NotGivenShort = "<не указан>";
const char *const UnknownYear = "<?>";

QString ChannelModeName(int mode)
{
    switch (mode) {
    case 0: return "стерео";
    case 1: return "псевдо- (joint) стерео";
    case 2: return "в два канала (dual channel)";
    case 3: return "моно";
    default: return QString();
    }
}

// Integer division truncates, as the durations and rates are meant to read.
QStringList TechnicalLines(const TMP3TagInfo &info)
{
    return {
        "Размер файла " + QString::number(info.FileSize) + " байт",
        "Длительность " + QString::number(info.Length / 1000) + " с",
        "MPEG Layer " + QString::number(info.Layer),
        QString::number(info.Bitrate / 1000) + " кбит/с",
        QString::number(info.Frequency) + " Гц, " + ChannelModeName(info.StereoMode),
    };
}

void SetUnlessEmpty(QLineEdit *edit, const QString &value)
{
    if (!value.isEmpty())
        edit->setText(value);
}

} // namespace

QLineEdit *CreateInfoEdit(const QString &objectName, const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setFrame(false);
    return edit;
}

TID3TagInfoF::TID3TagInfoF(QWidget *parent) : QDialog(parent)
{
    setObjectName("ID3TagInfoF");
    setWindowTitle("Техническая информация из файла");
    BitBtn1 = new QPushButton("OK");
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateFileNameGroup());
    layout->addWidget(CreateDetailsGroup());
    layout->addWidget(CreateOtherGroup());
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

QWidget *TID3TagInfoF::CreateFileNameGroup()
{
    auto *group = new QGroupBox("Имя файла");
    FNameEd = new QLineEdit;
    FNameEd->setObjectName("FNameEd");
    FNameEd->setReadOnly(true);
    (new QVBoxLayout(group))->addWidget(FNameEd);
    return group;
}

QWidget *TID3TagInfoF::CreateDetailsGroup()
{
    auto *group = new QGroupBox("Сведения");
    auto *form = new QFormLayout(group);
    TitleED = CreateInfoEdit("TitleED", NotGiven);
    ArtistED = CreateInfoEdit("ArtistED", NotGivenShort);
    AlbumED = CreateInfoEdit("AlbumED", NotGivenShort);
    YearED = CreateInfoEdit("YearED", UnknownYear);
    GenreED = CreateInfoEdit("GenreED", NotGivenShort);
    CommentED = CreateInfoEdit("CommentED", NotGivenShort);
    form->addRow("Название", TitleED);
    form->addRow("Исполнитель", ArtistED);
    form->addRow("Альбом", AlbumED);
    form->addRow("Год", YearED);
    form->addRow("Стиль", GenreED);
    form->addRow("Комментарий", CommentED);
    return group;
}

QWidget *TID3TagInfoF::CreateOtherGroup()
{
    auto *group = new QGroupBox("Прочее");
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    (new QVBoxLayout(group))->addWidget(Memo1);
    return group;
}

void TID3TagInfoF::Fill(const QString &fileName, const TMP3TagInfo &info)
{
    FNameEd->setText(fileName);
    SetUnlessEmpty(TitleED, info.Title);
    SetUnlessEmpty(ArtistED, info.Artist);
    SetUnlessEmpty(AlbumED, info.Album);
    SetUnlessEmpty(YearED, info.Year);
    SetUnlessEmpty(CommentED, info.Comment);
    SetUnlessEmpty(GenreED, info.Genre);
    Memo1->setPlainText(TechnicalLines(info).join('\n'));
}

void TID3TagInfoF::FillMissingFile(const QString &fileName)
{
    FNameEd->setText(fileName);
    // Nothing was read, so no numbers are shown rather than zeros that look like facts.
    Memo1->setPlainText("Файл не найден");
}
