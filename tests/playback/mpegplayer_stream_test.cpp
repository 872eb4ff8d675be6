// Stream mode: the library reads through callbacks that forward to the player's events.

#include "playertestfixture.h"

#include <cstring>

namespace {

class PlayerStreamTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        player.FromStream = true;
    }
    int source = 0; // stands for the caller's open source
};

TEST_F(PlayerStreamTest, OpenHandsTheCallbacksAndForwardsToTheEvents)
{
    player.OnOpenStream = [&](bool &nonseekable, void *&context) {
        nonseekable = true;
        context = &source;
    };
    void *closed = nullptr;
    player.OnCloseStream = [&](void *context) { closed = context; };
    player.OnRestartStream = [&](void *context, bool &res) { res = context == &source; };
    player.OnGetStreamSize = [&](void *, int &res) { res = 4096; };
    player.OnSeekStream = [&](void *, int numbytes, int moveMethod, int &res) {
        res = numbytes * 10 + moveMethod;
    };
    player.OnReadStream = [&](void *, void *buffer, int toRead, int &read, bool &res) {
        std::memset(buffer, 'x', toRead);
        read = toRead;
        res = true;
    };

    player.Open();
    EXPECT_EQ(fakempegdll::Calls().at(0), "Open(nil,1,+callbacks)");
    EXPECT_EQ(fakempegdll::StreamContext(), &source);
    EXPECT_EQ(fakempegdll::StreamSize(), 4096);
    EXPECT_EQ(fakempegdll::StreamSeek(12, 2), 122);
    EXPECT_EQ(fakempegdll::StreamRestart(), 1);
    char buffer[4] = {};
    int read = 0;
    EXPECT_TRUE(fakempegdll::StreamRead(buffer, 3, read));
    EXPECT_EQ(read, 3);
    EXPECT_EQ(std::string(buffer), "xxx");

    player.Close();
    EXPECT_EQ(closed, &source);
}

TEST_F(PlayerStreamTest, UnassignedEventsGiveTheDefaults)
{
    player.Open();
    EXPECT_EQ(fakempegdll::StreamContext(), nullptr);
    EXPECT_EQ(fakempegdll::StreamSize(), -1);
    EXPECT_EQ(fakempegdll::StreamSeek(0, 0), -1);
    EXPECT_EQ(fakempegdll::StreamRestart(), 0);
    char buffer[4];
    int read = 7;
    EXPECT_FALSE(fakempegdll::StreamRead(buffer, 4, read));
    player.Close();
}

TEST_F(PlayerStreamTest, AnEmptyStreamNameDoesNotMatterInStreamMode)
{
    player.SetStreamName(QString());
    player.Play();
    EXPECT_EQ(player.PlayedXTimes(), 2);
}

} // namespace
