// Figures for the media player, offscreen, with sound going to a PulseAudio null sink: the time
// to open a 640x480 clip until its first picture is decoded (so the clips page can read the
// natural size at once), and the CPU used while a 640x480 MPEG-1 clip plays in real time,
// beside gst-play-1.0 playing the same file into a fake video sink. The clips are made here.

#include "pulsesink.h"
#include "views/mediaplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kPlaySeconds = 10;

bool MakeClip(const QString &file, const char *codec, int seconds)
{
    const QString command =
        QStringLiteral("ffmpeg -v fatal -y -f lavfi -i testsrc=size=640x480:rate=25:duration=%1 "
                       "-f lavfi -i sine=frequency=440:duration=%1 %2 '%3'")
            .arg(seconds)
            .arg(QString::fromLatin1(codec), file);
    return std::system(command.toLocal8Bit().constData()) == 0;
}

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Opens the clip again and again; the first open also starts GStreamer.
void OpenTimes(TMediaPlayer &player, const QString &file, const char *label)
{
    std::vector<qint64> times;
    for (int i = 0; i < 11; ++i) {
        QElapsedTimer clock;
        clock.start();
        player.FileName = file;
        player.Wait = true;
        player.Open();
        times.push_back(clock.elapsed());
        if (player.Error() != 0 || player.DisplayRect().Width() != 640)
            std::printf("  open failed: %s\n", qPrintable(player.ErrorMessage()));
        player.Close();
    }
    const qint64 first = times.front();
    times.erase(times.begin());
    std::sort(times.begin(), times.end());
    std::printf("open 640x480 %s to its first picture: first %lld ms, median %lld ms, "
                "max %lld ms (target: under 300 ms)\n",
                label, static_cast<long long>(first), static_cast<long long>(times[5]),
                static_cast<long long>(times.back()));
}

double OurPlayCpu(TMediaPlayer &player, const QString &file)
{
    player.FileName = file;
    player.Wait = true;
    player.Open();
    const double before = CpuSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    player.Play();
    while (player.Mode() == TMPModes::mpPlaying && clock.elapsed() < (kPlaySeconds + 5) * 1000)
        Spin(100);
    const double cpu = CpuSeconds(RUSAGE_SELF) - before;
    player.Close();
    return 100 * cpu / (double(clock.elapsed()) / 1000);
}

double GstPlayCpu(const QString &file)
{
    const double before = CpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer clock;
    clock.start();
    const QString command =
        QStringLiteral("gst-play-1.0 -q --no-interactive --videosink='fakesink sync=true' "
                       "'%1' > /dev/null 2>&1")
            .arg(file);
    if (std::system(command.toLocal8Bit().constData()) != 0) return -1;
    return 100 * (CpuSeconds(RUSAGE_CHILDREN) - before) / (double(clock.elapsed()) / 1000);
}

} // namespace

int main(int argc, char **argv)
{
    PulseSink sink(BENCH_RUNTIME);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString mpeg = dir.filePath(QStringLiteral("clip.mpg"));
    const QString avi = dir.filePath(QStringLiteral("clip.avi"));
    if (!MakeClip(mpeg, "-c:v mpeg1video -b:v 1500k -c:a mp2 -f mpeg", kPlaySeconds) ||
        !MakeClip(avi, "-c:v mjpeg -q:v 5 -c:a pcm_s16le", 2)) {
        std::printf("ffmpeg could not make the clips\n");
        return 1;
    }
    std::printf("sound: %s\n", sink.running() ? "PulseAudio null sink" : "none");
    QWidget display;
    display.resize(800, 600);
    display.show();
    TMediaPlayer player;
    player.SetDisplay(&display);
    OpenTimes(player, mpeg, "MPEG-1");
    OpenTimes(player, avi, "MJPEG AVI");
    const double ours = OurPlayCpu(player, mpeg);
    const double gst = GstPlayCpu(mpeg);
    std::printf("CPU while a 640x480 MPEG-1 clip plays (%d s, offscreen): %.1f%% of one core; "
                "gst-play-1.0 into a fake video sink: %.1f%% (target: report, near gst-play)\n",
                kPlaySeconds, ours, gst);
    return 0;
}
