#include "app/mpris.h"

#include "app/mainf.h"
#include "platform/errorreport.h"
#include "playback/mpegplayer.h"
#include "transport/playcontrol.h"

#include <QAction>
#include <QCoreApplication>
#include <QDBusMessage>
#include <QFileInfo>
#include <QSlider>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// Changes the window makes by itself (a song that ends, a click) are looked for this often.
constexpr int kWatchMs = 300;
constexpr qlonglong kUsPerMs = 1000;

// The decoder's answer, or fallback when it is not loaded or fails: the bus must never see an
// exception.
template <typename Query, typename Result> Result Ask(TMainF &window, Query query, Result fallback)
{
    if (!window.DecoderLoaded())
        return fallback;
    try {
        return query(window.MP3Player());
    } catch (const std::exception &) {
        return fallback;
    }
}

} // namespace

TMprisService::TMprisService(TMainF &window, QDBusConnection bus)
    : fWindow(window), fBus(std::move(bus))
{
    if (!fBus.isConnected())
        return;
    new TMprisRoot(*this);
    new TMprisPlayer(*this);
    if (!fBus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors))
        return;
    fRegistered = fBus.registerService(ServiceName);
    if (!fRegistered) {
        fBus.unregisterObject(ObjectPath);
        return;
    }
    fAnnounced = PlayerState();
    fWatch = new QTimer(this);
    connect(fWatch, &QTimer::timeout, this, &TMprisService::AnnounceChanges);
    fWatch->start(kWatchMs);
}

TMprisService::~TMprisService()
{
    if (!fRegistered)
        return;
    fBus.unregisterService(ServiceName);
    fBus.unregisterObject(ObjectPath);
}

QString TMprisService::PlaybackStatus() const
{
    const int mode = Ask(fWindow, [](TMPEGPlayer &player) { return player.PlayerMode(); }, 0);
    const bool paused = Ask(fWindow, [](TMPEGPlayer &player) { return player.Paused(); }, false);
    if (mode == 4 || (mode == 3 && paused))
        return QStringLiteral("Paused");
    return mode == 3 ? QStringLiteral("Playing") : QStringLiteral("Stopped");
}

bool TMprisService::StreamActive() const { return PlaybackStatus() != QStringLiteral("Stopped"); }

bool TMprisService::HasSongs() const
{
    return fWindow.DecoderLoaded() && !fWindow.ExpandedSongs.IsEmpty();
}

QDBusObjectPath TMprisService::TrackId() const
{
    if (!fWindow.CurrentSong())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(QStringLiteral("/org/lorvanta/track/%1").arg(fWindow.PlayControl().SongIndex));
}

qlonglong TMprisService::LengthUs() const
{
    return Ask(fWindow, [](TMPEGPlayer &player) { return player.StreamLength(); }, 0) * kUsPerMs;
}

qlonglong TMprisService::PositionUs() const
{
    if (!StreamActive())
        return 0;
    return Ask(fWindow, [](TMPEGPlayer &player) { return player.CurrentPos(); }, 0) * kUsPerMs;
}

QVariantMap TMprisService::Metadata() const
{
    const TExpandedSong *song = fWindow.CurrentSong();
    if (!song)
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId())}};
    QVariantMap metadata{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId())},
        {QStringLiteral("xesam:title"), song->Title()},
        {QStringLiteral("xesam:artist"), QStringList{song->Artist()}},
        {QStringLiteral("xesam:album"), song->Album()},
        {QStringLiteral("xesam:url"), QUrl::fromLocalFile(song->File()).toString()},
        {QStringLiteral("mpris:length"), LengthUs()},
    };
    if (!song->Year().trimmed().isEmpty())
        metadata.insert(QStringLiteral("xesam:contentCreated"), song->Year().trimmed());
    const QFileInfo cover(song->AlbumPicture());
    if (!song->AlbumPicture().isEmpty() && cover.isFile())
        metadata.insert(QStringLiteral("mpris:artUrl"),
                        QUrl::fromLocalFile(cover.absoluteFilePath()).toString());
    return metadata;
}

QVariantMap TMprisService::PlayerState() const
{
    const bool songs = HasSongs();
    return {
        {QStringLiteral("PlaybackStatus"), PlaybackStatus()},
        {QStringLiteral("Metadata"), Metadata()},
        {QStringLiteral("CanGoNext"), songs},
        {QStringLiteral("CanGoPrevious"), songs},
        {QStringLiteral("CanPlay"), songs},
        {QStringLiteral("CanPause"), songs},
        {QStringLiteral("CanSeek"), StreamActive()},
    };
}

void TMprisService::AnnounceChanges()
{
    if (!fRegistered)
        return;
    const QVariantMap state = PlayerState();
    QVariantMap changed;
    for (auto it = state.cbegin(); it != state.cend(); ++it) {
        if (fAnnounced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    fAnnounced = state;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    fBus.send(signal);
}

void TMprisService::Run(QAction *action)
{
    if (!HasSongs())
        return;
    action->trigger();
    AnnounceChanges();
}

void TMprisService::SeekTo(qlonglong positionUs)
{
    if (!StreamActive())
        return;
    // The slider's own seek, as a drag to the position would do it.
    TPlayControl &control = fWindow.PlayControl();
    control.Slider->setValue(int(positionUs / (1000 * kUsPerMs)));
    RunReporting(&fWindow, [&] { control.SliderStopTracking(); });
    emit Seeked(PositionUs());
}

TMprisRoot::TMprisRoot(TMprisService &service) : QDBusAbstractAdaptor(&service), fService(service)
{
}

QString TMprisRoot::Identity() const { return QCoreApplication::applicationName(); }

QStringList TMprisRoot::SupportedMimeTypes() const
{
    return {QStringLiteral("application/x-lorvanta-playlist"), QStringLiteral("audio/x-mpegurl"),
            QStringLiteral("audio/mpegurl"), QStringLiteral("application/vnd.apple.mpegurl"),
            QStringLiteral("audio/mpeg")};
}

void TMprisRoot::Raise() { fService.Window().OpenHandedFile(QString()); }

void TMprisRoot::Quit()
{
    // Queued: the reply goes out before the window closes (and may ask about saving).
    QMetaObject::invokeMethod(&fService.Window(), &QWidget::close, Qt::QueuedConnection);
}

TMprisPlayer::TMprisPlayer(TMprisService &service) : QDBusAbstractAdaptor(&service), fService(service)
{
    setAutoRelaySignals(true);
}

void TMprisPlayer::Next() { fService.Run(fService.Window().PlayControl().Next); }

void TMprisPlayer::Previous() { fService.Run(fService.Window().PlayControl().Previous); }

void TMprisPlayer::Pause()
{
    if (fService.PlaybackStatus() == QStringLiteral("Playing"))
        fService.Run(fService.Window().PlayControl().Pause);
}

void TMprisPlayer::Play()
{
    // The Play key stops a song that plays: here playing stays playing.
    if (fService.PlaybackStatus() != QStringLiteral("Playing"))
        fService.Run(fService.Window().PlayControl().Play);
}

void TMprisPlayer::PlayPause()
{
    if (fService.PlaybackStatus() == QStringLiteral("Playing"))
        Pause();
    else
        Play();
}

void TMprisPlayer::Stop() { fService.Run(fService.Window().PlayControl().Stop); }

void TMprisPlayer::Seek(qlonglong offset)
{
    if (!fService.StreamActive())
        return;
    const qlonglong target = std::max<qlonglong>(0, fService.PositionUs() + offset);
    if (target > fService.LengthUs())
        Next();
    else
        fService.SeekTo(target);
}

void TMprisPlayer::SetPosition(const QDBusObjectPath &trackId, qlonglong position)
{
    // A position for a song no longer current, or outside the song, is ignored.
    if (trackId == fService.TrackId() && position >= 0 && position <= fService.LengthUs())
        fService.SeekTo(position);
}

void TMprisPlayer::OpenUri(const QString &uri)
{
    const QUrl url(uri);
    if (url.isLocalFile())
        fService.Window().OpenHandedFile(url.toLocalFile());
}
