// The media player's transport commands, queries and picture placement.
#include "views/mediaplayer.h"

#include <QMediaPlayer>
#include <QVideoWidget>
#include <algorithm>

void TMediaPlayer::RequireOpen()
{
    Wait = false;
    if (fPlayer) return;
    SetError(mciErrDeviceNotOpen);
    throw EMCIDeviceError(QStringLiteral("No MCI device open"));
}

bool TMediaPlayer::AtEnd() const
{
    return fPlayer->mediaStatus() == QMediaPlayer::EndOfMedia;
}

void TMediaPlayer::Play()
{
    RequireOpen();
    Succeed();
    if (fMode == TMPModes::mpPlaying) return;
    if (AtEnd()) {
        if (!AutoRewind) return; // played from its end, the clip is over at once
        fPlayer->setPosition(fOrigin);
    }
    fPlayer->play();
    fMode = TMPModes::mpPlaying;
}

void TMediaPlayer::Stop()
{
    RequireOpen();
    Succeed();
    if (fMode != TMPModes::mpPlaying && fMode != TMPModes::mpPaused) return;
    fPlayer->pause(); // the framework's stop would rewind
    fMode = TMPModes::mpStopped;
}

void TMediaPlayer::Pause()
{
    RequireOpen();
    Succeed();
    if (fMode == TMPModes::mpPlaying) {
        fPlayer->pause();
        fMode = TMPModes::mpPaused;
    } else if (fMode == TMPModes::mpPaused) {
        fPlayer->play();
        fMode = TMPModes::mpPlaying;
    }
}

void TMediaPlayer::Seek(int position)
{
    RequireOpen();
    if (position < 0 || position > Length()) return SetError(mciErrOutOfRange);
    Succeed();
    if (fMode == TMPModes::mpPlaying) fPlayer->pause();
    fPlayer->setPosition(position + fOrigin);
    if (fMode != TMPModes::mpNotReady) fMode = TMPModes::mpStopped;
}

void TMediaPlayer::SetTimeFormat(TMPTimeFormats)
{
    Wait = false;
    SetError(fPlayer ? mciNoError : mciErrDeviceNotOpen);
}

int TMediaPlayer::Length() const
{
    if (!fPlayer) throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    return int(std::max<qint64>({0, fPlayer->duration(), fEndPosition}));
}

int TMediaPlayer::Position() const
{
    if (!fPlayer || fMode == TMPModes::mpNotReady) return 0;
    const int length = Length();
    if (AtEnd()) return length;
    return int(std::clamp<qint64>(fPlayer->position() - fOrigin, 0, length));
}

TMPModes TMediaPlayer::Mode() const
{
    return fPlayer ? fMode : TMPModes::mpNotReady;
}

TRect TMediaPlayer::DisplayRect() const
{
    if (!fPlayer || fMode == TMPModes::mpNotReady) return TRect();
    if (fDest.Right != 0 || fDest.Bottom != 0) return fDest;
    return {fDest.Left, fDest.Top, fDest.Left + fNatural.width(), fDest.Top + fNatural.height()};
}

void TMediaPlayer::SetDisplayRect(const TRect &rect)
{
    Wait = false;
    if (!fPlayer) return SetError(mciErrDeviceNotOpen);
    Succeed();
    fDest = rect;
    PlaceVideo();
}

void TMediaPlayer::PlaceVideo()
{
    if (!fVideo) return;
    const TRect rect = DisplayRect();
    fVideo->setGeometry(rect.Left, rect.Top, rect.Width(), rect.Height());
    fVideo->setVisible(rect.Width() > 0 && rect.Height() > 0);
}
