// Position reports and the end of the stream, by direct ticks and through the real timer.

#include "playertestfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {

const QString kIncorrectMode = QStringLiteral("Incorrect mode");

// Processes events until done() or the time is up; returns done().
bool SpinUntil(const std::function<bool()> &done, int ms = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return done();
}

void Spin(int ms)
{
    SpinUntil([] { return false; }, ms);
}

class PlayerTickTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        player.OnPosUpdate = [this](int pos, int len) {
            events.push_back("pos " + std::to_string(pos) + "/" + std::to_string(len));
        };
        player.OnPlayEnd = [this](TMPEGPlayer *sender) {
            events.push_back(sender == &player ? "end" : "end from a stranger");
        };
    }
    Calls events;
};

TEST_F(PlayerTickTest, StartReportsAtOnceAndPositionsBeyondTheLengthReadAsZero)
{
    fakempegdll::SetLength(3000);
    fakempegdll::SetPos(0);
    player.Play();
    fakempegdll::SetPos(3000);
    player.Tick();
    fakempegdll::SetPos(3001);
    player.Tick();
    EXPECT_EQ(events, (Calls{"pos 0/3000", "pos 3000/3000", "pos 0/3000"}));
}

TEST_F(PlayerTickTest, EndIsReportedAfterALastPositionAndTheNextPlayRestarts)
{
    StartPlaying();
    events.clear();
    fakempegdll::SetPos(1500);
    ASSERT_TRUE(fakempegdll::End());
    ExpectError([&] { player.Stop(); }, 2, kIncorrectMode); // ended, not yet ticked
    player.Tick();
    EXPECT_EQ(events, (Calls{"pos 1500/250000", "end"}));

    player.Tick(); // nothing plays any more
    EXPECT_EQ(events.size(), 2u);
    fakempegdll::ClearCalls();
    player.Play();
    EXPECT_EQ(fakempegdll::Calls().at(0), "Restart");
    player.Stop(); // the end has been cleared
}

TEST_F(PlayerTickTest, WithoutAnEndHandlerTheEndStaysUntilRestart)
{
    player.OnPlayEnd = nullptr;
    StartPlaying();
    fakempegdll::End();
    player.Tick();
    ExpectError([&] { player.SetPaused(true); }, 2, kIncorrectMode);
    ExpectError([&] { player.Stop(); }, 2, kIncorrectMode);
    player.Restart();
    player.SetPaused(true);
    player.Stop();
}

TEST_F(PlayerTickTest, AnEndLeftFromTheLastSongDoesNotEndTheNextOne)
{
    player.OnPlayEnd = nullptr;
    StartPlaying();
    fakempegdll::End();
    player.Tick();
    player.SetStreamName(QStringLiteral("/y.mp3"));
    player.Play();
    player.Tick();
    player.Stop();
}

TEST_F(PlayerTickTest, TimerReportsPositionsAndTheEndOnItsOwn)
{
    TMPEGPlayer timed;
    timed.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
    timed.SetTimerFreq(10);
    timed.LoadDecoder();
    timed.SetStreamName(QStringLiteral("/x.mp3"));
    int reports = 0;
    int ends = 0;
    timed.OnPosUpdate = [&](int, int) { ++reports; };
    timed.OnPlayEnd = [&](TMPEGPlayer *) { ++ends; };
    timed.Play();
    EXPECT_EQ(reports, 1); // the tick at the start
    EXPECT_TRUE(SpinUntil([&] { return reports >= 3; }));

    fakempegdll::FailNext("GetCurrentPos", 1); // a failing tick must not stop the next ones
    const int before = reports;
    EXPECT_TRUE(SpinUntil([&] { return reports >= before + 2; }));

    fakempegdll::End();
    EXPECT_TRUE(SpinUntil([&] { return ends == 1; }));
    const int atEnd = reports;
    Spin(60);
    EXPECT_EQ(reports, atEnd);
    EXPECT_EQ(ends, 1);
}

TEST_F(PlayerTickTest, TimerSwitchesItselfOffAfterStop)
{
    TMPEGPlayer timed;
    timed.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
    timed.SetTimerFreq(10);
    timed.LoadDecoder();
    timed.SetStreamName(QStringLiteral("/x.mp3"));
    int reports = 0;
    timed.OnPosUpdate = [&](int, int) { ++reports; };
    timed.Play();
    timed.Stop();
    Spin(60);
    EXPECT_EQ(reports, 1);
}

TEST_F(PlayerTickTest, TimerFreqZeroMeansNoReportsAndNoEnd)
{
    TMPEGPlayer silent;
    silent.SetTimerFreq(0);
    EXPECT_FALSE(silent.UseTimer());
    silent.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
    silent.LoadDecoder();
    silent.SetUseTimer(true); // too late: the interval was fixed at load
    silent.SetStreamName(QStringLiteral("/x.mp3"));
    int events = 0;
    silent.OnPosUpdate = [&](int, int) { ++events; };
    silent.OnPlayEnd = [&](TMPEGPlayer *) { ++events; };
    fakempegdll::ClearCalls();
    silent.Play();
    EXPECT_EQ(fakempegdll::Calls().back(), "Play(0,0)");
    fakempegdll::End();
    Spin(60);
    EXPECT_EQ(events, 0);
}

TEST(PlayerTimerFreqTest, NegativeIntervalsCountAsZero)
{
    TMPEGPlayer player;
    player.SetTimerFreq(-5);
    EXPECT_EQ(player.TimerFreq(), 0);
    EXPECT_FALSE(player.UseTimer());
}

} // namespace
