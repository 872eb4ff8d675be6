#include "app/playhost.h"

#include "app/mainf.h"

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

// The cover, text, review and history pages follow the song once their contents arrive; the
// placeholders have nothing to refresh.
void TMainPlayHost::ShowSongOnActivePage(const TExpandedSong &) {}

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

void TMainPlayHost::ActivateArtistNode(int artist)
{
    if (fWindow.Artists.IsValidIndex(artist) && !fWindow.Artists[artist].History.isEmpty())
        fWindow.ShowPage(TMainF::HistoryPage);
}

void TMainPlayHost::ActivateAlbumNode(int, int)
{
    // The cover and review pages show the album's cover or review once their contents arrive;
    // any other page gives way to the cover page.
    const int page = fWindow.PageControl1->currentIndex();
    if (page != TMainF::AlbumPicPage && page != TMainF::RetsPage)
        fWindow.ShowPage(TMainF::AlbumPicPage);
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
