#include "views/albumcoverpage.h"

#include "library/expandedsong.h"
#include "platform/filefinder.h"
#include "views/pictureactions.h"

#include <QPainter>
#include <QPixmap>
#include <QToolBar>

TAlbumCoverPage::TAlbumCoverPage(TPictureActions &actions, TPicsColl &coverCache,
                                 TPageHost &host, QWidget *parent)
    : TPicturePage(actions, host, "AlbumPicTS", "ScrollBox1", "DeskPic", parent),
      ToolBar1(AddToolBar("ToolBar1", {actions.ZoomIn, actions.ZoomOut, actions.Stretch,
                                       actions.AsItIs, actions.BestFit})),
      ScrollBox1(fBox), DeskPic(fBox->Control()), fCoverCache(coverCache)
{
    ScrollBox1->setAccessibleName(QStringLiteral("Обложка альбома"));
}

void TAlbumCoverPage::ShowAlbumPicture(const QString &fileName)
{
    if (fileName == ShownCoverFile || !ExistingFile(fileName))
        return;
    ShownCoverFile = fileName;
    const TImagePicture *cover = CachedCover(fileName);
    if (!cover)
        return;
    DeskPic->SetPicture(*cover);
    AsItIsClick();
}

// The cache item of fileName, decoded (and its tree image made) when it is new; null when the
// file cannot be decoded. A cover that failed keeps its item, so that it is not decoded again
// (nor given another tree image) each time it comes back.
const TImagePicture *TAlbumCoverPage::CachedCover(const QString &fileName)
{
    for (const TPicItem &item : fCoverCache) {
        if (item.FileName() == fileName)
            return dynamic_cast<const TImagePicture *>(&item.Picture());
        if (item.FailedFileName() == fileName)
            return nullptr;
    }
    TPicItem &item = fCoverCache.Add();
    item.SetFileName(fileName);
    const auto *picture = dynamic_cast<const TImagePicture *>(&item.Picture());
    if (!picture || picture->IsEmpty())
        return nullptr;
    QPixmap thumbnail(16, 16);
    thumbnail.fill(Qt::transparent);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture->Draw(painter, QRectF(0, 0, 15, 15));
    painter.end();
    fHost.SetAlbumThumbnail(QIcon(thumbnail));
    return picture;
}

void TAlbumCoverPage::AlbumPicTSShow()
{
    if (const TExpandedSong *song = fHost.CurrentSong())
        ShowAlbumPicture(song->AlbumPicture());
    ScrollBox1->Center();
}

void TAlbumCoverPage::SongChanged(const TExpandedSong &song)
{
    ShowAlbumPicture(song.AlbumPicture());
}

void TAlbumCoverPage::PageShown() { AlbumPicTSShow(); }

void TAlbumCoverPage::NaturalSizeSet()
{
    const QSize picture = ScrollBox1->PictureSize();
    if (picture.width() > ScrollBox1->width() || picture.height() > ScrollBox1->height())
        fHost.GrowWindowForPicture(picture, ToolBar1->height());
}
