// Loading the decoder library, and what an unloaded player does.

#include "playertestfixture.h"

#include <QTemporaryDir>
#include <algorithm>

namespace {

const QString kNotLoaded = QStringLiteral("MPEG library not loaded");

class PlayerLoadTest : public testing::Test {
protected:
    void SetUp() override { fakempegdll::Reset(); }
    TMPEGPlayer player;
};

TEST_F(PlayerLoadTest, LoadsFromFolderWithOrWithoutTrailingSlashAndCallsInitOnce)
{
    for (const QString &folder :
         {QStringLiteral(FAKE_MPEGDLL_DIR), QStringLiteral(FAKE_MPEGDLL_DIR "/")}) {
        fakempegdll::Reset();
        TMPEGPlayer fresh;
        fresh.PathToDLL = folder;
        fresh.LoadDecoder();
        EXPECT_TRUE(fresh.Loaded());
        EXPECT_EQ(fakempegdll::Calls(), Calls{"init"});
        EXPECT_EQ(fresh.StreamLength(), 0);
    }
}

TEST_F(PlayerLoadTest, FolderWithoutLibraryCannotBeLoaded)
{
    QTemporaryDir empty;
    player.PathToDLL = empty.path();
    ExpectError([&] { player.LoadDecoder(); }, 0, QStringLiteral("Can't load MPEG library"));
    EXPECT_FALSE(player.Loaded());
}

TEST_F(PlayerLoadTest, LibraryLackingAnEntryIsRefused)
{
    player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_NOSEEK_DIR);
    ExpectError([&] { player.LoadDecoder(); }, 0, kNotLoaded);
    EXPECT_FALSE(player.Loaded());
    ExpectError([&] { player.Open(); }, 0, kNotLoaded);
}

TEST_F(PlayerLoadTest, InitFailingRaisesTheLibrarysCodeAndLeavesPlayerUnloaded)
{
    fakempegdll::FailNext("init", 5);
    player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
    ExpectError([&] { player.LoadDecoder(); }, 5, QStringLiteral("Output device failure"));
    EXPECT_FALSE(player.Loaded());
    EXPECT_EQ(player.LastErrorCode(), 5);
    ExpectError([&] { player.Play(); }, 0, kNotLoaded);
}

TEST_F(PlayerLoadTest, InitFailureCanBeScriptedForWholeProgramRuns)
{
    qputenv("FAKE_MPEGDLL_INIT_ERROR", "1");
    player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
    ExpectError([&] { player.LoadDecoder(); }, 1, QStringLiteral("Internal decoder error"));
    qunsetenv("FAKE_MPEGDLL_INIT_ERROR");
    player.LoadDecoder();
    EXPECT_TRUE(player.Loaded());
}

TEST_F(PlayerLoadTest, UnloadedPlayerRefusesEveryOperationButStopSaysIncorrectMode)
{
    const std::vector<std::function<void()>> operations = {
        [&] { player.Open(); },
        [&] { player.Play(); },
        [&] { player.SetPaused(false); },
        [&] { player.Restart(); },
        [&] { player.Close(); },
        [&] { player.Seek(1000); },
        [&] { player.SetSoundDevice(1); },
        [&] { player.Frequency(); },
        [&] { player.Bitrate(); },
        [&] { player.StereoMode(); },
        [&] { player.Layer(); },
        [&] { player.PlayerMode(); },
        [&] { player.CurrentPos(); },
    };
    for (const auto &operation : operations)
        ExpectError(operation, 0, kNotLoaded);
    ExpectError([&] { player.Stop(); }, 2, QStringLiteral("Incorrect mode"));
}

TEST_F(PlayerLoadTest, SettersOfAnUnloadedPlayerOnlyStore)
{
    player.SetPlayerPriority(TPlayPriority::Idle);
    player.SetStreamName(QStringLiteral("/x.mp3"));
    player.SetOutputDevice(TOutputDevice::pcmfile);
    EXPECT_EQ(player.PlayerPriority(), TPlayPriority::Idle);
    EXPECT_EQ(player.OutputDevice(), TOutputDevice::pcmfile);
    EXPECT_TRUE(fakempegdll::Calls().empty());

    // The stored priority goes out with the first start.
    player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
    player.LoadDecoder();
    player.Play();
    const Calls calls = fakempegdll::Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "SetPriority(-15)"), calls.end());
}

TEST(PlayerErrorTextTest, CodesOutsideTheTableNameTheCode)
{
    EXPECT_EQ(ErrorMessageFor(3), QStringLiteral("Input stream error"));
    EXPECT_EQ(ErrorMessageFor(9), QStringLiteral("Unknown decoder error (code 9)"));
    EXPECT_EQ(ErrorMessageFor(-1), QStringLiteral("Unknown decoder error (code -1)"));
    EXPECT_STREQ(TMPEGError(QStringLiteral("Ошибка"), 1).what(), "Ошибка");
}

} // namespace
