// The picture pages at work, offscreen:
//   - the next photo: a 12-megapixel JPEG stepped to on the photos page and painted at its
//     natural size (load, header, decode, the visible part drawn). Target: under 80 ms.
//   - the photo scan: ScanPictureFolder over 10,000 files in 500 folders, warm (the folders
//     already read once). Target: under 300 ms.
// Each figure is the median of several runs; the pictures and folders are made here.

#include "library/picturescan.h"
#include "views/contentpage.h"
#include "views/pictureactions.h"
#include "views/photospage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The photos page alone, always the active page.
class TBenchHost : public TPageHost {
public:
    const TExpandedSong *CurrentSong() const override { return nullptr; }
    bool IsActivePage(const QWidget *) const override { return true; }
    void ShowPage(QWidget *) override {}
    void GrowWindowForPicture(QSize, int) override {}
    void SetAlbumThumbnail(const QIcon &) override {}
};

// A 4000x3000 photo-like JPEG (smooth colour with some noise), different for each seed.
QString MakePhoto(const QString &folder, int seed)
{
    QImage small(80, 60, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            small.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), 128));
    const QImage photo = small.scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString file = folder + QStringLiteral("/photo%1.jpg").arg(seed);
    photo.save(file, "JPEG", 90);
    return file;
}

void NextPhoto(const QString &folder)
{
    QStringList photos;
    for (int i = 0; i <= kRuns; ++i)
        photos << MakePhoto(folder, i);
    int index = 0;
    QWidget window;
    TPictureActions actions(&window);
    TBenchHost host;
    TPhotosPage page(actions, photos, index, host);
    page.resize(800, 600);
    page.show();
    page.SongPicTSShow();
    page.grab();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        page.NextSongPicTBClick();
        const QImage shown = page.grab().toImage(); // what the page shows, painted now
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (shown.isNull() || page.StatusPanels[1]->text() != QLatin1String("4000x3000"))
            std::printf("the photo was not shown\n");
    }
    std::printf("next photo, 12 MP at natural size: %.1f ms (target < 80 ms)\n", Median(times));
}

void Scan(const QString &folder)
{
    const QString root = folder + "/scan";
    for (int a = 0; a < 25; ++a)
        for (int b = 0; b < 20; ++b) {
            const QString sub = QStringLiteral("%1/f%2/g%3/").arg(root).arg(a).arg(b);
            QDir().mkpath(sub);
            for (int f = 0; f < 20; ++f)
                QFile(sub + QStringLiteral("p%1.%2").arg(f).arg(f % 5 ? "jpg" : "txt"))
                    .open(QIODevice::WriteOnly);
        }
    QStringList photos;
    ScanPictureFolder(root, true, photos); // warms the folders
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        photos.clear();
        QElapsedTimer clock;
        clock.start();
        ScanPictureFolder(root, true, photos);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("photo scan, 10,000 files in 500 folders (%lld pictures), warm: %.1f ms "
                "(target < 300 ms)\n",
                static_cast<long long>(photos.size()), Median(times));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    NextPhoto(dir.path());
    Scan(dir.path());
    return 0;
}
