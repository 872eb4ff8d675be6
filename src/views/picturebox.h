#pragma once
// A picture page's scroll box (ScrollBox1, ScrollBox2) with its picture control (DeskPic,
// SongPic). The control draws its picture stretched to its own bounds; its size and place are
// what the sizing commands change. The box has no border, a black background and shows each
// scroll bar only when told to; scrolling moves the control and tracks the thumb.

#include "imaging/picture.h"
#include "views/picturesizing.h"

#include <QAbstractScrollArea>
#include <QWidget>

// DeskPic, SongPic: the picture drawn stretched over the control.
class TPictureControl : public QWidget {
    Q_OBJECT
public:
    explicit TPictureControl(QWidget *parent = nullptr);
    const TImagePicture &Picture() const { return fPicture; }
    void SetPicture(const TImagePicture &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TImagePicture fPicture;
};

class TPictureScrollBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TPictureScrollBox(QWidget *parent = nullptr);

    TPictureControl *Control() const { return fControl; }
    // The picture's natural size; empty when no picture is shown.
    QSize NaturalSize() const { return fControl->Picture().NaturalSize(); }
    // The control's size and its place in the box with both scroll positions at 0.
    QSize PictureSize() const { return fRect.size(); }
    QPoint PicturePos() const { return fRect.topLeft(); }
    bool Filled() const { return fFilled; }
    TScrollBars Bars() const;

    // Cancels the fill and gives the control the picture's natural size.
    void SetNaturalSize();
    // Shows each bar exactly when the picture is wider (taller) than the box plus tolerance.
    void ShowBarsForPicture(int tolerance = 0);
    // CenterAlbumPicture, CenterSongPicture: both scroll positions to 0 when a bar shows, and
    // the picture placed by CenteredPicturePos.
    void Center();
    // Cancels the fill (keeping the filled size), zooms by factor, bars with a tolerance of 2,
    // then centres. A zoom beyond kMaxZoomedSide leaves the picture as it is.
    void Zoom(double factor);
    // Fill: the control takes the whole box, without keeping proportions; bars stay.
    void Stretch();
    // The proportional fit of the control's size into the box; fill and bars stay.
    void BestFit();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Place();
    void UpdateScrollRanges();

    TPictureControl *fControl;
    QRect fRect;          // the control's size and its place at scroll positions 0
    bool fFilled = false; // the fill alignment of Stretch
};
