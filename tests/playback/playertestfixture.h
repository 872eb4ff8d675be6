#pragma once
// A player loaded from the decoder test double, with a stream name set and the call log cleared.

#include "playback/mpegplayer.h"

#include "fakempegdll_control.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Calls = std::vector<std::string>;

// Exposes the poll so tests can tick without waiting for the timer.
class TickablePlayer : public TMPEGPlayer {
public:
    void Tick() { TimerTick(); }
};

// Runs f, expecting a TMPEGError with this code and message.
inline void ExpectError(const std::function<void()> &f, int code, const QString &message)
{
    try {
        f();
        ADD_FAILURE() << "no TMPEGError, expected " << message.toStdString();
    } catch (const TMPEGError &error) {
        EXPECT_EQ(error.ErrorCode, code);
        EXPECT_EQ(error.Message(), message);
    }
}

class PlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        fakempegdll::Reset();
        player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
        player.LoadDecoder();
        player.SetStreamName(QStringLiteral("/x.mp3"));
        fakempegdll::ClearCalls();
    }

    // Every library call but "init" must be followed by "LastError".
    void TearDown() override { EXPECT_EQ(fakempegdll::MissedChecks(), 0); }

    // Opens and starts; the log is cleared afterwards.
    void StartPlaying()
    {
        player.Play();
        fakempegdll::ClearCalls();
    }

    TickablePlayer player;
};
