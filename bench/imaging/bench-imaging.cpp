// Figures for JPEG decoding in the picture component, as CPU time (the machine may be shared):
// - the 16x16 tree thumbnail of a 3000x3000 cover of about 1 MB (load, header, DCT-scaled decode
//   and scaling) against `djpeg -scale 1/8` on the same file, run side by side, and against
//   decoding the cover whole;
// - decoding a 12-megapixel photo whole at natural size (the next-photo step decodes only the part
//   in view; bench-picturepages times that step against its target).
// The pictures are made here from blurred noise with ImageMagick.

#include "imaging/jpegdecoder.h"
#include "imaging/picture.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

double ProcessCpuMs()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// CPU time of one run of a program, its start-up included.
double ChildCpuMs(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
           usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
}

double OwnCpuMs(const std::function<void()> &work)
{
    const double start = ProcessCpuMs();
    work();
    return ProcessCpuMs() - start;
}

bool MakeNoiseJpeg(const QString &path, const char *size)
{
    const std::string command =
        "convert -size 1000x1000 xc: +noise Random -virtual-pixel tile -blur 0x6 -auto-level "
        "-resize '" +
        std::string(size) + "!' -quality 90 '" + path.toStdString() + "'";
    return std::system(command.c_str()) == 0;
}

void Report(const char *what, double value, const char *unit)
{
    std::printf("%-58s %9.2f %s\n", what, value, unit);
}

void Report(const char *what, double value, const char *unit, const char *target, bool met)
{
    std::printf("%-58s %9.2f %-3s target %s: %s\n", what, value, unit, target,
                met ? "met" : "MISSED");
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString cover = dir.filePath(QStringLiteral("cover.jpg"));
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    if (!MakeNoiseJpeg(cover, "3000x3000") || !MakeNoiseJpeg(photo, "4000x3000")) {
        std::fprintf(stderr, "bench-imaging: ImageMagick's convert failed\n");
        return 1;
    }
    std::printf("cover: 3000x3000, %lld bytes\n", static_cast<long long>(QFile(cover).size()));

    constexpr int kRuns = 15;
    std::vector<double> thumbnail, djpeg, whole, photoDecode;
    QFile file(photo);
    file.open(QIODevice::ReadOnly);
    const QByteArray photoBytes = file.readAll();
    for (int i = 0; i < kRuns; ++i) {
        thumbnail.push_back(OwnCpuMs([&] {
            TImagePicture picture;
            picture.Load(cover);
            picture.ToImage(QSize(16, 16));
        }));
        djpeg.push_back(
            ChildCpuMs({"djpeg", "-scale", "1/8", "-outfile", "/dev/null", cover.toStdString()}));
        whole.push_back(OwnCpuMs([&] {
            TImagePicture picture;
            picture.Load(cover);
            picture.ToImage();
        }));
        photoDecode.push_back(OwnCpuMs([&] { DecodeJpeg(photoBytes, 1); }));
    }
    if (*std::min_element(djpeg.begin(), djpeg.end()) < 0) {
        std::fprintf(stderr, "bench-imaging: djpeg failed (package libjpeg-turbo-progs)\n");
        return 1;
    }
    const double ours = Median(thumbnail), theirs = Median(djpeg), full = Median(whole);
    Report("16x16 thumbnail of the cover (load, 1/8 decode, scale)", ours, "ms");
    Report("djpeg -scale 1/8 of the cover (process CPU)", theirs, "ms");
    Report("whole decode of the cover", full, "ms");
    Report("thumbnail / djpeg -scale 1/8", ours / theirs, "x", "<= 1.3", ours <= 1.3 * theirs);
    Report("whole decode of the cover / thumbnail", full / ours, "x", ">= 2", full >= 2 * ours);
    const double decode = Median(photoDecode);
    Report("whole decode of a 12-megapixel photo at natural size", decode, "ms");
    return 0;
}
