#include "app/playhost.h"

#include "app/mainf.h"
#include "views/albumcoverpage.h"
#include "views/historypage.h"
#include "views/reviewpage.h"

#include "platform/errorreport.h"

#include <QMetaObject>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

// The desktop's task bar shows the window's title: that is the application title here. (The
// application name stays: Qt builds temporary and configuration paths from it.) An empty title
// would show the application name instead: a blank keeps it empty.
void TMainPlayHost::SetCaption(const QString &caption)
{
    fWindow.setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
}

void TMainPlayHost::ShowSongOnActivePage(const TExpandedSong &song)
{
    if (auto *page = qobject_cast<TContentPage *>(fWindow.PageControl1->currentWidget()))
        page->SongChanged(song);
}

// No clip is ever open until the clips page plays them.
void TMainPlayHost::StopClip() {}
bool TMainPlayHost::ClipOpen() const { return false; }
void TMainPlayHost::SeekClip(int) {}

void TMainPlayHost::CloseMainWindow()
{
    // Called from inside the player's notification: the window must outlive it.
    QMetaObject::invokeMethod(&fWindow, &QWidget::close, Qt::QueuedConnection);
}

bool TMainPlayHost::Rebuilding() const { return fWindow.Rebuilding; }

// The page is shown first: its own showing brings up the current song's history, which the
// artist's then replaces.
void TMainPlayHost::ActivateArtistNode(int artist)
{
    if (!fWindow.Artists.IsValidIndex(artist) || fWindow.Artists[artist].History.isEmpty())
        return;
    fWindow.ShowPage(TMainF::HistoryPage);
    fWindow.HistoryTS->ShowArtistHistory(fWindow.Artists[artist].History);
}

void TMainPlayHost::ActivateAlbumNode(int artist, int album)
{
    if (!fWindow.Artists.IsValidIndex(artist) ||
        !fWindow.Artists[artist].Albums.IsValidIndex(album))
        return;
    const TAlbItem &item = fWindow.Artists[artist].Albums[album];
    if (fWindow.PageControl1->currentIndex() == TMainF::RetsPage) {
        fWindow.RetsTS->ShowAlbumReview(item.Retsenzia);
        return;
    }
    fWindow.ShowPage(TMainF::AlbumPicPage);
    if (!item.Picture.isEmpty())
        fWindow.AlbumPicTS->ShowAlbumPicture(item.Picture);
}

void TMainPlayHost::ReportStateFileFailure(const QString &message)
{
    if (fWindow.ShuttingDown()) {
        std::fprintf(stderr, "lorvanta: %s\n", message.toUtf8().constData());
        return;
    }
    // Shown from the event loop: never before the window appears, never inside the command.
    QTimer::singleShot(0, &fWindow, [window = &fWindow, message] { ReportError(window, message); });
}
