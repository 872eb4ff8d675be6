// One player per user: the hand-over between two real programs, a stale socket taken over, the
// socket's tolerance of what arrives on it, and the running window opening a handed file.

#include "app/singleinstance.h"
#include "mainffixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

template <typename Done> bool WaitFor(Done done) { return SpinUntil(done, 500); }

class SingleInstanceTest : public MainFTest {
protected:
    QString Socket() const { return Path("runtime/lorvanta.socket"); }
};

TEST_F(SingleInstanceTest, FilesHandedOverBeforeTheWindowExistsReachItInOrder)
{
    QDir().mkpath(Path("runtime"));
    TSingleInstance first(Socket());
    ASSERT_TRUE(first.Claim(QString()));
    TSingleInstance second(Socket());
    EXPECT_FALSE(second.Claim(QStringLiteral("/музыка/list.pl")));
    TSingleInstance third(Socket());
    EXPECT_FALSE(third.Claim(QString())); // started without a file: only the window comes up
    WaitFor([] { return false; }); // both arrive while nobody takes them
    QStringList received;
    first.SetReceiver([&](const QString &fileName) { received << fileName; });
    EXPECT_EQ(received, QStringList({QStringLiteral("/музыка/list.pl"), QString()}));
    TSingleInstance fourth(Socket());
    EXPECT_FALSE(fourth.Claim(QStringLiteral("/b.m3u8")));
    EXPECT_TRUE(WaitFor([&] { return received.size() == 3; }));
    EXPECT_EQ(received.value(2), QStringLiteral("/b.m3u8"));
}

TEST_F(SingleInstanceTest, ABrokenOrOversizedMessageDeliversNothingAndTheNextOneArrives)
{
    QDir().mkpath(Path("runtime"));
    TSingleInstance first(Socket());
    ASSERT_TRUE(first.Claim(QString()));
    QStringList received;
    first.SetReceiver([&](const QString &fileName) { received << fileName; });
    const QByteArray cases[] = {
        QByteArray(TSingleInstance::MaxMessageSize + 10, 'a') + '\n', // too long, line end late
        QByteArray(TSingleInstance::MaxMessageSize * 3, 'b'),         // too long, never ends
        QByteArray("/no/line/end"),                                   // the client gives up
        QByteArray(),                                                 // connects, says nothing
    };
    for (const QByteArray &bytes : cases) {
        QLocalSocket client;
        client.connectToServer(Socket());
        ASSERT_TRUE(client.waitForConnected(1000));
        client.write(bytes);
        client.waitForBytesWritten(1000);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        client.abort();
    }
    TSingleInstance next(Socket());
    EXPECT_FALSE(next.Claim(QStringLiteral("/x/list.pl")));
    EXPECT_TRUE(WaitFor([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received.size(), 1);
}

TEST_F(SingleInstanceTest, AStaleSocketIsTakenOver)
{
    QDir().mkpath(Path("runtime"));
    // What a crashed program leaves: the socket file, with nobody listening.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(Socket()).constData(), sizeof address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(Socket()));
    TSingleInstance first(Socket());
    EXPECT_TRUE(first.Claim(QStringLiteral("/a.pl")));
    TSingleInstance second(Socket());
    EXPECT_FALSE(second.Claim(QStringLiteral("/b.pl"))) << "the new listener answers";
}

TEST_F(SingleInstanceTest, TheRunningWindowOpensAHandedListOfAKnownKindOnly)
{
    const QString first = WriteList("one/list.pl", {{"Blue", {{"First", {"a", "b"}}}}});
    const QString second = WriteList("two/list.pl", {{"Green", {{"Only", {"e"}}}}});
    TMainFOptions options = Options();
    options.InitialList = first;
    Start(options);
    // Before the first content scan a list waits for it: it is opened once the scan is over.
    const QString waiting = WriteList("three/list.pl", {{"Red", {{"Last", {"z", "y"}}}}});
    window->OpenHandedFile(waiting);
    EXPECT_EQ(SongTitles(), QStringList({"a", "b"}));
    window->FormActivate();
    EXPECT_TRUE(SpinUntil([&] { return SongTitles() == QStringList({"z", "y"}); }, 2000));
    window->PlayControl().SelectSong(1, false);
    struct {
        QString File;
        QStringList Titles; // what the play list holds afterwards
    } const cases[] = {
        {QString(), {"z", "y"}},              // only raises the window
        {"two/list.pl", {"z", "y"}},          // relative: meaningless to the running program
        {Write("notes.txt", "x"), {"z", "y"}}, // no list
        {second, {"e"}},
    };
    for (const auto &c : cases) {
        window->OpenHandedFile(c.File);
        EXPECT_EQ(SongTitles(), c.Titles) << c.File.toStdString();
    }
    EXPECT_EQ(SongIndex(), 0);
    EXPECT_EQ(window->ListFileName, second);
}

// The real program, twice, over a runtime and a settings folder of the test's own.
class TwoProgramsTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        QDir().mkpath(Path("runtime"));
        QFile::setPermissions(Path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(Path("config/quillmarsh"));
        // The state file carries the caption, and so tells when the handed list is shown.
        WriteSettings(AllSettings({"\"PlayOnRun\"=dword:00000000", "\"SaveListFileNameOnExit\"=dword:00000001",
                                   "\"HasLogFile\"=dword:00000001",
                                   "\"LogFileName\"=\"" + Path("state.txt") + "\""}));
        ASSERT_TRUE(QFile::rename(SettingsFile(), Path("config/quillmarsh/lorvanta.reg")));
        fFirstList = WriteList("one/list.pl", {{"Blue", {{"First", {"a"}}}}});
        fSecondList = WriteList("two/list.pl", {{"Green", {{"Only", {"e"}}}}});
        for (const char *song : {"one/a.mp3", "two/e.mp3"}) {
            QFile::remove(Path(song));
            QFile::copy(QStringLiteral(LORVANTA_TEST_DATA "/audio/cbr128-44k-stereo.mp3"), Path(song));
        }
    }

    void TearDown() override
    {
        for (QProcess *program : {&fFirst, &fSecond}) {
            program->kill();
            program->waitForFinished(2000);
        }
        MainFTest::TearDown();
    }

    void StartProgram(QProcess &program, const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.remove("DBUS_SESSION_BUS_ADDRESS"); // not the desktop's player applet
        env.insert("XDG_CONFIG_HOME", Path("config"));
        env.insert("XDG_RUNTIME_DIR", Path("runtime"));
        env.insert("HOME", fDir.path());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(LORVANTA_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForStarted(5000));
    }

    // Waits until the first program listens, two seconds at most.
    bool Listening() const
    {
        for (int tries = 0; tries < 100; ++tries) {
            QLocalSocket probe;
            probe.connectToServer(Path("runtime/lorvanta.socket"));
            if (probe.waitForConnected(100))
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    // Waits (ten seconds at most) until the first program shows the handed list's song: the
    // list opens from the event loop once the program has settled, later on a loaded machine.
    bool ShowsHandedList() const
    {
        for (int tries = 0; tries < 200; ++tries) {
            QFile state(Path("state.txt"));
            if (state.open(QIODevice::ReadOnly) && state.readAll().contains("Green"))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    // Ends the first program as the session would and returns the list it remembered.
    QByteArray EndFirstAndReadSettings()
    {
        EXPECT_TRUE(ShowsHandedList());
        ::kill(pid_t(fFirst.processId()), SIGTERM);
        EXPECT_TRUE(fFirst.waitForFinished(5000));
        QFile settings(Path("config/quillmarsh/lorvanta.reg"));
        EXPECT_TRUE(settings.open(QIODevice::ReadOnly));
        return settings.readAll();
    }

    QString fFirstList;
    QString fSecondList;
    QProcess fFirst;
    QProcess fSecond;
};

TEST_F(TwoProgramsTest, TheSecondHandsItsListToTheFirstAndEndsAtOnce)
{
    StartProgram(fFirst, {fFirstList});
    ASSERT_TRUE(Listening());
    QElapsedTimer clock;
    clock.start();
    StartProgram(fSecond, {fSecondList});
    ASSERT_TRUE(fSecond.waitForFinished(5000)) << "a second player runs";
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(fSecond.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(fSecond.exitCode(), 0);
    EXPECT_TRUE(EndFirstAndReadSettings().contains("\"LastList\"=\"" + fSecondList.toUtf8() + "\""));
}

TEST_F(TwoProgramsTest, AProgramThatCrashedLeavesASocketTheNextOneTakesOver)
{
    StartProgram(fFirst, {fFirstList});
    ASSERT_TRUE(Listening());
    fFirst.kill(); // no clean-up: the socket file stays
    ASSERT_TRUE(fFirst.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(Path("runtime/lorvanta.socket")));
    StartProgram(fFirst, {fFirstList});
    EXPECT_FALSE(fFirst.waitForFinished(1500)) << "the stale socket sent it away";
    ASSERT_TRUE(Listening());
    StartProgram(fSecond, {fSecondList});
    ASSERT_TRUE(fSecond.waitForFinished(5000));
    EXPECT_TRUE(EndFirstAndReadSettings().contains("\"LastList\"=\"" + fSecondList.toUtf8() + "\""));
}

} // namespace
