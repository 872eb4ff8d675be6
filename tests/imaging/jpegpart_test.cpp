// Only the part of a JPEG in view is decoded: a part's pixels against the whole decode for every
// layout and scale, and a photo in a scroll area that scrolls (also when cut short), zooms and
// fills, against the whole decode drawn the same way.
#include "imaging/jpegdecoder.h"
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

// Pixels of part (lying at origin of whole) in area that differ from whole's by more than
// tolerance; -1 when area is not inside both.
int DifferingPixels(const QImage &part, QPoint origin, const QImage &whole, const QRect &area,
                    int tolerance = 0)
{
    if (!QRect(origin, part.size()).contains(area) || !whole.rect().contains(area)) return -1;
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing += !Near(part.pixelColor(x - origin.x(), y - origin.y()),
                               whole.pixelColor(x, y), tolerance);
    return differing;
}

} // namespace

TEST(JpegPart, APartHoldsWhatIsWantedWithTheWholeDecodesPixelsForEveryLayoutAndScale)
{
    const std::pair<const char *, TJpegLayout> layouts[] = {{"4:2:0", {}},
                                                            {"4:2:2", {2, 1}},
                                                            {"4:4:0", {1, 2}},
                                                            {"4:4:4", {1, 1}},
                                                            {"grey", {1, 1, true}},
                                                            {"progressive", {2, 2, false, true}},
                                                            {"restarts", {2, 2, false, false, 1}}};
    const QRect wantedAtFullSize[] = {
        {0, 0, 50, 40}, {101, 77, 60, 50}, {250, 180, 83, 77}, {17, 200, 300, 57}, {40, 0, 1, 257}};
    for (const auto &[name, layout] : layouts) {
        const QByteArray bytes = EncodeJpeg(PhotoLikeImage(333, 257), layout);
        for (const int denominator : {1, 2, 4}) {
            const QImage whole = DecodeJpeg(bytes, denominator);
            for (const QRect &full : wantedAtFullSize) {
                const QRect wanted(full.topLeft() / denominator, full.bottomRight() / denominator);
                SCOPED_TRACE(testing::Message() << name << " 1/" << denominator << " at "
                                                << wanted.x() << "," << wanted.y());
                const TJpegPart part = DecodeJpegPart(bytes, denominator, wanted);
                EXPECT_EQ(DifferingPixels(part.Image, part.Origin, whole, wanted), 0);
                EXPECT_EQ(part.Rect().bottom(), wanted.bottom()) << "no row below is decoded";
            }
        }
    }
    const QByteArray cmyk = ReadFixture("cmyk.jpg"); // 48x32, Adobe's inverted CMYK
    const TJpegPart part = DecodeJpegPart(cmyk, 1, QRect(20, 17, 10, 10));
    EXPECT_EQ(DifferingPixels(part.Image, part.Origin, DecodeJpeg(cmyk, 1), {20, 17, 10, 10}), 0);
    EXPECT_TRUE(DecodeJpegPart(cmyk, 1, QRect()).Image.isNull());
}

namespace {

// A picture control as the picture pages have it: the picture stretched over the control,
// painted within the region being painted.
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
        fView->Picture.LoadFromData(fBytes, QStringLiteral("JPEG"));
        fView->resize(1500, 1100);
        fArea.setFrameShape(QFrame::NoFrame);
        fArea.setWidget(fView);
        fArea.resize(400, 300);
        fArea.show();
    }

    // Scrolls to at and returns the number of pixels the screen shows in the viewport (scrolling
    // moves what was painted and paints only what came into view) that differ by more than
    // tolerance from whole drawn as the view draws it.
    int DifferingAt(QPoint at, const QImage &whole, int tolerance = 0)
    {
        fArea.horizontalScrollBar()->setValue(at.x());
        fArea.verticalScrollBar()->setValue(at.y());
        QApplication::processEvents();
        const QRect viewport(fArea.viewport()->mapTo(&fArea, QPoint()), fArea.viewport()->size());
        const QImage shown = fArea.screen()
                                 ->grabWindow(fArea.winId(), viewport.x(), viewport.y(),
                                              viewport.width(), viewport.height())
                                 .toImage();
        QImage expected(viewport.size(), QImage::Format_RGB32);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPoint scrolled(fArea.horizontalScrollBar()->value(),
                              fArea.verticalScrollBar()->value());
        painter.drawImage(QRectF(-scrolled, QSizeF(fView->size())), whole);
        return DifferingPixels(shown, {}, expected, expected.rect(), tolerance);
    }

    QByteArray fBytes = EncodeJpeg(PhotoLikeImage(1500, 1100));
    TPictureView *fView = new TPictureView;
    QScrollArea fArea;
};

} // namespace

TEST_F(JpegInScrollArea, ScrollingShowsThePixelsOfTheWholeDecodeEvenOfAFileCutShort)
{
    for (const QByteArray &bytes : {fBytes, fBytes.left(fBytes.size() / 2)}) {
        fView->Picture.LoadFromData(bytes, QStringLiteral("JPEG"));
        fView->update();
        const QImage whole = DecodeJpeg(bytes, 1); // a cut file's missing rows filled in
        for (const QPoint at : {QPoint(0, 0), QPoint(3, 1), QPoint(40, 25), QPoint(600, 450),
                                QPoint(597, 460), QPoint(900, 200), QPoint(2000, 2000)})
            EXPECT_EQ(DifferingAt(at, whole), 0)
                << bytes.size() << " bytes at " << at.x() << "," << at.y();
    }
}

TEST_F(JpegInScrollArea, ZoomedAndFilledPicturesShowTheWholeDecodeScaled)
{
    fView->resize(1875, 1375); // zoomed in by 1.25
    for (const QPoint at : {QPoint(0, 0), QPoint(700, 500), QPoint(703, 498)})
        EXPECT_EQ(DifferingAt(at, DecodeJpeg(fBytes, 1), 2), 0) << at.x() << "," << at.y();
    fArea.setWidgetResizable(true); // filled: stretched over the box, decoded at half size
    EXPECT_EQ(DifferingAt({}, DecodeJpeg(fBytes, 2), 2), 0);
}
