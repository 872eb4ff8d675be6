// The picture pages' arithmetic as tables, and the scroll box that applies it, offscreen.
#include "views/picturebox.h"
#include "views/picturesizing.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PictureSizingTest, PlacementInItsBox)
{
    struct TCase {
        QSize box, picture;
        bool hBar, vBar;
        QPoint expected;
    } cases[] = {
        {{300, 200}, {101, 51}, false, false, {99, 74}},    // centred, division truncates
        {{300, 200}, {400, 51}, true, false, {0, 66}},      // (200 - 17 - 51) div 2
        {{300, 200}, {101, 500}, false, true, {91, 0}},     // (300 - 17 - 101) div 2
        {{300, 200}, {400, 500}, true, true, {0, 0}},
        {{100, 100}, {103, 103}, false, false, {-1, -1}},   // toward zero, not down
        {{100, 100}, {120, 20}, true, false, {0, 31}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(CenteredPicturePos(c.box, c.picture, {c.hBar, c.vBar, 17, 17}), c.expected)
            << c.picture.width() << "x" << c.picture.height();
}

TEST(PictureSizingTest, ZoomRoundsHalvesToEven)
{
    EXPECT_EQ(ZoomedSize({101, 101}, 1.25), QSize(126, 126));
    EXPECT_EQ(ZoomedSize({126, 126}, 0.75), QSize(94, 94)); // 94.5: halves to even
    EXPECT_EQ(ZoomedSize({2, 10}, 1.25), QSize(2, 12));     // 2.5 and 12.5
    EXPECT_EQ(ZoomedSize({6, 1}, 0.75), QSize(4, 1));       // 4.5 and 0.75
    EXPECT_EQ(ZoomedSize({0, 0}, 1.25), QSize(0, 0));
    EXPECT_TRUE(ZoomAllowed({26214, 100}, 1.25));
    EXPECT_FALSE(ZoomAllowed({26215, 100}, 1.25)); // 32768.75 rounds past the largest side
    EXPECT_TRUE(ZoomAllowed({40000, 40000}, 0.75));
}

TEST(PictureSizingTest, ProportionalFit)
{
    struct TCase {
        QSize picture, box;
        QRect expected;
    } cases[] = {
        {{400, 300}, {200, 200}, {1, 26, 198, 148}},
        {{400, 100}, {200, 40}, {23, 1, 154, 38}}, // 198x49 first, then fitted to the height
        {{300, 400}, {200, 200}, {26, 1, 148, 198}},
        {{100, 100}, {400, 300}, {52, 2, 296, 296}}, // square: by the height
        {{10, 10}, {1, 1}, {0, 0, 0, 0}},
        {{0, 0}, {200, 200}, {100, 100, 0, 0}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(BestFitRect(c.picture, c.box), c.expected)
            << c.picture.width() << "x" << c.picture.height();
}

namespace {

class PictureBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        const QString file = fDir.path() + "/p.bmp";
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(file, "BMP"));
        TImagePicture picture;
        picture.Load(file);
        fBox.resize(300, 200);
        fBox.Control()->SetPicture(picture);
        fBox.show();
    }

    QTemporaryDir fDir;
    TPictureScrollBox fBox;
};

} // namespace

TEST_F(PictureBoxTest, NaturalSizeShowsTheBarsItNeedsAndStartsAtTheTopLeft)
{
    fBox.SetNaturalSize();
    fBox.ShowBarsForPicture();
    fBox.Center();
    EXPECT_EQ(fBox.PictureSize(), QSize(400, 300));
    EXPECT_TRUE(fBox.Bars().Horizontal);
    EXPECT_TRUE(fBox.Bars().Vertical);
    EXPECT_EQ(fBox.PicturePos(), QPoint(0, 0));
    EXPECT_EQ(fBox.Control()->geometry(), QRect(0, 0, 400, 300));
}

TEST_F(PictureBoxTest, ZoomAfterStretchStartsFromTheFilledSizeWithATolerance)
{
    fBox.Stretch();
    EXPECT_TRUE(fBox.Filled());
    EXPECT_EQ(fBox.Control()->geometry(), QRect(0, 0, 300, 200));
    fBox.Zoom(0.75);
    EXPECT_FALSE(fBox.Filled());
    EXPECT_EQ(fBox.PictureSize(), QSize(225, 150));
    EXPECT_EQ(fBox.PicturePos(), QPoint(37, 25));
    fBox.resize(240, 150);
    fBox.Zoom(1.0); // 225 is not past 240 + 2, 150 not past 150 + 2
    EXPECT_FALSE(fBox.Bars().Horizontal);
    EXPECT_FALSE(fBox.Bars().Vertical);
    fBox.resize(223, 150);
    fBox.Zoom(1.0); // 225 is within the tolerance of 2: still no bar
    EXPECT_FALSE(fBox.Bars().Horizontal);
    fBox.resize(223, 147);
    fBox.Zoom(1.0);
    EXPECT_TRUE(fBox.Bars().Vertical);
    EXPECT_EQ(fBox.PicturePos().y(), 0);
}

TEST_F(PictureBoxTest, ProportionalFitKeepsTheBarsAndZoomStopsAtTheLargestSide)
{
    fBox.SetNaturalSize();
    fBox.ShowBarsForPicture();
    fBox.BestFit();
    EXPECT_EQ(QRect(fBox.PicturePos(), fBox.PictureSize()), BestFitRect({400, 300}, {300, 200}));
    EXPECT_TRUE(fBox.Bars().Horizontal); // left as they were
    for (int i = 0; i < 100; ++i)
        fBox.Zoom(1.25);
    EXPECT_LE(fBox.PictureSize().width(), kMaxZoomedSide);
    EXPECT_GT(fBox.PictureSize().width(), kMaxZoomedSide / 1.25 - 1);
}
