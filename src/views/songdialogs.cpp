#include "views/songdialogs.h"

#include "library/expandedsong.h"
#include "platform/filefinder.h"
#include "platform/prompt.h"
#include "views/aboutf.h"
#include "views/finfof.h"
#include "views/helpwindow.h"
#include "views/id3taginfof.h"

#include <QGuiApplication>
#include <QScreen>
#include <exception>

namespace {

// The song dialogs stand in the middle of the screen the main window is on.
void CentreOnScreen(QDialog &dialog, QWidget *parent)
{
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    dialog.adjustSize();
    dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

// Fills dialog from the song's file and the player. A player failure (no decoder library) is
// reported and leaves the dialog as it was created.
void FillTechnicalInfo(TID3TagInfoF &dialog, QWidget *parent, const TExpandedSong &song)
{
    if (!ExistingFile(song.File())) {
        dialog.FillMissingFile(song.File());
        return;
    }
    try {
        TMP3TagInfo info;
        song.MP3TagInfo(info);
        dialog.Fill(song.File(), info);
    } catch (const std::exception &error) {
        Prompt().Message(parent, TPrompt::TKind::Error, QString::fromUtf8(error.what()),
                         TPrompt::TButtons::Ok);
    }
}

} // namespace

void ShowFileInfo(QWidget *parent, const TExpandedSong *song, const QString &currentPicture)
{
    if (!song)
        return;
    TFInfoF dialog(parent);
    dialog.Fill(*song, currentPicture);
    CentreOnScreen(dialog, parent);
    Prompt().ShowModal(&dialog);
}

void ShowSongProperties(QWidget *parent, const TExpandedSong *song)
{
    if (!song)
        return;
    TID3TagInfoF dialog(parent);
    FillTechnicalInfo(dialog, parent, *song);
    CentreOnScreen(dialog, parent);
    Prompt().ShowModal(&dialog);
}

void ShowAbout(QWidget *parent)
{
    TAboutF dialog(parent);
    Prompt().ShowModal(&dialog);
}

void ShowHelp(QWidget *parent, int topic) { OpenHelp(parent, topic, HelpFolder()); }
