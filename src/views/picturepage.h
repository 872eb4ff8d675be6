#pragma once
// What the two picture pages share: a tool bar above a picture scroll box, the sizing commands
// (acting only while the page is the active one), the picture menu on the picture, and the
// page's resize handling.

#include "views/contentpage.h"
#include "views/picturebox.h"

#include <initializer_list>

class QAction;
class QToolBar;
class QVBoxLayout;
class TPictureActions;

class TPicturePage : public TContentPage {
    Q_OBJECT
public:
    TPictureScrollBox *ScrollBox() const { return fBox; }
    // AsItIsAlbTBClick, AsItIsSongTBClick: the picture at its natural size, bars, centred.
    virtual void AsItIsClick();

protected:
    // pageName: the page's object name; boxName, pictureName: its scroll box and picture control.
    TPicturePage(TPictureActions &actions, TPageHost &host, const char *pageName,
                 const char *boxName, const char *pictureName, QWidget *parent);
    // Adds the page's tool bar (nullptr entries are separators) above the scroll box.
    QToolBar *AddToolBar(const char *name, std::initializer_list<QAction *> actions);
    // Between setting the natural size and showing the bars (the cover page grows the window).
    virtual void NaturalSizeSet() {}
    bool Active() const { return fHost.IsActivePage(this); }

    TPictureActions &fActions;
    TPageHost &fHost;
    TPictureScrollBox *fBox;
    QVBoxLayout *fLayout;

private:
    // AlbumPicTSResize, SongPicTSResize: bars by the picture's size, then centred, while active.
    void BoxResized();
    void WhenActive(void (TPictureScrollBox::*operation)());
};
