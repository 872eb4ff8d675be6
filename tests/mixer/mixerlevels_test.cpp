// Volume and balance spread over two channels and read back from them.
#include "mixer/mixerlevels.h"

#include <gtest/gtest.h>

namespace {

struct TLevelsCase {
    double volume;
    double balance;
    TChannelLevels levels;
};

class LevelsTable : public testing::TestWithParam<TLevelsCase> {};

TEST_P(LevelsTable, SpreadAndReadBack)
{
    const TLevelsCase &c = GetParam();
    const TChannelLevels levels = LevelsFor(c.volume, c.balance);
    EXPECT_DOUBLE_EQ(levels.Left, c.levels.Left);
    EXPECT_DOUBLE_EQ(levels.Right, c.levels.Right);
    EXPECT_DOUBLE_EQ(VolumeOf(levels), std::clamp(c.volume, 0.0, 1.0));
    if (c.volume > 0) {
        EXPECT_NEAR(BalanceOf(levels, 0.3), std::clamp(c.balance, -1.0, 1.0), 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelsTable,
                         testing::Values(TLevelsCase{0.8, 0, {0.8, 0.8}},
                                         TLevelsCase{0.8, -0.5, {0.8, 0.4}},
                                         TLevelsCase{0.8, 0.5, {0.4, 0.8}},
                                         TLevelsCase{1, -1, {1, 0}}, TLevelsCase{1, 1, {0, 1}},
                                         TLevelsCase{1.5, 2, {0, 1}}, TLevelsCase{-0.2, 0, {0, 0}},
                                         TLevelsCase{0, 0.4, {0, 0}}));

TEST(Levels, SilenceKeepsTheBalanceItWasGiven)
{
    EXPECT_DOUBLE_EQ(BalanceOf({0, 0}, -0.25), -0.25);
}

} // namespace
