// JPEG: DCT scaling for pictures wanted smaller than natural, and the size from the header.
#include "imaging/jpegdecoder.h"
#include "imaging/picture.h"
#include "imaging/pictureerror.h"
#include "picturefiles.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(Jpeg, TheScaleIsTheSmallestThatStillCoversTheWantedSize)
{
    struct {
        QSize natural, wanted;
        int denominator;
    } cases[] = {
        {{3000, 3000}, {16, 16}, 8},  {{3000, 3000}, {375, 375}, 8},
        {{3000, 3000}, {376, 16}, 4}, {{3000, 3000}, {750, 750}, 4},
        {{3000, 3000}, {751, 10}, 2}, {{3000, 3000}, {1500, 1500}, 2},
        {{3000, 3000}, {1501, 1}, 1}, {{3000, 3000}, {6000, 6000}, 1},
        {{3000, 3000}, {}, 1},        {{100, 10}, {13, 2}, 8},
        {{100, 10}, {13, 3}, 4},      {{4000, 3000}, {800, 600}, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.wanted.width() << "x" << c.wanted.height());
        EXPECT_EQ(JpegScaleDenominator(c.natural, c.wanted), c.denominator);
    }
}

TEST(Jpeg, ScaledDecodesHaveTheScaledSizeAndTheColours)
{
    const QByteArray bytes = ReadFixture("photo.jpg"); // 48x32
    for (const int denominator : {1, 2, 4, 8}) {
        SCOPED_TRACE(denominator);
        const QImage image = DecodeJpeg(bytes, denominator);
        EXPECT_EQ(image.size(), QSize(48 / denominator, 32 / denominator));
        EXPECT_TRUE(Near(image.pixelColor(image.width() / 2, 0), Qt::red, 60));
    }
    TImagePicture picture;
    picture.Load(PictureFixture("cmyk.jpg"));
    const QImage thumbnail = picture.ToImage(QSize(6, 4));
    EXPECT_EQ(thumbnail.size(), QSize(6, 4));
    EXPECT_TRUE(Near(thumbnail.pixelColor(3, 3), Qt::blue, 70));
}

TEST(Jpeg, TheNaturalSizeNeedsOnlyTheHeaderAndACutFileShowsWhatItHas)
{
    const QByteArray whole = ReadFixture("progressive.jpg");
    const qsizetype scan = whole.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    const int scanHeader = quint8(whole[scan + 2]) << 8 | quint8(whole[scan + 3]);
    const QByteArray cut = whole.left(scan + 2 + scanHeader + 8); // a few bytes of the first scan
    EXPECT_EQ(ReadJpegSize(cut), QSize(48, 32));
    TImagePicture picture;
    ASSERT_NO_THROW(picture.LoadFromData(cut, QStringLiteral("JPEG")));
    EXPECT_EQ(picture.NaturalSize(), QSize(48, 32));
    EXPECT_EQ(picture.ToImage().size(), QSize(48, 32)); // grey where data is missing
    EXPECT_THROW(ReadJpegSize(whole.left(scan / 2)), EPictureError);
}

TEST(Jpeg, DrawingSmallDecodesSmallAndStillFillsTheRectangle)
{
    TImagePicture picture;
    picture.Load(PictureFixture("photo.jpg"));
    QImage canvas(16, 16, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    QPainter painter(&canvas);
    picture.Draw(painter, QRectF(0, 0, 16, 16));
    painter.end();
    EXPECT_TRUE(Near(canvas.pixelColor(8, 0), Qt::red, 70));
    EXPECT_TRUE(Near(canvas.pixelColor(8, 15), Qt::blue, 70));
    EXPECT_NE(canvas.pixelColor(15, 15), QColor(Qt::green));
}
