#pragma once
// What the transport asks of the main window, answered by the main window's parts.

#include "transport/playcontrol.h"

class TMainF;

class TMainPlayHost : public TPlayHost {
public:
    explicit TMainPlayHost(TMainF &window) : fWindow(window) {}
    virtual ~TMainPlayHost() = default;

    void SetCaption(const QString &caption) override;
    void ShowSongOnActivePage(const TExpandedSong &song) override;
    void StopClip() override;
    bool ClipOpen() const override;
    void SeekClip(int ms) override;
    void CloseMainWindow() override;
    bool Rebuilding() const override;
    void ActivateArtistNode(int artist) override;
    void ActivateAlbumNode(int artist, int album) override;
    void ReportStateFileFailure(const QString &message) override;

private:
    TMainF &fWindow;
};
