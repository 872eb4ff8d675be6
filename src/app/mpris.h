#pragma once
// The player on the session bus as MPRIS2 describes it (org.mpris.MediaPlayer2 and its .Player),
// so that media keys and the desktop's player applet control it. Every command goes through the
// same action as its key in the window; the state is read from the play control and the player,
// and changes are announced with PropertiesChanged. Without a session bus nothing happens.

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QAction;
class QTimer;
class TMainF;

class TMprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char *ServiceName = "org.mpris.MediaPlayer2.lorvanta";
    static constexpr const char *ObjectPath = "/org/mpris/MediaPlayer2";

    // The window must outlive the service.
    explicit TMprisService(TMainF &window, QDBusConnection bus = QDBusConnection::sessionBus());
    ~TMprisService() override;

    // True when the service is on the bus under ServiceName.
    bool Registered() const { return fRegistered; }

    // ---- State, as the properties report it -------------------------------------------------
    TMainF &Window() const { return fWindow; }
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    QDBusObjectPath TrackId() const;
    qlonglong PositionUs() const;
    qlonglong LengthUs() const;
    bool HasSongs() const;
    bool StreamActive() const;

    // ---- Commands ---------------------------------------------------------------------------
    void Run(QAction *action);     // triggers action, then announces what changed
    void SeekTo(qlonglong positionUs); // within the current song
    // Compares the state with what was last announced and announces the differences.
    void AnnounceChanges();

signals:
    void Seeked(qlonglong position);

private:
    QVariantMap PlayerState() const;

    TMainF &fWindow;
    QDBusConnection fBus;
    bool fRegistered = false;
    QVariantMap fAnnounced; // the player properties as last announced
    QTimer *fWatch = nullptr;
};

// org.mpris.MediaPlayer2: the application.
class TMprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    explicit TMprisRoot(TMprisService &service);

    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const;
    QString DesktopEntry() const { return QStringLiteral("lorvanta"); }
    QStringList SupportedUriSchemes() const { return {QStringLiteral("file")}; }
    QStringList SupportedMimeTypes() const;

public slots:
    void Raise();
    void Quit();

private:
    TMprisService &fService;
};

// org.mpris.MediaPlayer2.Player: the transport.
class TMprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    explicit TMprisPlayer(TMprisService &service);

    QString PlaybackStatus() const { return fService.PlaybackStatus(); }
    double Rate() const { return 1.0; }
    QVariantMap Metadata() const { return fService.Metadata(); }
    // The player has no volume of its own: the system mixer sets the loudness.
    double Volume() const { return 1.0; }
    qlonglong Position() const { return fService.PositionUs(); }
    bool CanGoNext() const { return fService.HasSongs(); }
    bool CanGoPrevious() const { return fService.HasSongs(); }
    bool CanPlay() const { return fService.HasSongs(); }
    bool CanPause() const { return fService.HasSongs(); }
    bool CanSeek() const { return fService.StreamActive(); }
    bool CanControl() const { return true; }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath &trackId, qlonglong position);
    void OpenUri(const QString &uri);

signals:
    void Seeked(qlonglong position);

private:
    TMprisService &fService;
};
