#pragma once
// What the content pages ask of the main window, answered by the main window.

#include "views/contentpage.h"

class TMainF;

class TMainPageHost : public TPageHost {
public:
    explicit TMainPageHost(TMainF &window) : fWindow(window) {}
    virtual ~TMainPageHost() = default;

    const TExpandedSong *CurrentSong() const override;
    bool IsActivePage(const QWidget *page) const override;
    void ShowPage(QWidget *page) override;
    void GrowWindowForPicture(QSize picture, int extraHeight) override;
    void SetAlbumThumbnail(const QIcon &image) override;

private:
    TMainF &fWindow;
};
