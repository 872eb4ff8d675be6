// The calls the player makes, in order, and its state machine with the library's errors.

#include "playertestfixture.h"

#include <algorithm>

namespace {

const QString kIncorrectMode = QStringLiteral("Incorrect mode");

int Count(const Calls &calls, const std::string &call)
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

TEST_F(PlayerTest, FirstStartSendsPriorityOutputAndSoundDeviceThenPlays)
{
    player.Play();
    EXPECT_EQ(fakempegdll::Calls(),
              (Calls{"Open(/x.mp3,0)", "GetLength", "SetPriority(0)", "SetOutputDevice(0,)",
                     "SetSndDevice(0)", "Play(0,0)", "GetCurrentPos"}));
    EXPECT_EQ(player.PlayedXTimes(), 2);
    EXPECT_EQ(player.StreamLength(), 250000);
}

TEST_F(PlayerTest, FirstStartPassesThePropertiesThrough)
{
    player.SetPlayerPriority(TPlayPriority::Highest);
    player.SetOutputDevice(TOutputDevice::pcmfile);
    player.OutFilename = QStringLiteral("/tmp/выход.wav");
    player.WaveDeviceNum = 2;
    player.StartPos = 5;
    player.EndPos = 7;
    player.Open();
    fakempegdll::ClearCalls();
    player.Play();
    EXPECT_EQ(fakempegdll::Calls(), (Calls{"SetPriority(2)", "SetOutputDevice(2,/tmp/выход.wav)",
                                           "SetSndDevice(2)", "Play(5,7)", "GetCurrentPos"}));
}

TEST_F(PlayerTest, PlayAfterStopOnlyRestarts)
{
    StartPlaying();
    player.Stop();
    EXPECT_EQ(fakempegdll::Calls(), Calls{"Stop"});
    fakempegdll::ClearCalls();
    player.Play();
    EXPECT_EQ(fakempegdll::Calls(), (Calls{"Restart", "GetCurrentPos"}));
    EXPECT_EQ(player.PlayedXTimes(), 3);
}

TEST_F(PlayerTest, NewStreamNameClosesAndTheNextPlayRunsTheFullSequence)
{
    StartPlaying();
    player.SetStreamName(QStringLiteral("/y.mp3"));
    EXPECT_EQ(fakempegdll::Calls(), Calls{"Close"});
    EXPECT_EQ(player.PlayedXTimes(), 0);
    fakempegdll::ClearCalls();
    player.Play();
    EXPECT_EQ(fakempegdll::Calls(),
              (Calls{"Open(/y.mp3,0)", "GetLength", "SetPriority(0)", "SetOutputDevice(0,)",
                     "SetSndDevice(0)", "Play(0,0)", "GetCurrentPos"}));
}

TEST_F(PlayerTest, OpenOnAnOpenStreamClosesItFirst)
{
    player.Open();
    player.Open();
    EXPECT_EQ(fakempegdll::Calls(),
              (Calls{"Open(/x.mp3,0)", "GetLength", "Close", "Open(/x.mp3,0)", "GetLength"}));
    EXPECT_EQ(player.PlayedXTimes(), 1);
}

TEST_F(PlayerTest, PlayWhilePlayingDoesNothingAndOnAPauseOnlyContinues)
{
    StartPlaying();
    player.Play();
    EXPECT_TRUE(fakempegdll::Calls().empty());

    player.SetPaused(true);
    EXPECT_TRUE(player.Paused());
    EXPECT_EQ(player.PlayerMode(), 4);
    fakempegdll::ClearCalls();
    player.Play();
    EXPECT_EQ(fakempegdll::Calls(), Calls{"Pause(1)"});
    EXPECT_FALSE(player.Paused());
    EXPECT_EQ(player.PlayedXTimes(), 2);
}

TEST_F(PlayerTest, AutoPlayStartsOnceFromOpenOrPlay)
{
    player.AutoPlay = true;
    player.Play();
    const Calls calls = fakempegdll::Calls();
    EXPECT_EQ(Count(calls, "Play(0,0)"), 1);
    EXPECT_EQ(Count(calls, "Restart"), 0);
    EXPECT_EQ(player.PlayedXTimes(), 2);
}

TEST_F(PlayerTest, PauseWhenNothingPlaysRefusesButContinuingIsSilentlyAccepted)
{
    player.SetPaused(false);
    ExpectError([&] { player.SetPaused(true); }, 2, kIncorrectMode);
    player.Open();
    ExpectError([&] { player.SetPaused(true); }, 2, kIncorrectMode);
    EXPECT_FALSE(player.Paused());
    EXPECT_EQ(fakempegdll::Calls(), (Calls{"Open(/x.mp3,0)", "GetLength"}));
}

TEST_F(PlayerTest, PauseAndContinueSendTheInvertedFlag)
{
    StartPlaying();
    player.SetPaused(true);
    player.SetPaused(false);
    EXPECT_EQ(fakempegdll::Calls(), (Calls{"Pause(0)", "Pause(1)"}));
}

TEST_F(PlayerTest, StopRequiresPlaying)
{
    ExpectError([&] { player.Stop(); }, 2, kIncorrectMode);
    player.Open();
    ExpectError([&] { player.Stop(); }, 2, kIncorrectMode);
    StartPlaying();
    player.SetPaused(true);
    player.Stop();
    EXPECT_FALSE(player.Paused());
    ExpectError([&] { player.Stop(); }, 2, kIncorrectMode);
}

TEST_F(PlayerTest, RestartNeedsAnOpenStreamAndKeepsThePause)
{
    ExpectError([&] { player.Restart(); }, 2, kIncorrectMode);
    StartPlaying();
    player.SetPaused(true);
    player.Restart();
    EXPECT_TRUE(player.Paused());
    EXPECT_EQ(player.PlayedXTimes(), 3);
}

TEST_F(PlayerTest, EmptyStreamNameIsRefusedWithoutCallingTheLibrary)
{
    player.SetStreamName(QString());
    ExpectError([&] { player.Play(); }, 254, QStringLiteral("Can't play non-specified stream"));
    EXPECT_TRUE(fakempegdll::Calls().empty());
}

TEST_F(PlayerTest, FailedOpenLeavesTheStreamClosed)
{
    fakempegdll::FailNext("Open", 3);
    ExpectError([&] { player.Play(); }, 3, QStringLiteral("Input stream error"));
    EXPECT_EQ(player.PlayedXTimes(), 0);
    EXPECT_EQ(player.LastErrorCode(), 3);
    fakempegdll::ClearCalls();
    player.Play(); // tries to open again
    EXPECT_EQ(fakempegdll::Calls().at(0), "Open(/x.mp3,0)");
}

TEST_F(PlayerTest, FailedStartLeavesThePlayerStopped)
{
    fakempegdll::FailNext("Play", 5);
    ExpectError([&] { player.Play(); }, 5, QStringLiteral("Output device failure"));
    EXPECT_EQ(player.PlayedXTimes(), 1);
    ExpectError([&] { player.Stop(); }, 2, kIncorrectMode);
}

TEST_F(PlayerTest, StartRefusedWithoutAnErrorCodeGetsItsOwnText)
{
    fakempegdll::SetResult("Play", 1);
    ExpectError([&] { player.Play(); }, 0, QStringLiteral("The decoder could not start playback"));
    EXPECT_EQ(player.LastErrorCode(), 0);
}

TEST_F(PlayerTest, CodesAboveTheTableAreReportedWithTheirNumber)
{
    player.Open();
    fakempegdll::FailNext("GetBitrate", 9);
    ExpectError([&] { player.Bitrate(); }, 9, QStringLiteral("Unknown decoder error (code 9)"));
    fakempegdll::FailNext("GetBitrate", 300);
    ExpectError([&] { player.Bitrate(); }, 255, QStringLiteral("Unknown decoder error (code 300)"));
    EXPECT_EQ(player.LastErrorCode(), 300);
}

TEST_F(PlayerTest, QueriesReturnTheLibrarysAnswers)
{
    fakempegdll::SetLength(1234);
    player.Open();
    fakempegdll::SetResult("GetBitrate", 64000);
    fakempegdll::SetResult("GetStereoMode", 3);
    EXPECT_EQ(player.StreamLength(), 1234);
    EXPECT_EQ(player.Bitrate(), 64000);
    EXPECT_EQ(player.Frequency(), 44100);
    EXPECT_EQ(player.StereoMode(), 3);
    EXPECT_EQ(player.Layer(), 3);
    EXPECT_EQ(player.PlayerMode(), 1);
    fakempegdll::FailNext("GetLayer", 1);
    ExpectError([&] { player.Layer(); }, 1, QStringLiteral("Internal decoder error"));
}

TEST_F(PlayerTest, SeekAndSoundDeviceGoStraightToTheLibrary)
{
    player.Seek(61000); // no mode test: nothing is open
    player.SetSoundDevice(3);
    EXPECT_EQ(fakempegdll::Calls(), (Calls{"Seek(61000)", "SetSndDevice(3)"}));
    fakempegdll::FailNext("Seek", 4);
    ExpectError([&] { player.Seek(0); }, 4, QStringLiteral("Input stream is non-seekable"));
}

TEST_F(PlayerTest, CloseReturnsToLoaded)
{
    StartPlaying();
    player.SetPaused(true);
    player.Close();
    EXPECT_EQ(fakempegdll::Calls(), (Calls{"Pause(0)", "Close"}));
    EXPECT_FALSE(player.Paused());
    EXPECT_EQ(player.PlayedXTimes(), 0);
    ExpectError([&] { player.Restart(); }, 2, kIncorrectMode);
}

TEST_F(PlayerTest, DestroyingThePlayerClosesItsStreamSoTheEndByteIsNotWrittenLater)
{
    {
        TMPEGPlayer doomed;
        doomed.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
        doomed.LoadDecoder();
        doomed.SetStreamName(QStringLiteral("/x.mp3"));
        doomed.Play();
        fakempegdll::ClearCalls();
    }
    EXPECT_EQ(fakempegdll::Calls(), Calls{"Close"});
    EXPECT_FALSE(fakempegdll::End());
}

TEST_F(PlayerTest, PriorityMapsToThreadLevelsAndTakesEffectAtOnce)
{
    const std::pair<TPlayPriority, const char *> levels[] = {
        {TPlayPriority::Idle, "SetPriority(-15)"},
        {TPlayPriority::Lowest, "SetPriority(-2)"},
        {TPlayPriority::BelowNormal, "SetPriority(-1)"},
        {TPlayPriority::Normal, "SetPriority(0)"},
        {TPlayPriority::AboveNormal, "SetPriority(1)"},
        {TPlayPriority::Highest, "SetPriority(2)"},
        {TPlayPriority::TimeCritical, "SetPriority(15)"},
    };
    for (const auto &[priority, call] : levels) {
        fakempegdll::ClearCalls();
        player.SetPlayerPriority(priority);
        EXPECT_EQ(fakempegdll::Calls(), Calls{call});
        EXPECT_EQ(player.PlayerPriority(), priority);
    }
    fakempegdll::ClearCalls();
    player.SetPlayerPriority(static_cast<TPlayPriority>(9)); // e.g. a damaged setting
    EXPECT_EQ(fakempegdll::Calls(), Calls{"SetPriority(0)"});
    EXPECT_EQ(player.PlayerPriority(), TPlayPriority::Normal);
    fakempegdll::FailNext("SetPriority", 1);
    ExpectError([&] { player.SetPlayerPriority(TPlayPriority::Idle); }, 1,
                QStringLiteral("Internal decoder error"));
}

TEST_F(PlayerTest, StreamNameLimitCountsEncodedBytes)
{
    const QString longest = u'/' + QString(510, u'a');
    player.SetStreamName(longest);
    player.Open();
    EXPECT_EQ(fakempegdll::Calls().at(0), "Open(" + longest.toStdString() + ",0)");
    player.Close();

    const QString tooLong = QStringLiteral("Stream name is longer than 511 bytes");
    fakempegdll::ClearCalls();
    player.SetStreamName(longest + u'a');
    ExpectError([&] { player.Open(); }, 254, tooLong);
    // 256 Cyrillic letters are 512 bytes in UTF-8.
    player.SetStreamName(QString(256, u'я'));
    ExpectError([&] { player.Open(); }, 254, tooLong);
    player.SetStreamName(QString::fromUtf8("/a\0b.mp3", 8));
    ExpectError([&] { player.Open(); }, 254,
                QStringLiteral("Stream name contains a zero character"));
    EXPECT_TRUE(fakempegdll::Calls().empty());
}

TEST_F(PlayerTest, OutputFileNameLimitIsCheckedBeforeAnythingIsSent)
{
    player.Open();
    player.OutFilename = QString(260, u'o');
    fakempegdll::ClearCalls();
    ExpectError([&] { player.Play(); }, 5,
                QStringLiteral("Output file name is longer than 259 bytes"));
    EXPECT_TRUE(fakempegdll::Calls().empty());
    EXPECT_EQ(player.PlayedXTimes(), 1);

    player.OutFilename = QString(259, u'o');
    player.Play();
    EXPECT_EQ(fakempegdll::Calls().at(1), "SetOutputDevice(0," + std::string(259, 'o') + ")");
}

} // namespace
