#include "views/finfof.h"

#include "library/expandedsong.h"
#include "views/id3taginfof.h"
#include "views/songdialogs.h"

#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget *FilesSeparator()
{
    auto *separator = new QWidget;
    auto *row = new QHBoxLayout(separator);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("Файлы:"));
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line, 1);
    return separator;
}

} // namespace

TFInfoF::TFInfoF(QWidget *parent) : QDialog(parent)
{
    setObjectName("FInfoF");
    setWindowTitle("Информация из списка воспрозведения");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CreateSongGroup());
    layout->addLayout(CreateButtons());
    setMinimumWidth(460);
}

QWidget *TFInfoF::CreateSongGroup()
{
    auto *group = new QGroupBox("О композиции");
    auto *form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow("Название", PlsTitle = CreateInfoEdit("PlsTitle"));
    form->addRow("Исполнитель", PlsArtist = CreateInfoEdit("PlsArtist"));
    form->addRow("Альбом", PlsAlbum = CreateInfoEdit("PlsAlbum"));
    form->addRow("Год", PlsYear = CreateInfoEdit("PlsYear"));
    form->addRow("Комментарий", PlsComment = CreateInfoEdit("PlsComment"));
    form->addRow(FilesSeparator());
    form->addRow("Песни", FName = CreateInfoEdit("FName"));
    form->addRow("Обложки альбома", AlbPicFile = CreateInfoEdit("AlbPicFile"));
    form->addRow("Текущей картинки", PicFile = CreateInfoEdit("PicFile"));
    form->addRow("Текста к песне", TextFile = CreateInfoEdit("TextFile"));
    form->addRow("Рецензии к альбому", RecFile = CreateInfoEdit("RecFile"));
    form->addRow("Истории", HistFile = CreateInfoEdit("HistFile"));
    return group;
}

QLayout *TFInfoF::CreateButtons()
{
    MP3TagBtn = new QPushButton("&Свойства файла");
    MP3TagBtn->setObjectName("MP3TagBtn");
    connect(MP3TagBtn, &QPushButton::clicked, this, &TFInfoF::MP3TagBtnClick);
    BitBtn1 = new QPushButton("OK");
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(MP3TagBtn);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    return buttons;
}

void TFInfoF::Fill(const TExpandedSong &song, const QString &currentPicture)
{
    fSong = &song;
    PlsTitle->setText(song.Title());
    PlsArtist->setText(song.Artist());
    PlsAlbum->setText(song.Album());
    PlsYear->setText(song.Year());
    PlsComment->setText(song.Comment());
    FName->setText(song.File());
    AlbPicFile->setText(song.AlbumPicture());
    PicFile->setText(currentPicture);
    TextFile->setText(song.Text());
    RecFile->setText(song.Retsenzia());
    HistFile->setText(song.History());
}

void TFInfoF::MP3TagBtnClick() { ShowSongProperties(this, fSong); }
