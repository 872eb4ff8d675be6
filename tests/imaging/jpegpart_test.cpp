// The part of a JPEG in view: which pixels a view needs, the part decoded around them, its pixels
// against the whole decode for every layout and scale, and a photo in a scroll area that
// scrolls, zooms, fills and is cut short.
#include "imaging/jpegdecoder.h"
#include "imaging/jpegpicture.h"
#include "imaging/picture.h"
#include "jpegwriter.h"
#include "picturefiles.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Pixels of part that differ from whole (at the part's place) by more than tolerance in a
// channel, within area; -1 when area is not inside both.
int DifferingPixels(const QImage &part, QPoint origin, const QImage &whole, const QRect &area,
                    int tolerance = 0)
{
    if (!QRect(origin, part.size()).contains(area) || !whole.rect().contains(area)) return -1;
    const QImage a = part.convertToFormat(QImage::Format_RGB32);
    const QImage b = whole.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing +=
                !Near(a.pixelColor(x - origin.x(), y - origin.y()), b.pixelColor(x, y), tolerance);
    return differing;
}

struct TLayoutCase {
    const char *name;
    TJpegLayout layout;
};

const TLayoutCase kLayouts[] = {
    {"4:2:0", {}},
    {"4:2:2", {2, 1}},
    {"4:4:0", {1, 2}},
    {"4:4:4", {1, 1}},
    {"grey", {1, 1, true}},
    {"progressive 4:2:0", {2, 2, false, true}},
    {"restart markers", {2, 2, false, false, 1}},
};

} // namespace

TEST(JpegPart, ThePixelsInViewAreThoseTheTargetShowsInTheVisibleArea)
{
    const struct {
        QSize picture;
        QRectF target, visible;
        int margin;
        QRect expected;
    } cases[] = {
        // Natural size, not scrolled; scrolled; with a margin for smoothing, cut at the sides.
        {{4000, 3000}, {0, 0, 4000, 3000}, {0, 0, 800, 600}, 0, {0, 0, 800, 600}},
        {{4000, 3000}, {-1000, -500, 4000, 3000}, {0, 0, 800, 600}, 0, {1000, 500, 800, 600}},
        {{4000, 3000}, {-1000, -500, 4000, 3000}, {0, 0, 800, 600}, 2, {998, 498, 804, 604}},
        {{4000, 3000}, {0, 0, 4000, 3000}, {0, 0, 800, 600}, 2, {0, 0, 802, 602}},
        // A picture smaller than the view: all of it.
        {{300, 200}, {250, 200, 300, 200}, {0, 0, 800, 600}, 2, {0, 0, 300, 200}},
        // Drawn at twice its size, fractions rounded outwards; at half its size.
        {{1000, 1000}, {-101, 0, 2000, 2000}, {0, 0, 400, 300}, 0, {50, 0, 201, 150}},
        {{1000, 1000}, {0, 0, 500, 500}, {100, 100, 50, 50}, 0, {200, 200, 100, 100}},
        // Out of view.
        {{1000, 1000}, {-2000, 0, 1000, 1000}, {0, 0, 400, 300}, 2, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.target.x() << "," << c.target.y() << " "
                                        << c.target.width() << "x" << c.target.height());
        EXPECT_EQ(PixelsInView(c.picture, c.target, c.visible, c.margin), c.expected);
    }
}

TEST(JpegPart, ThePartDecodedGrowsAroundTheViewUntilItIsBetterToDecodeAll)
{
    const QSize photo(4000, 3000);
    const struct {
        QRect needed, part;
    } cases[] = {
        {{0, 0, 802, 602}, {0, 0, 1203, 903}},            // half the view more, cut at the sides
        {{1000, 1000, 100, 100}, {936, 936, 228, 228}},   // 64 pixels at least
        {{3900, 2900, 100, 100}, {3836, 2836, 164, 164}}, // at the far corner
        {{0, 0, 3000, 2000}, {0, 0, 4000, 3000}},         // more than half: all of it
    };
    for (const auto &c : cases)
        EXPECT_EQ(PartToDecode(photo, c.needed), c.part) << c.needed.x() << "," << c.needed.y();
}

TEST(JpegPart, APartHoldsWhatIsWantedWithTheWholeDecodesPixelsForEveryLayoutAndScale)
{
    const QImage source = PhotoLikeImage(333, 257);
    const QRect wantedAtFullSize[] = {
        {0, 0, 50, 40}, {101, 77, 60, 50}, {250, 180, 83, 77}, {17, 200, 300, 57}, {40, 0, 1, 257}};
    for (const TLayoutCase &c : kLayouts) {
        const QByteArray bytes = EncodeJpeg(source, c.layout);
        for (const int denominator : {1, 2, 4}) {
            const QImage whole = DecodeJpeg(bytes, denominator);
            for (const QRect &full : wantedAtFullSize) {
                const QRect wanted(full.topLeft() / denominator,
                                   (full.bottomRight() / denominator));
                SCOPED_TRACE(testing::Message() << c.name << " 1/" << denominator << " at "
                                                << wanted.x() << "," << wanted.y());
                const TJpegPart part = DecodeJpegPart(bytes, denominator, wanted);
                EXPECT_TRUE(part.Rect().contains(wanted));
                EXPECT_EQ(DifferingPixels(part.Image, part.Origin, whole, wanted), 0);
                EXPECT_LE(part.Rect().bottom(), wanted.bottom()) << "rows below are not decoded";
            }
        }
    }
    const QByteArray cmyk = ReadFixture("cmyk.jpg"); // 48x32, Adobe's inverted CMYK
    const TJpegPart part = DecodeJpegPart(cmyk, 1, QRect(20, 17, 10, 10));
    EXPECT_EQ(DifferingPixels(part.Image, part.Origin, DecodeJpeg(cmyk, 1), {20, 17, 10, 10}), 0);
    EXPECT_TRUE(DecodeJpegPart(cmyk, 1, QRect()).Image.isNull());
}

namespace {

// A picture control as the picture pages have it: the picture drawn stretched over the control,
// clipped to the region being painted.
class TPictureView : public QWidget {
public:
    TImagePicture Picture;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        Picture.Draw(painter, QRectF(rect()));
    }
};

class JpegInScrollArea : public ::testing::Test {
protected:
    void SetUp() override
    {
        fBytes = EncodeJpeg(PhotoLikeImage(1500, 1100));
        fView = new TPictureView;
        fView->Picture.LoadFromData(fBytes, QStringLiteral("JPEG"));
        fView->resize(fView->Picture.NaturalSize());
        fArea.setFrameShape(QFrame::NoFrame);
        fArea.setWidget(fView);
        fArea.resize(400, 300);
        fArea.show();
        QApplication::processEvents();
    }

    // Scrolls to (x, y) and returns what the viewport shows on the screen now (scrolling moves
    // what was painted and paints only what came into view).
    QImage ScrollTo(int x, int y)
    {
        fArea.horizontalScrollBar()->setValue(x);
        fArea.verticalScrollBar()->setValue(y);
        QApplication::processEvents();
        const QPoint at = fArea.viewport()->mapTo(&fArea, QPoint());
        const QSize size = fArea.viewport()->size();
        return fArea.screen()
            ->grabWindow(fArea.winId(), at.x(), at.y(), size.width(), size.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QPoint Scrolled() const
    {
        return {fArea.horizontalScrollBar()->value(), fArea.verticalScrollBar()->value()};
    }

    // The whole picture, decoded at once and drawn as the view draws it, where the view shows.
    QImage Expected(const QImage &whole) const
    {
        QImage expected(fArea.viewport()->size(), QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(-Scrolled()), QSizeF(fView->size())), whole);
        return expected;
    }

    QByteArray fBytes;
    TPictureView *fView;
    QScrollArea fArea;
};

} // namespace

TEST_F(JpegInScrollArea, ScrollingShowsThePixelsOfTheWholeDecode)
{
    const QImage whole = DecodeJpeg(fBytes, 1);
    const QPoint positions[] = {{0, 0},     {3, 1}, {40, 25},     {600, 450}, {597, 460},
                                {900, 200}, {0, 0}, {2000, 2000}, {1090, 790}};
    for (const QPoint &position : positions) {
        const QImage shown = ScrollTo(position.x(), position.y());
        SCOPED_TRACE(testing::Message()
                     << "scrolled to " << Scrolled().x() << "," << Scrolled().y());
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(DifferingPixels(shown, QPoint(), Expected(whole), shown.rect()), 0);
    }
}

TEST_F(JpegInScrollArea, ZoomedAndFilledPicturesShowTheWholeDecodeScaled)
{
    fView->resize(1875, 1375); // zoomed in by 1.25
    const QImage whole = DecodeJpeg(fBytes, 1);
    for (const QPoint &position : {QPoint(0, 0), QPoint(700, 500), QPoint(703, 498)}) {
        const QImage shown = ScrollTo(position.x(), position.y());
        SCOPED_TRACE(testing::Message() << "zoomed, at " << position.x() << "," << position.y());
        EXPECT_EQ(DifferingPixels(shown, QPoint(), Expected(whole), shown.rect(), 2), 0);
    }
    fArea.setWidgetResizable(true); // filled: the picture stretched over the box, at 1/2 scale
    const QImage shown = ScrollTo(0, 0);
    EXPECT_EQ(fView->size(), fArea.viewport()->size());
    EXPECT_EQ(DifferingPixels(shown, QPoint(), Expected(DecodeJpeg(fBytes, 2)), shown.rect(), 2),
              0);
}

TEST_F(JpegInScrollArea, AFileCutShortShowsWhatDecodedWhereverItIsScrolled)
{
    const QByteArray cut = fBytes.left(fBytes.size() / 2);
    fView->Picture.LoadFromData(cut, QStringLiteral("JPEG"));
    fView->update();
    const QImage whole = DecodeJpeg(cut, 1); // the rows after the cut are filled in
    for (const QPoint &position : {QPoint(0, 0), QPoint(500, 800), QPoint(100, 350)}) {
        const QImage shown = ScrollTo(position.x(), position.y());
        SCOPED_TRACE(testing::Message() << "at " << position.x() << "," << position.y());
        EXPECT_EQ(DifferingPixels(shown, QPoint(), Expected(whole), shown.rect()), 0);
    }
}
