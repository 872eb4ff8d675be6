// The picture object: decoder by extension, natural size, pixels, drawing, the core's factory.
#include "imaging/picture.h"
#include "picturefiles.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PictureFiles : public ::testing::Test {
protected:
    // A copy of a fixture under another name in a temporary folder.
    QString CopyAs(const char *fixture, const char *name)
    {
        const QString path = fDir.filePath(QLatin1String(name));
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(PictureFixture(fixture), path));
        return path;
    }

    QTemporaryDir fDir;
};

struct TFormatCase {
    const char *file;
    const char *format;
    QSize size;
};

} // namespace

TEST(Picture, EachFormatReportsItsNameAndNaturalSize)
{
    const TFormatCase cases[] = {
        {"gradient.bmp", "BMP", {32, 24}},     {"photo.jpg", "JPEG", {48, 32}},
        {"progressive.jpg", "JPEG", {48, 32}}, {"grey.jpg", "JPEG", {48, 32}},
        {"cmyk.jpg", "JPEG", {48, 32}},        {"anim.gif", "GIF", {40, 30}},
        {"drawing.wmf", "WMF", {200, 150}},    {"drawing.emf", "EMF", {200, 150}},
        {"lo-drawing.wmf", "WMF", {187, 137}}, {"lo-drawing.emf", "EMF", {187, 137}},
    };
    for (const TFormatCase &c : cases) {
        SCOPED_TRACE(c.file);
        TImagePicture picture;
        ASSERT_NO_THROW(picture.Load(PictureFixture(c.file)));
        EXPECT_EQ(picture.FormatName(), QLatin1String(c.format));
        EXPECT_NEAR(picture.NaturalSize().width(), c.size.width(), 1);
        EXPECT_NEAR(picture.NaturalSize().height(), c.size.height(), 1);
        EXPECT_EQ(picture.ToImage().size(), picture.NaturalSize());
    }
}

TEST_F(PictureFiles, TheExtensionChoosesTheDecoderWhateverTheContent)
{
    struct {
        const char *fixture, *name;
        bool loads;
    } cases[] = {
        {"photo.jpg", "upper.JPG", true},      {"photo.jpg", "mixed.Jpeg", true},
        {"photo.jpg", "photo.bmp", false},     {"photo.jpg", "photo.gif", false},
        {"gradient.bmp", "pic.DIB", true},     {"gradient.bmp", "pic.jpg", false},
        {"anim.gif", "anim.GIF", true},        {"anim.gif", "anim.emf", false},
        {"drawing.emf", "drawing.wmf", false}, {"drawing.wmf", "drawing.emf", false},
        {"drawing-ref.png", "ref.png", false}, {"photo.jpg", "photo.jpe", false},
        {"photo.jpg", "photo", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TImagePicture picture;
        EXPECT_EQ(picture.LoadFromFile(CopyAs(c.fixture, c.name)), c.loads);
        EXPECT_EQ(picture.IsEmpty(), !c.loads);
    }
}

TEST_F(PictureFiles, AFailedLoadThrowsAndKeepsThePictureButLoadFromFileEmptiesIt)
{
    TImagePicture picture;
    picture.Load(PictureFixture("photo.jpg"));
    EXPECT_THROW(picture.Load(CopyAs("photo.jpg", "wrong.bmp")), EPictureError);
    EXPECT_EQ(picture.FormatName(), QStringLiteral("JPEG"));
    EXPECT_THROW(picture.Load(fDir.filePath(QStringLiteral("missing.jpg"))), EPictureError);
    EXPECT_FALSE(picture.LoadFromFile(CopyAs("photo.jpg", "wrong.gif")));
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(picture.NaturalSize(), QSize());
    EXPECT_THROW(picture.ToImage(), EPictureError);
}

TEST(Picture, DataLoadsByFormatNameAsDocumentsEmbedIt)
{
    const QByteArray bmp = ReadFixture("gradient.bmp");
    struct {
        QByteArray bytes;
        const char *format;
        QSize size;
    } cases[] = {
        {ReadFixture("drawing-ref.png"), "PNG", {200, 150}},
        {bmp.mid(14), "DIB", {32, 24}}, // a packed DIB: no file header
        {bmp, "dib", {32, 24}},
        {ReadFixture("photo.jpg"), "jpeg", {48, 32}},
        {ReadFixture("drawing.wmf"), "WMF", {200, 150}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        TImagePicture picture;
        ASSERT_NO_THROW(picture.LoadFromData(c.bytes, QLatin1String(c.format)));
        EXPECT_EQ(picture.NaturalSize(), c.size);
    }
    TImagePicture picture;
    EXPECT_THROW(picture.LoadFromData(bmp, QStringLiteral("TIFF")), EPictureError);
    EXPECT_THROW(picture.LoadFromData(bmp.mid(14), QStringLiteral("BMP")), EPictureError);
}

TEST(Picture, JpegColourSpacesAllDecodeToTheirColours)
{
    for (const char *name : {"photo.jpg", "progressive.jpg", "cmyk.jpg"}) {
        SCOPED_TRACE(name);
        TImagePicture picture;
        picture.Load(PictureFixture(name));
        const QImage image = picture.ToImage();
        EXPECT_TRUE(Near(image.pixelColor(24, 0), Qt::red))
            << image.pixelColor(24, 0).name().toStdString();
        EXPECT_TRUE(Near(image.pixelColor(24, 31), Qt::blue))
            << image.pixelColor(24, 31).name().toStdString();
    }
    TImagePicture grey;
    grey.Load(PictureFixture("grey.jpg"));
    const QImage image = grey.ToImage();
    const QColor top = image.pixelColor(24, 0), bottom = image.pixelColor(24, 31);
    EXPECT_TRUE(top.red() == top.green() && top.green() == top.blue());
    EXPECT_GT(top.red(), bottom.red()); // red is lighter than blue in grey
}

TEST(Picture, GifShowsItsFirstFrameWithTransparencyKept)
{
    TImagePicture picture;
    picture.Load(PictureFixture("anim.gif"));
    const QImage image = picture.ToImage();
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(Near(image.pixelColor(20, 15), Qt::red)); // not the blue second frame
}

TEST(Picture, DrawStretchesIntoTheRectangleOnly)
{
    for (const char *name : {"gradient.bmp", "photo.jpg", "drawing.emf", "drawing.wmf"}) {
        SCOPED_TRACE(name);
        TImagePicture picture;
        picture.Load(PictureFixture(name));
        QImage canvas(300, 200, QImage::Format_ARGB32);
        canvas.fill(Qt::green);
        {
            QPainter painter(&canvas);
            picture.Draw(painter, QRectF(50, 40, 200, 100));
        }
        EXPECT_EQ(canvas.pixelColor(49, 90), QColor(Qt::green));
        EXPECT_EQ(canvas.pixelColor(251, 90), QColor(Qt::green));
        EXPECT_EQ(canvas.pixelColor(150, 39), QColor(Qt::green));
        EXPECT_EQ(canvas.pixelColor(150, 141), QColor(Qt::green));
        EXPECT_NE(canvas.pixelColor(60, 50), QColor(Qt::green)); // the picture covers its corner
    }
}

TEST(Picture, ToImageStretchesToTheWantedSize)
{
    TImagePicture picture;
    picture.Load(PictureFixture("gradient.bmp"));
    const QImage image = picture.ToImage(QSize(100, 10));
    EXPECT_EQ(image.size(), QSize(100, 10));
    EXPECT_TRUE(Near(image.pixelColor(50, 0), Qt::red, 60));
    EXPECT_TRUE(Near(image.pixelColor(50, 9), Qt::blue, 60));
    EXPECT_THROW(picture.ToImage(QSize(60000, 60000)), EPictureError);
}

TEST(Picture, InstalledFactoryMakesTheCoverCacheHoldRealPictures)
{
    InstallPictureFactory();
    TPicsColl cache;
    TPicItem &good = cache.Add();
    good.SetFileName(PictureFixture("photo.jpg"));
    EXPECT_EQ(good.FileName(), PictureFixture("photo.jpg"));
    EXPECT_EQ(good.Picture().NaturalSize(), QSize(48, 32));
    EXPECT_NE(dynamic_cast<TImagePicture *>(&good.Picture()), nullptr);
    TPicItem &bad = cache.Add();
    bad.SetFileName(PictureFixture("make-pictures.sh"));
    EXPECT_TRUE(bad.FileName().isEmpty());
    EXPECT_TRUE(bad.Picture().IsEmpty());
    SetPictureFactory({});
}
