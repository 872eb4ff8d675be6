#include "views/photospage.h"

#include "library/picturescan.h"
#include "platform/filefinder.h"
#include "platform/prompt.h"
#include "views/picjumpf.h"
#include "views/pictureactions.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

TPhotosPage::TPhotosPage(TPictureActions &actions, const QStringList &photoList, int &songPicIdx,
                         TPageHost &host, QWidget *parent)
    : TPicturePage(actions, host, "SongPicTS", "ScrollBox2", "SongPic", parent),
      ToolBar2(AddToolBar("ToolBar2", {actions.ZoomIn, actions.ZoomOut, actions.Stretch,
                                       actions.AsItIs, actions.BestFit, nullptr, actions.PrevPic,
                                       actions.NextPic, actions.JumpToPic, actions.SlideShow})),
      ScrollBox2(fBox), SongPic(fBox->Control()), stbPicture(new QStatusBar(this)),
      tmSlideShow(new QTimer(this)), fPhotos(photoList), fIndex(songPicIdx)
{
    ScrollBox2->setAccessibleName(QStringLiteral("Фотография"));
    stbPicture->setObjectName("stbPicture");
    stbPicture->setSizeGripEnabled(false);
    const char *const panelNames[] = {"Номер картинки", "Размер картинки", "Файл картинки"};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(stbPicture);
        StatusPanels[i]->setAccessibleName(QString::fromUtf8(panelNames[i]));
        StatusPanels[i]->setTextFormat(Qt::PlainText);
        stbPicture->addWidget(StatusPanels[i], i == 2 ? 1 : 0);
    }
    fLayout->addWidget(stbPicture);
    tmSlideShow->setObjectName("tmSlideShow");
    connect(tmSlideShow, &QTimer::timeout, this, &TPhotosPage::NextSongPicTBClick);
    connect(actions.NextPic, &QAction::triggered, this, &TPhotosPage::NextSongPicTBClick);
    connect(actions.PrevPic, &QAction::triggered, this, &TPhotosPage::PrevSongPicTBClick);
    connect(actions.JumpToPic, &QAction::triggered, this, &TPhotosPage::JumpToPicExecute);
    // Triggering the checkable action has toggled it already.
    connect(actions.SlideShow, &QAction::triggered, this, &TPhotosPage::ApplySlideShowTimer);
}

void TPhotosPage::SongPicTSShow()
{
    const QString entry = fPhotos.value(fIndex);
    const QString file = entry.isEmpty() ? QString() : FindExistingFile(entry);
    TImagePicture picture;
    if (file.isEmpty() || !picture.LoadFromFile(file))
        return;
    SongPic->SetPicture(picture);
    UpdatePhotoStatus();
    AsItIsClick();
}

int TPhotosPage::NearestPhoto(int step) const
{
    for (int i = fIndex + step; i >= 0 && i < fPhotos.size(); i += step)
        if (!fPhotos[i].isEmpty())
            return i;
    return -1;
}

void TPhotosPage::UpdatePhotoStatus()
{
    const bool hasNext = NearestPhoto(1) >= 0;
    fActions.NextPic->setEnabled(hasNext);
    if (!hasNext && fActions.SlideShow->isChecked())
        SlideShowExecute();
    fActions.PrevPic->setEnabled(NearestPhoto(-1) >= 0);
    const QSize size = SongPic->Picture().NaturalSize();
    StatusPanels[0]->setText(QStringLiteral("%1/%2").arg(fIndex + 1).arg(fPhotos.size()));
    StatusPanels[1]->setText(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    StatusPanels[2]->setText(fPhotos.value(fIndex));
}

void TPhotosPage::NextSongPicTBClick() { Step(1); }

void TPhotosPage::PrevSongPicTBClick() { Step(-1); }

void TPhotosPage::Step(int step)
{
    if (!Active())
        return;
    const int target = NearestPhoto(step);
    if (target >= 0) {
        fIndex = target;
        ShowPhoto(fPhotos[target]);
    }
    UpdatePhotoStatus();
}

bool TPhotosPage::ShowPhoto(const QString &entry)
{
    const QString file = FindExistingFile(entry);
    TImagePicture picture;
    if (file.isEmpty() || !picture.LoadFromFile(file))
        return false;
    SongPic->SetPicture(picture);
    AsItIsClick();
    return true;
}

void TPhotosPage::JumpToPicExecute()
{
    if (!PicJumpF) {
        PicJumpF = new TPicJumpF(window());
        PicJumpF->SetPhotos(fPhotos);
    }
    PicJumpF->lbPics->setCurrentRow(fIndex);
    if (Prompt().ShowModal(PicJumpF) != QDialog::Accepted)
        return;
    const int chosen = PicJumpF->lbPics->currentRow();
    if (chosen < 0 || chosen >= fPhotos.size())
        return; // OK with nothing chosen changes nothing
    fIndex = chosen;
    if (!fPhotos[chosen].isEmpty() && ExistingFile(fPhotos[chosen])) {
        fHost.ShowPage(this);
        ShowPhoto(fPhotos[chosen]);
    }
    UpdatePhotoStatus();
}

void TPhotosPage::SlideShowExecute()
{
    fActions.SlideShow->setChecked(!fActions.SlideShow->isChecked());
    ApplySlideShowTimer();
}

void TPhotosPage::SetSlideshowInterval(int milliseconds)
{
    fInterval = milliseconds;
    ApplySlideShowTimer();
}

// A timer of no interval would fire at every turn of the event loop: it does not run at all.
void TPhotosPage::ApplySlideShowTimer()
{
    if (fActions.SlideShow->isChecked() && fInterval > 0)
        tmSlideShow->start(fInterval);
    else
        tmSlideShow->stop();
}

void TPhotosPage::ListRebuilt()
{
    const bool hasPhotos = HasPhotos(fPhotos);
    fActions.SlideShow->setEnabled(hasPhotos);
    UpdatePhotoStatus();
    if (hasPhotos)
        SongPicTSShow();
    if (PicJumpF)
        PicJumpF->SetPhotos(fPhotos);
}

void TPhotosPage::PageShown() { SongPicTSShow(); }
