#pragma once
// The one interface between the main window and the pages of its page control. The window tells
// a page what happened (the current song changed while the page is shown, the play list was
// rebuilt and scanned, the page became the active one); the page does the rest with its own
// controls, actions and handlers. What a page needs of the window goes through TPageHost.

#include <QIcon>
#include <QSize>
#include <QWidget>

class TExpandedSong;

class TContentPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // song became the current song while this page is the active page.
    virtual void SongChanged(const TExpandedSong &song);
    // The play list was rebuilt and its content scan has run: the window's lists are new.
    virtual void ListRebuilt();
    // This page became the active page.
    virtual void PageShown();
};

// What the pages need of the main window around them.
class TPageHost {
public:
    // The song at SongIndex; null when there is none.
    virtual const TExpandedSong *CurrentSong() const = 0;
    // Whether page is the active page of the page control.
    virtual bool IsActivePage(const QWidget *page) const = 0;
    // Makes page the active page (its PageShown follows) and checks its View item.
    virtual void ShowPage(QWidget *page) = 0;
    // A picture of size picture wants to be seen whole on a page whose controls above and below
    // the picture take extraHeight: the window grows to fit it when in its normal state (neither
    // maximised nor minimised), never limited to the screen.
    virtual void GrowWindowForPicture(QSize picture, int extraHeight) = 0;
    // Appends image to the tree's images and gives it to the album node (the selected node when
    // it is an album, else the selected node's parent).
    virtual void SetAlbumThumbnail(const QIcon &image) = 0;

protected:
    ~TPageHost() = default;
};
