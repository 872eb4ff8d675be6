#pragma once
// The picture commands both picture pages share: the sizing actions (act on the active picture
// page), the photo actions (the photos page), and the picture context menu PopupMenu3. They are
// actions of the main window (their keys work wherever the focus is), made here once.

#include <QObject>

class QAction;
class QMenu;
class QWidget;

class TPictureActions : public QObject {
    Q_OBJECT
public:
    // Makes the actions as actions of window, named as the main window's action list names them.
    explicit TPictureActions(QWidget *window);

    QAction *ZoomIn;
    QAction *ZoomOut;
    QAction *AsItIs;
    QAction *Stretch;
    QAction *BestFit;
    QAction *PrevPic;
    QAction *NextPic;
    QAction *JumpToPic;
    QAction *SlideShow; // a checked toggle
    QMenu *PopupMenu3;  // ZoomIn, ZoomOut, Stretch, AsItIs
};
