// Where the clips page draws a clip: proportional stretch and natural size, as tables.
#include "views/cliplayout.h"

#include <gtest/gtest.h>

// Found beside TRect by the test's printer: failures show the rectangle.
static void PrintTo(const TRect &rect, std::ostream *out)
{
    *out << '{' << rect.Left << ',' << rect.Top << ',' << rect.Right << ',' << rect.Bottom << '}';
}

// A page of 404 x 340 with a 26-pixel tool bar and a 10-pixel status bar gives the picture area
// A x B = 400 x 300 starting at T0 = 28.
TEST(ClipLayoutTest, ProportionalStretchFillsTheAreaAsFarAsProportionsAllow)
{
    const QSize page(404, 340);
    const struct {
        QSize clip;
        TRect bounds;
        const char *why;
    } cases[] = {
        {{320, 240}, {0, 28, 400, 328}, "4:3 in 4:3: D = 300 is not below B, so height-limited"},
        {{640, 360}, {0, 65, 400, 289}, "wide: width-limited, one pixel short of D = 225"},
        {{400, 100}, {0, 128, 400, 227}, "very wide: D = 100, (300 - 100) div 2 + 28 on top"},
        {{300, 400}, {87, 28, 312, 328}, "tall: E = 225 below A, height-limited, centred"},
        {{300, 300}, {50, 28, 350, 328}, "square counts as tall: E = 300"},
        {{100, 99}, {48, 28, 351, 328}, "nearly square and wide: D = 396, so E = 303"},
        {{161, 100}, {0, 54, 400, 301}, "D = 248.4 rounds to 248"},
        {{2, 3}, {100, 28, 300, 328}, "tall: E = 200"},
        {{0, 0}, {0, 28, 0, 28}, "no picture: nothing drawn, never a division by zero"},
        {{320, 0}, {0, 28, 0, 28}, "no height: nothing drawn"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProportionalClipRect(page, 26, 10, c.clip), c.bounds) << c.why;
    // A tall clip on a page taller than wide: E = 290 is not below A = 200, so width-limited
    // with D = 207.
    EXPECT_EQ(ProportionalClipRect({204, 340}, 26, 10, {300, 310}), (TRect{0, 74, 200, 280}));
}

TEST(ClipLayoutTest, RoundingIsToTheNearestHalvesToEven)
{
    // A = 100, B = 300: D = 100 / 40 * 25 = 62.5 rounds to 62.
    EXPECT_EQ(ProportionalClipRect({104, 304}, 0, 0, {40, 25}), (TRect{0, 121, 100, 182}));
    // A = 100, B = 300: D = 100 / 8 * 7 = 87.5 rounds to 88.
    EXPECT_EQ(ProportionalClipRect({104, 304}, 0, 0, {8, 7}), (TRect{0, 108, 100, 195}));
}

TEST(ClipLayoutTest, NaturalSizeCentresOrSticksToTheEdgeWhereItDoesNotFit)
{
    const struct {
        QSize area;
        QSize clip;
        TRect destination;
    } cases[] = {
        {{400, 300}, {320, 240}, {40, 30, 0, 0}}, {{401, 301}, {320, 240}, {40, 30, 0, 0}},
        {{300, 300}, {320, 240}, {0, 30, 0, 0}},  {{400, 200}, {320, 240}, {40, 0, 0, 0}},
        {{400, 300}, {0, 0}, {200, 150, 0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NaturalClipRect(c.area, c.clip), c.destination);
}
