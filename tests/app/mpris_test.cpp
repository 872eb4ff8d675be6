// The player on a private session bus: its properties follow the transport, its commands drive
// it, changes are announced, and without a bus the window runs as before.

#include "app/mpris.h"
#include "mainffixture.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDeadlineTimer>
#include <QProcess>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");

template <typename Done> bool Spin(Done done) { return SpinUntil(done, 1500); }

// Collects the PropertiesChanged signals of the player interface.
class TChangeLog : public QObject {
    Q_OBJECT
public:
    std::vector<QVariantMap> Changes;
public slots:
    void Changed(const QString &interface, const QVariantMap &changed, const QStringList &)
    {
        if (interface == kPlayer)
            Changes.push_back(changed);
    }
};

class MprisTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        fBus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(fBus.waitForStarted(5000)) << "dbus-daemon is missing";
        ASSERT_TRUE(fBus.waitForReadyRead(5000));
        fAddress = QString::fromUtf8(fBus.readLine()).trimmed();
        WriteSettings(AllSettings({"\"PlayOnRun\"=dword:00000000"}));
        TMainFOptions options = Options();
        options.InitialList = WriteList("disc/list.pl", {{"Blue", {{"First", {"a", "b"}, "cover.png"}}}});
        Write("disc/cover.png", QByteArray());
        Start(options);
        fService = std::make_unique<TMprisService>(*window, Connection("service"));
        ASSERT_TRUE(fService->Registered());
        fClient = std::make_unique<QDBusConnection>(Connection("client"));
    }

    void TearDown() override
    {
        fService.reset();
        fClient.reset();
        for (const char *name : {"service", "client"})
            QDBusConnection::disconnectFromBus(QString::fromLatin1(name));
        fBus.kill();
        fBus.waitForFinished(2000);
        MainFTest::TearDown();
    }

    QDBusConnection Connection(const char *name) const
    {
        return QDBusConnection::connectToBus(fAddress, QString::fromLatin1(name));
    }

    // Calls method of interface on the player's object and waits for the answer.
    QDBusMessage Call(const QString &interface, const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            TMprisService::ServiceName, TMprisService::ObjectPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = fClient->asyncCall(message, 3000);
        EXPECT_TRUE(Spin([&] { return pending.isFinished(); })) << method.toStdString();
        EXPECT_FALSE(pending.isError()) << pending.error().message().toStdString();
        return pending.reply();
    }
    QVariant Get(const QString &interface, const QString &property)
    {
        const QDBusMessage reply =
            Call("org.freedesktop.DBus.Properties", "Get", {interface, property});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QString Status() { return Get(kPlayer, "PlaybackStatus").toString(); }
    QVariantMap Metadata() { return qdbus_cast<QVariantMap>(Get(kPlayer, "Metadata").value<QDBusArgument>()); }
    QString TrackId() { return Metadata().value("mpris:trackid").value<QDBusObjectPath>().path(); }

    QProcess fBus;
    QString fAddress;
    std::unique_ptr<TMprisService> fService;
    std::unique_ptr<QDBusConnection> fClient;
};

TEST_F(MprisTest, ThePlaybackStatusFollowsTheCommands)
{
    const struct {
        const char *Method;
        const char *Status;
    } steps[] = {
        {"Pause", "Stopped"},  // nothing plays: nothing to pause
        {"Play", "Playing"},   {"Play", "Playing"}, // playing stays playing
        {"Pause", "Paused"},   {"Play", "Playing"},
        {"PlayPause", "Paused"}, {"PlayPause", "Playing"},
        {"Stop", "Stopped"},   {"PlayPause", "Playing"},
    };
    EXPECT_EQ(Status(), "Stopped");
    for (const auto &step : steps) {
        Call(kPlayer, step.Method);
        EXPECT_EQ(Status(), step.Status) << "after " << step.Method;
    }
}

TEST_F(MprisTest, TheMetadataDescribesTheCurrentSongAndNextChangesTheTrack)
{
    const QVariantMap first = Metadata();
    EXPECT_EQ(first.value("xesam:title").toString(), "a");
    EXPECT_EQ(first.value("xesam:artist").toStringList(), QStringList{"Blue"});
    EXPECT_EQ(first.value("xesam:album").toString(), "First");
    EXPECT_EQ(first.value("mpris:length").toLongLong(), 250000LL * 1000); // the double's 250 s
    EXPECT_EQ(first.value("mpris:artUrl").toString(), QUrl::fromLocalFile(Path("disc/cover.png")).toString());
    const QString firstTrack = TrackId();
    Call(kPlayer, "Next");
    EXPECT_EQ(Metadata().value("xesam:title").toString(), "b");
    EXPECT_NE(TrackId(), firstTrack);
    Call(kPlayer, "Previous");
    EXPECT_EQ(TrackId(), firstTrack);
}

TEST_F(MprisTest, SeekingMovesWithinTheSongAndPastItsEndToTheNext)
{
    Call(kPlayer, "Play");
    const QString track = TrackId();
    fakempegdll::ClearCalls();
    Call(kPlayer, "SetPosition", {QVariant::fromValue(QDBusObjectPath(track)), qlonglong(100'000'000)});
    Call(kPlayer, "SetPosition", {QVariant::fromValue(QDBusObjectPath("/other/track")), qlonglong(5'000'000)});
    Call(kPlayer, "Seek", {qlonglong(-999'000'000)}); // before the start: the start
    const std::vector<std::string> calls = fakempegdll::Calls();
    const auto seeks = std::count_if(calls.begin(), calls.end(),
                                     [](const std::string &c) { return c.starts_with("Seek("); });
    EXPECT_EQ(seeks, 2);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Seek(100000)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Seek(0)"), calls.end());
    Call(kPlayer, "Seek", {qlonglong(999'000'000)}); // past the end: the next song
    EXPECT_NE(TrackId(), track);
}

TEST_F(MprisTest, ChangesAreAnnouncedWhetherTheBusOrTheWindowMadeThem)
{
    TChangeLog log;
    ASSERT_TRUE(fClient->connect(TMprisService::ServiceName, TMprisService::ObjectPath,
                                 "org.freedesktop.DBus.Properties", "PropertiesChanged", &log,
                                 SLOT(Changed(QString, QVariantMap, QStringList))));
    Call(kPlayer, "Play");
    ASSERT_TRUE(Spin([&] { return !log.Changes.empty(); }));
    EXPECT_EQ(log.Changes.back().value("PlaybackStatus").toString(), "Playing");
    log.Changes.clear();
    Spin([] { return false; }); // a while with no change: nothing is said
    EXPECT_TRUE(log.Changes.empty());
    window->PlayControl().Next->trigger(); // the window's own key
    ASSERT_TRUE(Spin([&] { return !log.Changes.empty(); }));
    EXPECT_TRUE(log.Changes.back().contains("Metadata"));
    EXPECT_FALSE(log.Changes.back().contains("CanPlay")) << "only what changed";
}

TEST_F(MprisTest, TheApplicationDescribesItselfToGdbus)
{
    QProcess gdbus;
    gdbus.start("gdbus", {"introspect", "--address", fAddress, "--dest", TMprisService::ServiceName,
                          "--object-path", TMprisService::ObjectPath});
    ASSERT_TRUE(Spin([&] { return gdbus.state() == QProcess::NotRunning; }));
    const QString description = QString::fromUtf8(gdbus.readAllStandardOutput());
    for (const char *part : {"interface org.mpris.MediaPlayer2 {", "interface org.mpris.MediaPlayer2.Player {",
                             "PlayPause()", "SetPosition(", "Seeked(", "readonly s PlaybackStatus",
                             "readonly a{sv} Metadata", "readonly x Position"})
        EXPECT_TRUE(description.contains(part)) << part;
    EXPECT_EQ(Get(kRoot, "DesktopEntry").toString(), "lorvanta");
    EXPECT_TRUE(Get(kRoot, "CanRaise").toBool());
    EXPECT_FALSE(Get(kRoot, "HasTrackList").toBool());
}

TEST_F(MprisTest, WithoutABusTheWindowRunsAsBefore)
{
    const QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/no/such/bus"), "none");
    {
        TMprisService offline(*window, none);
        EXPECT_FALSE(offline.Registered());
        window->PlayControl().Play->trigger();
    }
    QDBusConnection::disconnectFromBus("none");
    EXPECT_EQ(Status(), "Playing");
}

} // namespace

#include "mpris_test.moc"
