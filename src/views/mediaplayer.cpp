#include "views/mediaplayer.h"

#include "views/mediaprobe.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>
#include <utility>

namespace {

int ErrorCodeFor(QMediaPlayer::Error error)
{
    switch (error) {
    case QMediaPlayer::ResourceError:
    case QMediaPlayer::FormatError:
        return mciErrInvalidFile;
    case QMediaPlayer::AccessDeniedError:
        return mciErrFileNotFound;
    default:
        return mciErrInternal;
    }
}

} // namespace

TMediaPlayer::TMediaPlayer(QObject *parent) : QObject(parent) {}

TMediaPlayer::~TMediaPlayer()
{
    Close();
    delete fVideo;
}

void TMediaPlayer::SetDisplay(QWidget *display)
{
    if (display == fDisplay) return;
    delete fVideo;
    fDisplay = display;
    if (display) {
        fVideo = new QVideoWidget(display);
        fVideo->setAspectRatioMode(Qt::IgnoreAspectRatio);
        fVideo->hide();
    }
    PlaceVideo();
}

void TMediaPlayer::Open()
{
    const bool wait = std::exchange(Wait, false);
    Close();
    const QFileInfo file(FileName);
    if (FileName.isEmpty()) return SetError(mciErrFileNameRequired);
    if (!file.isFile() || !file.isReadable()) return SetError(mciErrFileNotFound, FileName);
    if (file.size() == 0) return SetError(mciErrInvalidFile);
    Succeed();
    CreatePlayer();
    if (wait && !WaitForLoad()) return; // closed while it loaded
    if (wait || LoadSettled()) FinishOpen();
}

void TMediaPlayer::CreatePlayer()
{
    fLoad = TLoad::Loading;
    fLoadError = mciNoError;
    fLoadDetail.clear();
    fNatural = QSize();
    fOrigin = 0;
    fEndPosition = 0;
    fDest = TRect();
    fPlayer = new QMediaPlayer(this);
    fPlayer->setAudioOutput(new QAudioOutput(fPlayer));
    // A sink of this player's own: frames still queued from a closed clip die with it.
    auto *frames = new QVideoSink(fPlayer);
    fPlayer->setVideoSink(frames);
    connect(frames, &QVideoSink::videoFrameChanged, this, &TMediaPlayer::FrameArrived);
    connect(fPlayer, &QMediaPlayer::mediaStatusChanged, this, &TMediaPlayer::StatusChanged);
    connect(fPlayer, &QMediaPlayer::errorOccurred, this, &TMediaPlayer::PlayerError);
    fPlayer->setSource(QUrl::fromLocalFile(QFileInfo(FileName).absoluteFilePath()));
    fPlayer->pause(); // prerolls: loads the file and decodes the first picture
}

void TMediaPlayer::FrameArrived(const QVideoFrame &frame)
{
    if (fVideo) fVideo->videoSink()->setVideoFrame(frame);
    if (!fNatural.isValid() && frame.isValid()) {
        fNatural = frame.size();
        PlaceVideo();
        Settle();
    }
}

void TMediaPlayer::StatusChanged()
{
    switch (fPlayer->mediaStatus()) {
    case QMediaPlayer::InvalidMedia:
        if (fLoad == TLoad::Loading) LoadFailed(mciErrInvalidFile, QString());
        fMode = fMode == TMPModes::mpNotReady ? fMode : TMPModes::mpStopped;
        break;
    case QMediaPlayer::EndOfMedia:
        if (fMode != TMPModes::mpNotReady) fMode = TMPModes::mpStopped;
        fEndPosition = std::max(fEndPosition, fPlayer->position() - fOrigin);
        [[fallthrough]];
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
        if (fLoad == TLoad::Loading) fLoad = TLoad::Loaded;
        break;
    default:
        break;
    }
    Settle();
}

void TMediaPlayer::PlayerError(int error, const QString &text)
{
    if (fLoad == TLoad::Loading)
        LoadFailed(ErrorCodeFor(QMediaPlayer::Error(error)), text);
    else if (fMode == TMPModes::mpPlaying || fMode == TMPModes::mpPaused)
        fMode = TMPModes::mpStopped; // a clip that breaks off ends where it broke
    Settle();
}

void TMediaPlayer::LoadFailed(int code, const QString &detail)
{
    fLoad = TLoad::Failed;
    fLoadError = code;
    fLoadDetail = detail;
}

bool TMediaPlayer::LoadSettled() const
{
    if (!fPlayer || fLoad == TLoad::Failed) return true;
    return fLoad == TLoad::Loaded && (fNatural.isValid() || !fPlayer->hasVideo());
}

void TMediaPlayer::Settle()
{
    if (fWaitLoop) {
        if (LoadSettled()) fWaitLoop->quit();
    } else if (fPlayer && fMode == TMPModes::mpNotReady && LoadSettled()) {
        FinishOpen();
    }
}

bool TMediaPlayer::WaitForLoad()
{
    if (!LoadSettled()) {
        QEventLoop loop;
        QTimer::singleShot(OpenLimitMs, &loop, &QEventLoop::quit);
        fWaitLoop = &loop;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        fWaitLoop = nullptr;
    }
    return fPlayer != nullptr;
}

void TMediaPlayer::FinishOpen()
{
    int code = fLoad == TLoad::Loading ? mciErrNotReady : fLoadError;
    QString detail = fLoadDetail;
    const bool streamMissing = !fPlayer->hasVideo() || !fPlayer->hasAudio();
    if (fLoad != TLoad::Loaded || streamMissing) {
        const TMediaProbe probe = ProbeMedia(FileName, ProbeLimitMs);
        if (!probe.Missing.isEmpty()) {
            code = mciErrMissingPlugin;
            detail = probe.Missing.join(QStringLiteral(", "));
        } else if (fLoad == TLoad::Loading && !probe.Error.isEmpty()) {
            // The framework lost the file's failure (it happens now and then) and would load
            // for ever; GStreamer's own answer stands in for it.
            code = mciErrInvalidFile;
            detail = probe.Error;
        }
    }
    if (code != mciNoError) {
        Close();
        return SetError(code, detail);
    }
    if (!fNatural.isValid()) // a picture that did not arrive in time: what the file says
        fNatural = fPlayer->metaData().value(QMediaMetaData::Resolution).toSize();
    fOrigin = fPlayer->position();
    fMode = TMPModes::mpStopped;
    PlaceVideo();
}

void TMediaPlayer::Close()
{
    Wait = false;
    Succeed();
    if (!fPlayer) return;
    QMediaPlayer *player = std::exchange(fPlayer, nullptr);
    player->disconnect(this); // stopping reports a status of its own
    player->videoSink()->disconnect(this);
    // A file that never loaded is not stopped: the framework would wait a second for its broken
    // pipeline to pause first. Deleting it ends it at once.
    if (fMode != TMPModes::mpNotReady) player->stop();
    delete player;
    fMode = TMPModes::mpNotReady;
    fNatural = QSize();
    if (fWaitLoop) fWaitLoop->quit();
    if (fVideo) fVideo->videoSink()->setVideoFrame(QVideoFrame());
    PlaceVideo();
}

void TMediaPlayer::SetError(int code, const QString &detail)
{
    fError = code;
    fErrorDetail = detail;
}

QString TMediaPlayer::ErrorMessage() const
{
    QString text = MCIErrorText(fError);
    if (fErrorDetail.isEmpty()) return text;
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text + QStringLiteral(": ") + fErrorDetail;
}
