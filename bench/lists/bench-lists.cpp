// The own list at scale: a generated list of 100,000 songs read by `lorvanta-list dump --summary`
// as a separate process (wall time and peak resident memory, best of several runs), and read,
// flattened and written back in this process through the core (each step timed on its own).
// Targets: dump --summary under 250 ms, read under 300 ms, write under 300 ms, under 100 MB resident.

#include "biglist.h"
#include "library/expandedsong.h"
#include "library/playlistfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr int kRuns = 5;

double Ms(const timeval &t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

struct ChildRun {
    double ms = 0;
    double cpuMs = 0; // user and system time
    long maxRssKb = 0;
    bool ok = false;
};

// Runs the program with args, standard output into outFile; times it and reads its peak memory.
ChildRun RunChild(const std::vector<std::string> &args, const std::string &outFile)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    ChildRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.ms = double(timer.nsecsElapsed()) / 1e6;
        run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
        run.maxRssKb = usage.ru_maxrss;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// The peak resident memory of this process, in kB (VmHWM).
long OwnPeakKb()
{
    const QByteArray status = ReadAll(QStringLiteral("/proc/self/status"));
    for (const QByteArray &line : status.split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

bool BenchChild(const QString &list, const QString &dir)
{
    const std::string out = (dir + QStringLiteral("/summary.json")).toStdString();
    double best = 1e9, bestCpu = 1e9;
    long peak = 0;
    for (int i = 0; i < kRuns; ++i) {
        const ChildRun run = RunChild({LORVANTA_LIST_BIN, "dump", "--summary", list.toStdString()}, out);
        if (!run.ok) {
            std::printf("lists: lorvanta-list dump --summary failed\n");
            return false;
        }
        best = std::min(best, run.ms);
        bestCpu = std::min(bestCpu, run.cpuMs);
        peak = std::max(peak, run.maxRssKb);
    }
    const QByteArray summary = ReadAll(QString::fromStdString(out));
    std::printf("lists: lorvanta-list dump --summary: best %.0f ms wall (%.0f ms CPU) of %d runs "
                "(target < 250 ms), peak resident %.1f MB (target < 100 MB)\n",
                best, bestCpu, kRuns, double(peak) / 1024);
    std::printf("lists: summary %s\n", summary.constData());
    return summary == R"({"artists":1000,"albums":10000,"songs":100000})";
}

void BenchInProcess(const QString &list, const QString &dir)
{
    const QString copy = dir + QStringLiteral("/copy.pl");
    double read = 1e9, flatten = 1e9, write = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        TArtistColl artists;
        TDiscPaths paths;
        TExpandedSongColl playList;
        QElapsedTimer timer;
        timer.start();
        LoadPlaylist(list, artists, paths);
        read = std::min(read, double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        FlattenLibrary(artists, playList, nullptr, {});
        flatten = std::min(flatten, double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        SavePlaylist(copy, artists, paths);
        write = std::min(write, double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("lists: in process, best of %d: read %.0f ms, flatten %.0f ms, write %.0f ms "
                "(targets: read < 300 ms, write < 300 ms); written %.1f MB; peak resident %.1f MB\n",
                kRuns, read, flatten, write, double(QFileInfo(copy).size()) / 1e6,
                double(OwnPeakKb()) / 1024);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("big.pl"));
    if (!dir.isValid() || !WriteBigList(list.toStdString())) {
        std::printf("lists: cannot write the generated list\n");
        return 1;
    }
    std::printf("lists: generated list of 100000 songs, %.1f MB\n",
                double(QFileInfo(list).size()) / 1e6);
    const bool ok = BenchChild(list, dir.path());
    BenchInProcess(list, dir.path());
    return ok ? 0 : 1;
}
