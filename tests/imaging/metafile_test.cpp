// WMF and EMF: Inkscape's files against Inkscape's own rendering, and records made here.
#include "imaging/metadc.h"
#include "imaging/picture.h"
#include "metafilebuilder.h"
#include "picturefiles.h"
#include "platform/codepage.h"

#include <QPainter>
#include <cstring>
#include <gtest/gtest.h>

namespace {

enum : int {
    kWmfCreateBrush = 0x02FC,
    kWmfCreatePen = 0x02FA,
    kWmfCreateFont = 0x02FB,
    kWmfSelect = 0x012D,
    kWmfDelete = 0x01F0,
    kWmfRectangle = 0x041B,
    kWmfEllipse = 0x0418,
    kWmfWindowOrg = 0x020B,
    kWmfWindowExt = 0x020C,
    kWmfSaveDc = 0x001E,
    kWmfRestoreDc = 0x0127,
    kWmfIntersectClip = 0x0416,
    kWmfTextOut = 0x0521,
    kWmfBkMode = 0x0102,
};
enum : quint32 {
    kEmfWorldTransform = 35,
    kEmfCreateBrush = 39,
    kEmfSelect = 37,
    kEmfBeginPath = 59,
    kEmfMoveTo = 27,
    kEmfLineTo = 54,
    kEmfCloseFigure = 61,
    kEmfEndPath = 60,
    kEmfFillPath = 62,
    kEmfStretchDiBits = 81,
    kEmfCreateFont = 82,
    kEmfExtTextOutW = 84,
};

QByteArray LeFloat(std::initializer_list<float> values)
{
    QByteArray out;
    for (const float value : values) {
        quint32 bits;
        std::memcpy(&bits, &value, 4);
        out += Le32({bits});
    }
    return out;
}

QImage Render(const QByteArray &bytes, const char *format, QSize size = {})
{
    TImagePicture picture;
    picture.LoadFromData(bytes, QLatin1String(format));
    return picture.ToImage(size);
}

// The share of pixels whose colour, on white, is more than 64 away from the reference's.
double ShareUnlike(const QImage &image, const QImage &reference)
{
    QImage onWhite(reference.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, image);
    int unlike = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            unlike += !Near(onWhite.pixelColor(x, y), reference.pixelColor(x, y), 64);
    return double(unlike) / (reference.width() * reference.height());
}

QByteArray WmfSolidBrush(quint32 colorRef)
{
    return Le16({0}) + Le32({colorRef}) + Le16({0});
}

const QByteArray kWmfNullPen = Le16({5, 0, 0}) + Le32({0});

} // namespace

TEST(Metafile, DrawingProgramsFilesLookLikeInkscapesRenderingOfTheirDrawing)
{
    // LibreOffice frames the drawing tightly (its white background reaches past the frame and is
    // clipped): its part of the reference starts 176 hundredths of a millimetre in.
    const QRect inkscapeFrame(0, 0, 200, 150), libreOfficeFrame(7, 7, 187, 137);
    struct {
        const char *file;
        QRect frame;
    } cases[] = {
        {"drawing.emf", inkscapeFrame},
        {"drawing.wmf", inkscapeFrame},
        {"lo-drawing.emf", libreOfficeFrame},
        {"lo-drawing.wmf", libreOfficeFrame},
    };
    const QImage reference(PictureFixture("drawing-ref.png"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        TImagePicture picture;
        picture.Load(PictureFixture(c.file));
        const QImage image = picture.ToImage(c.frame.size());
        EXPECT_LT(ShareUnlike(image, reference.copy(c.frame)), 0.05);
    }
}

TEST(Metafile, NaturalSizeComesFromTheHeaderOrTheWindow)
{
    struct {
        QByteArray bytes;
        const char *format;
        QSize size;
    } cases[] = {
        {TWmfBuilder().File(QRect(0, 0, 1440, 720), 1440), "WMF", {96, 48}},
        {TWmfBuilder().File(QRect(100, 100, 576, 288), 576), "WMF", {96, 48}},
        {TWmfBuilder().File(QRect(0, 0, 1440, 720), 0), "WMF", {96, 48}}, // no inch: twips
        {TWmfBuilder()
             .Add(kWmfWindowOrg, Le16({20, 10}))
             .Add(kWmfWindowExt, Le16({-200, 300}))
             .File(),
         "WMF",
         {300, 200}},
        {TEmfBuilder().File(QRect(0, 0, 2540, 1270)), "EMF", {96, 48}},
    };
    for (const auto &c : cases) {
        TImagePicture picture;
        ASSERT_NO_THROW(picture.LoadFromData(c.bytes, QLatin1String(c.format)));
        EXPECT_EQ(picture.NaturalSize(), c.size);
    }
    TImagePicture picture;
    EXPECT_THROW(picture.LoadFromData(TWmfBuilder().Add(kWmfSaveDc).File(), QStringLiteral("WMF")),
                 EPictureError); // a plain file that never says how large it is
}

TEST(Metafile, WmfObjectsTakeTheLowestFreeSlotAndDrawWhenSelected)
{
    const QByteArray wmf = TWmfBuilder()
                               .Add(kWmfWindowOrg, Le16({0, 0}))
                               .Add(kWmfWindowExt, Le16({100, 100}))
                               .Add(kWmfCreateBrush, WmfSolidBrush(0x0000FF)) // slot 0: red
                               .Add(kWmfCreatePen, kWmfNullPen)               // slot 1
                               .Add(kWmfSelect, Le16({0}))
                               .Add(kWmfSelect, Le16({1}))
                               .Add(kWmfRectangle, Le16({50, 50, 0, 0}))
                               .Add(kWmfDelete, Le16({0}))
                               .Add(kWmfCreateBrush, WmfSolidBrush(0xFF0000)) // slot 0 again: blue
                               .Add(kWmfSelect, Le16({0}))
                               .Add(kWmfEllipse, Le16({100, 100, 50, 50}))
                               .File();
    const QImage image = Render(wmf, "WMF");
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(75, 75), Qt::blue));
    EXPECT_EQ(image.pixelColor(75, 25).alpha(), 0);
}

TEST(Metafile, RestoreDcBringsBackTheBrushAndTheClip)
{
    const QByteArray wmf = TWmfBuilder()
                               .Add(kWmfCreateBrush, WmfSolidBrush(0x0000FF)) // red
                               .Add(kWmfCreateBrush, WmfSolidBrush(0xFF0000)) // blue
                               .Add(kWmfCreatePen, kWmfNullPen)
                               .Add(kWmfSelect, Le16({2}))
                               .Add(kWmfSelect, Le16({0}))
                               .Add(kWmfSaveDc)
                               .Add(kWmfSelect, Le16({1}))
                               .Add(kWmfIntersectClip, Le16({100, 50, 0, 0}))
                               .Add(kWmfRectangle, Le16({50, 100, 0, 0}))
                               .Add(kWmfRestoreDc, Le16({-1}))
                               .Add(kWmfRectangle, Le16({100, 100, 50, 0}))
                               .File(QRect(0, 0, 100, 100), 96);
    const QImage image = Render(wmf, "WMF");
    EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::blue));
    EXPECT_EQ(image.pixelColor(75, 25).alpha(), 0); // clipped away
    EXPECT_TRUE(Near(image.pixelColor(75, 75), Qt::red));
}

TEST(Metafile, TextInARussianFontIsWindows1251)
{
    const QByteArray word = EncodeCp1251(u"Ёлка");
    EXPECT_EQ(DecodeMetaText(word, 204), QStringLiteral("Ёлка"));
    EXPECT_EQ(DecodeMetaText(word, 1), QStringLiteral("Ёлка"));
    EXPECT_EQ(DecodeMetaText(word, 0), QString::fromLatin1(word));
    QByteArray font = Le16({-40, 0, 0, 0, 700}) + QByteArray("\0\0\0\xCC\0\0\0\x20", 8) +
                      QByteArray("Arial").leftJustified(32, '\0');
    const QByteArray wmf = TWmfBuilder()
                               .Add(kWmfCreateFont, font)
                               .Add(kWmfSelect, Le16({0}))
                               .Add(kWmfBkMode, Le16({1}))
                               .Add(kWmfTextOut, Le16({int(word.size())}) + word + Le16({10, 5}))
                               .File(QRect(0, 0, 200, 60), 96);
    const QImage image = Render(wmf, "WMF");
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += image.pixelColor(x, y).alpha() > 128;
    EXPECT_GT(dark, 300); // four bold letters 40 pixels high
}

TEST(Metafile, EmfPathsFollowTheWorldTransform)
{
    const QByteArray emf = TEmfBuilder()
                               .Add(kEmfWorldTransform, LeFloat({2, 0, 0, 2, 0, 0}))
                               .Add(kEmfCreateBrush, Le32({1, 0, 0x00FF00, 0}))
                               .Add(kEmfSelect, Le32({1}))
                               .Add(kEmfSelect, Le32({0x80000008})) // the null pen
                               .Add(kEmfBeginPath)
                               .Add(kEmfMoveTo, Le32({0, 0}))
                               .Add(kEmfLineTo, Le32({24, 0}))
                               .Add(kEmfLineTo, Le32({24, 24}))
                               .Add(kEmfLineTo, Le32({0, 24}))
                               .Add(kEmfCloseFigure)
                               .Add(kEmfEndPath)
                               .Add(kEmfFillPath, Le32({0, 0, 0, 0}))
                               .File(QRect(0, 0, 2540, 2540));
    const QImage image = Render(emf, "EMF");
    ASSERT_EQ(image.size(), QSize(96, 96));
    EXPECT_TRUE(Near(image.pixelColor(40, 40), Qt::green)); // 24 units doubled
    EXPECT_EQ(image.pixelColor(60, 60).alpha(), 0);
}

TEST(Metafile, EmfStretchDibitsDrawsABottomUpBitmapUpright)
{
    const QByteArray header = Le32({40, 2, 2}) + Le16({1, 24}) + Le32({0, 16, 0, 0, 0, 0});
    const QByteArray bits = QByteArray("\xFF\x00\x00\x00\xFF\x00\0\0"  // bottom: blue, green
                                       "\x00\x00\xFF\xFF\xFF\xFF\0\0", // top: red, white
                                       16);
    const QByteArray record =
        Le32({0, 0, 96, 96, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 96, 96}) + header +
        bits;
    const QImage image =
        Render(TEmfBuilder().Add(kEmfStretchDiBits, record).File(QRect(0, 0, 2540, 2540)), "EMF");
    EXPECT_TRUE(Near(image.pixelColor(10, 10), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(85, 10), Qt::white));
    EXPECT_TRUE(Near(image.pixelColor(10, 85), Qt::blue));
    EXPECT_TRUE(Near(image.pixelColor(85, 85), Qt::green));
}

TEST(Metafile, EmfUnicodeTextIsDrawnInItsFont)
{
    const QString text = QStringLiteral("Ёж");
    QByteArray font = Le32({1, quint32(-60), 0, 0, 0, 400}) + QByteArray(8, '\0');
    font += QByteArray(reinterpret_cast<const char *>(u"DejaVu Sans"), 22).leftJustified(64, '\0');
    QByteArray string(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const QByteArray record = Le32({0, 0, 0, 0, 1}) + LeFloat({1, 1}) +
                              Le32({10, 10, quint32(text.size()), 76, 0, 0, 0, 0, 0, 0}) +
                              string.leftJustified(8, '\0');
    const QByteArray emf = TEmfBuilder()
                               .Add(kEmfCreateFont, font)
                               .Add(kEmfSelect, Le32({1}))
                               .Add(kEmfExtTextOutW, record)
                               .File(QRect(0, 0, 2540, 2540));
    const QImage image = Render(emf, "EMF");
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += image.pixelColor(x, y).alpha() > 128;
    EXPECT_GT(dark, 200);
}
