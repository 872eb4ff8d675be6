#pragma once
// SongPicTS: the disc's photos, one at a time, out of the main window's photo list (which may
// hold empty entries: songs without a photo). Stepping skips empty entries; a photo that is
// missing or cannot be decoded moves the position while the last picture stays on screen. The
// slide show steps on a timer until it reaches the last photo.

#include "views/picturepage.h"

#include <QStringList>

class QLabel;
class QStatusBar;
class QTimer;
class QToolBar;
class TPicJumpF;

class TPhotosPage : public TPicturePage {
    Q_OBJECT
public:
    // photoList and songPicIdx are the main window's PhotoList and SongPicIdx.
    TPhotosPage(TPictureActions &actions, const QStringList &photoList, int &songPicIdx,
                TPageHost &host, QWidget *parent = nullptr);

    // SongPicTSShow: entry SongPicIdx into SongPic, the status, natural size; an empty entry, a
    // missing or undecodable file or an index outside the list leaves the page as it was.
    void SongPicTSShow();
    void UpdatePhotoStatus();
    void NextSongPicTBClick();
    void PrevSongPicTBClick();
    void JumpToPicExecute();
    // Toggles the slide show (SlideShow's check mark) and runs the timer while it is on.
    void SlideShowExecute();
    // Milliseconds between photos; 0 or less: the slide show never steps.
    void SetSlideshowInterval(int milliseconds);

    void ListRebuilt() override;
    void PageShown() override;

    QToolBar *ToolBar2;
    TPictureScrollBox *ScrollBox2;
    TPictureControl *SongPic;
    QStatusBar *stbPicture;
    QLabel *StatusPanels[3]; // index, size, file name
    QTimer *tmSlideShow;
    TPicJumpF *PicJumpF = nullptr; // made at the first jump, kept for later ones

private:
    // The nearest non-empty entry after (step 1) or before (step -1) SongPicIdx; -1 when none.
    int NearestPhoto(int step) const;
    void Step(int step);
    // Loads the photo into SongPic at natural size; false (and SongPic unchanged) on failure.
    bool ShowPhoto(const QString &entry);
    void ApplySlideShowTimer();

    const QStringList &fPhotos;
    int &fIndex;
    int fInterval = 3000;
};
