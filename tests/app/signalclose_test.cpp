// The real program closed by SIGTERM: it never waits on a dialog, neither one that is open when
// the signal comes nor one its shutdown would show, and it still writes its settings.

#include "mainffixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

class ProgramSignalTest : public MainFTest {
protected:
    void SetUp() override
    {
        MainFTest::SetUp();
        QDir().mkpath(fDir.filePath("runtime"));
        QFile::setPermissions(fDir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(fDir.filePath("config/quillmarsh"));
        fList = WriteList("disc/list.pl", {{"Artist", {{"Album", {"song"}}}}});
        QFile::remove(Path("disc/song.mp3"));
        QFile::copy(QStringLiteral(LORVANTA_TEST_DATA "/audio/cbr128-44k-stereo.mp3"), Path("disc/song.mp3"));
    }

    // Starts the program offscreen with configHome as its XDG_CONFIG_HOME, waits until it has
    // settled, sends SIGTERM and waits (a few seconds at most) for it to end.
    bool RunAndTerminate(const QString &configHome, const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.insert("XDG_CONFIG_HOME", configHome);
        env.insert("XDG_RUNTIME_DIR", fDir.filePath("runtime"));
        env.insert("HOME", fDir.path());
        fProcess.setProcessEnvironment(env);
        fProcess.start(QStringLiteral(LORVANTA_PROGRAM), arguments);
        if (!fProcess.waitForStarted(5000))
            return false;
        QThread::msleep(1500);
        ::kill(pid_t(fProcess.processId()), SIGTERM);
        return fProcess.waitForFinished(5000);
    }

    QString Settings() const { return fDir.filePath("config/quillmarsh/lorvanta.reg"); }

    QString fList; // an own list of one real song
    QProcess fProcess;
};

TEST_F(ProgramSignalTest, AnErrorBoxOpenWhenTheSignalComesIsGivenUpAndTheSettingsAreWritten)
{
    // The state file cannot be written: its error box is up once the window shows.
    WriteSettings(AllSettings({"\"PlayOnRun\"=dword:00000000", "\"SaveListFileNameOnExit\"=dword:00000001",
                               "\"HasLogFile\"=dword:00000001",
                               "\"LogFileName\"=\"/proc/no-such-folder/state\""}));
    ASSERT_TRUE(QFile::rename(SettingsFile(), Settings()));
    ASSERT_TRUE(RunAndTerminate(fDir.filePath("config"), {fList})) << "still running";
    EXPECT_EQ(fProcess.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(fProcess.exitCode(), 0);
    QFile settings(Settings());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("\"LastList\"=\"" + fList.toUtf8() + "\""));
}

TEST_F(ProgramSignalTest, SettingsThatCannotBeSavedAreReportedOnStandardErrorWithoutWaiting)
{
    ASSERT_TRUE(RunAndTerminate(QStringLiteral("/proc/no-such-folder"), {})) << "still running";
    EXPECT_EQ(fProcess.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QString::fromUtf8(fProcess.readAllStandardError()).contains("lorvanta: ")) << "said once, not asked";
}

} // namespace
