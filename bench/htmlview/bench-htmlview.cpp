// The HTML view at work, offscreen: a page of three frames (a banner, a menu and the main text)
// holding ten pictures (JPEG, PNG, GIF and BMP, without width= or height=, so that laying the
// pages out needs every picture decoded), loaded until every frame is laid out: into a new
// viewer, and as the start page of the main window's HTML page (its home command, the page's
// status panels following). Target: under 100 ms for the first run and the median of each.
// Usage: bench-htmlview

#include "htmlview/docview.h"
#include "htmlview/frameviewer.h"
#include "views/htmlpage.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 10;
constexpr double kTargetMs = 100;

struct TPicture {
    const char *Name;
    QSize Size;
};

// Where each picture appears: the banner holds the first, the menu the next three, the main
// text the other six.
constexpr TPicture kPictures[] = {
    {"logo.gif", {200, 60}},   {"m1.png", {160, 120}},    {"m2.bmp", {160, 120}},
    {"m3.gif", {160, 120}},    {"stage.jpg", {800, 600}}, {"hall.jpg", {800, 600}},
    {"cover.jpg", {600, 600}}, {"band.jpg", {640, 480}},  {"ticket.png", {400, 300}},
    {"map.bmp", {320, 240}},
};

// GIFs come from the folder beside this file (Qt writes none); the others are drawn here.
bool WritePicture(const QString &path, QSize size)
{
    if (path.endsWith(".gif")) {
        const QString made = QString(LORVANTA_BENCH_PICTURES "/") + QFileInfo(path).fileName();
        return QFile::copy(made, path) && QImage(path).size() == size;
    }
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    for (int x = 0; x < size.width(); x += 17)
        painter.drawLine(x, 0, size.width() - x, size.height());
    painter.end();
    return image.save(path);
}

bool WriteFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QString PicturesPage(const char *title, int first, int last)
{
    QString html = QString("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>"
                           "<h2>%1</h2>")
                       .arg(title);
    for (int i = first; i <= last; ++i)
        html += QString("<p><a href=\"main.htm\" target=\"main\">Раздел %1</a></p>"
                        "<p><img src=\"pics/%2\"></p><p>%3</p>")
                    .arg(i)
                    .arg(kPictures[i].Name)
                    .arg(QString("Текст о песнях и концертах. ").repeated(20));
    return html + "</body></html>";
}

bool WriteSite(const QString &folder)
{
    QDir(folder).mkpath("pics");
    for (const TPicture &picture : kPictures)
        if (!WritePicture(folder + "/pics/" + picture.Name, picture.Size)) return false;
    return WriteFile(folder + "/index.htm",
                     "<frameset rows=\"100,*\"><frame name=\"banner\" src=\"banner.htm\" noresize>"
                     "<frameset cols=\"25%,*\"><frame name=\"menu\" src=\"menu.htm\">"
                     "<frame name=\"main\" src=\"main.htm\"></frameset></frameset>") &&
           WriteFile(folder + "/banner.htm", PicturesPage("Лорванта", 0, 0)) &&
           WriteFile(folder + "/menu.htm", PicturesPage("Разделы", 1, 3)) &&
           WriteFile(folder + "/main.htm", PicturesPage("Северный ветер", 4, 9));
}

int PictureHeight(const QString &name)
{
    for (const TPicture &picture : kPictures)
        if (name.endsWith(QString("/") + picture.Name)) return picture.Size.height();
    return 0;
}

// Lays out every frame's document to its end. Returns how many pictures the frames hold, each
// counted only when its frame's layout is at least as tall as its pictures: a picture that was
// not decoded has no height.
int LayOutFrames(const TFrameViewer &viewer, int *framesLaidOut)
{
    int pictures = 0;
    *framesLaidOut = 0;
    for (TDocView *view : viewer.findChildren<TDocView *>()) {
        const QSizeF size = view->document()->documentLayout()->documentSize();
        *framesLaidOut += view->width() > 0 && view->height() > 0 && size.height() > 0 ? 1 : 0;
        int count = 0;
        int height = 0;
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                if (image.isValid()) {
                    ++count;
                    height += PictureHeight(image.name());
                }
            }
        pictures += size.height() >= height ? count : 0;
    }
    return pictures;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs show (which loads the site into a new viewer or page) kRuns times and prints each run;
// empty when a run did not show all three frames and ten pictures.
template <class TShow> std::vector<double> TimeRuns(const TShow &show)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        int frames = 0;
        int pictures = 0;
        times.push_back(show(frames, pictures));
        std::printf("  run %d: %.1f ms, %d of 3 frames laid out, %d of 10 pictures\n", run + 1,
                    times.back(), frames, pictures);
        if (frames != 3 || pictures != 10) return {};
    }
    return times;
}

// Loads through load, then lays every frame of viewer out; the milliseconds it took.
template <class TLoad>
double TimeShown(TFrameViewer &viewer, const TLoad &load, int &frames, int &pictures)
{
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    load();
    pictures = LayOutFrames(viewer, &frames);
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir site;
    if (!WriteSite(site.path())) {
        std::printf("cannot write the pages in %s\n", qPrintable(site.path()));
        return 1;
    }
    const QString index = site.filePath("index.htm");
    std::printf("in a viewer:\n");
    const std::vector<double> viewer = TimeRuns([&](int &frames, int &pictures) {
        TFrameViewer shown;
        shown.resize(1024, 768);
        shown.show();
        return TimeShown(shown, [&] { shown.LoadFromFile(index); }, frames, pictures);
    });
    if (viewer.empty()) return 1;
    std::printf("on the main window's HTML page (its home command):\n");
    QAction back, forward, home, browser;
    const std::vector<double> page = TimeRuns([&](int &frames, int &pictures) {
        THtmlPage shown(index, {&back, &forward, &home, &browser});
        shown.resize(1024, 768);
        shown.show();
        return TimeShown(*shown.fbHTML, [&] { shown.btnHTMLHomeClick(); }, frames, pictures);
    });
    if (page.empty()) return 1;
    std::printf("three frames with ten pictures, shown in a viewer: first %.1f ms, median %.1f ms "
                "(target < %.0f ms)\n",
                viewer.front(), Median(viewer), kTargetMs);
    std::printf("three frames with ten pictures, shown on the HTML page: first %.1f ms, "
                "median %.1f ms (target < %.0f ms)\n",
                page.front(), Median(page), kTargetMs);
    return 0;
}
