#pragma once
// AlbumPicTS: the cover of the current song's album. Covers are decoded once per loaded list
// (the cover cache, shared with the main window, which empties it when a list is loaded) and
// showing the cover already shown costs nothing. Each newly decoded cover also becomes the
// album node's 16x16 image in the tree.

#include "library/pictures.h"
#include "views/picturepage.h"

#include <QString>

class QToolBar;

class TAlbumCoverPage : public TPicturePage {
    Q_OBJECT
public:
    TAlbumCoverPage(TPictureActions &actions, TPicsColl &coverCache, TPageHost &host,
                    QWidget *parent = nullptr);

    // Shows the cover in fileName unless it is the cover shown or no such file exists (found
    // without regard to letter case). A cover that cannot be decoded leaves the page as it was.
    void ShowAlbumPicture(const QString &fileName);
    // AlbumPicTSShow: the current song's cover, centred; errors are ignored.
    void AlbumPicTSShow();

    void SongChanged(const TExpandedSong &song) override;
    void PageShown() override;

    QToolBar *ToolBar1;
    TPictureScrollBox *ScrollBox1;
    TPictureControl *DeskPic;
    // The file name of the cover on the page, as the song names it; empty at first.
    QString ShownCoverFile;

protected:
    void NaturalSizeSet() override;

private:
    const TImagePicture *CachedCover(const QString &fileName);

    TPicsColl &fCoverCache;
};
