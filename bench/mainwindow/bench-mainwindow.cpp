// The main window at work, offscreen:
//   - Open of a generated 100,000-song own list until its tree is shown (best of several runs),
//     and the resident memory with that list loaded, in all and per song. Targets: under 1.5 s,
//     under 250 MB, under 1.0 KB a song.
//   - Start-up on the demo disc until its first song is current and playing, through the real
//     decoder library with SDL's silent audio driver. Target: under 400 ms.
//   - Edit on that 100,000-song list: the editor opened (the library copied, its tree filled and
//     shown), and the resident memory then; OK back into the main window (the library copied
//     back, rebuilt and shown, the editor gone). Targets: under 700 ms, under 300 MB, under 1 s.
// Usage: bench-mainwindow [open|startup|editor] [DEMO_FOLDER]; each measurement runs in a process
// of its own, so that one does not weigh on the other's memory.

#include "app/mainf.h"
#include "biglist.h"
#include "platform/prompt.h"
#include "playback/mpegplayer.h"
#include "transport/playcontrol.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kOpenRuns = 3;
constexpr int kStartRuns = 5;
constexpr int kEditRuns = 3;

// Answers the open dialog with one file and a modal dialog through OnModal; nothing else is
// expected to ask.
class TOpenFilePrompt : public TPrompt {
public:
    explicit TOpenFilePrompt(QString file) : fFile(std::move(file)) {}
    std::optional<TFileChoice> OpenFile(QWidget *, const QString &, int, bool) override
    {
        return TFileChoice{fFile, 4};
    }
    std::optional<QStringList> OpenFiles(QWidget *, const TOpenRequest &) override
    {
        return std::nullopt;
    }
    std::optional<TFileChoice> SaveFile(QWidget *, const QString &, int, bool) override
    {
        return std::nullopt;
    }
    TAnswer Message(QWidget *, TKind, const QString &text, TButtons) override
    {
        std::printf("unexpected message: %s\n", qPrintable(text));
        return TAnswer::Cancel;
    }
    std::optional<QString> Input(QWidget *, const QString &, const QString &,
                                 const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> ChooseFolder(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    int ShowModal(QWidget *dialog) override { return OnModal ? OnModal(dialog) : 0; }

    std::function<int(QWidget *)> OnModal;

private:
    QString fFile;
};

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A window whose program folder holds no list: it starts empty.
TMainFOptions EmptyStart(const QTemporaryDir &dir)
{
    TMainFOptions options;
    QDir().mkpath(dir.filePath(QStringLiteral("program")));
    options.ProgramFile = dir.filePath(QStringLiteral("program/lorvanta"));
    options.SettingsFile = dir.filePath(QStringLiteral("lorvanta.reg"));
    options.DecoderFolder = QCoreApplication::applicationDirPath();
    options.RunFromCD = false;
    return options;
}

bool BenchOpen(const QTemporaryDir &dir)
{
    const QString list = dir.filePath(QStringLiteral("big.pl"));
    if (!WriteBigList(list.toStdString())) {
        std::printf("cannot write %s\n", qPrintable(list));
        return false;
    }
    std::printf("  resident before any window: %ld MB\n", ResidentKb() / 1024);
    TOpenFilePrompt prompt(list);
    TPrompt *previous = SetPrompt(&prompt);
    std::vector<double> ms;
    long loadedKb = 0;
    long firstEmptyKb = 0;
    int songs = 0;
    for (int run = 0; run < kOpenRuns; ++run) {
        TMainF window(EmptyStart(dir));
        window.show();
        QCoreApplication::processEvents();
        const long emptyKb = ResidentKb();
        if (run == 0)
            firstEmptyKb = emptyKb;
        QElapsedTimer timer;
        timer.start();
        window.OpenMIClick();
        QCoreApplication::processEvents(); // lays out and paints the tree
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        loadedKb = ResidentKb();
        songs = window.ExpandedSongs.Count();
        std::printf("  run %d: %.0f ms, resident %ld MB (empty window %ld MB)\n", run + 1,
                    ms.back(), loadedKb / 1024, emptyKb / 1024);
    }
    SetPrompt(previous);
    std::printf("open 100k list (%d songs): best %.0f ms, median %.0f ms (target < 1500 ms)\n",
                songs, *std::min_element(ms.begin(), ms.end()), Median(ms));
    std::printf("resident with the list loaded: %ld MB (target < 250 MB)\n", loadedKb / 1024);
    // The first window's empty state is the baseline: later ones reuse what the first freed.
    std::printf("resident per song with the tree shown: %.2f KB (target < 1.0 KB)\n",
                songs > 0 ? double(loadedKb - firstEmptyKb) / songs : 0.0);
    return true;
}

bool CopyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + '/' + entry.fileName();
        const bool copied = entry.isDir() ? CopyFolder(entry.filePath(), target)
                                          : QFile::copy(entry.filePath(), target);
        if (!copied) {
            std::printf("cannot copy %s\n", qPrintable(entry.filePath()));
            return false;
        }
    }
    return true;
}

// The program placed on the disc: the start-up finds Demo.pl next to it ("Demo" as disc id).
bool BenchStartUp(const QTemporaryDir &dir, const QString &demo)
{
    const QString disc = dir.filePath(QStringLiteral("disc"));
    if (!QFile::exists(demo + QStringLiteral("/Demo.pl")) || !CopyFolder(demo, disc)) {
        std::printf("cannot copy the demo disc from %s\n", qPrintable(demo));
        return false;
    }
    std::vector<double> ms;
    for (int run = 0; run < kStartRuns; ++run) {
        TMainFOptions options = EmptyStart(dir);
        options.ProgramFile = disc + QStringLiteral("/lorvanta");
        QElapsedTimer timer;
        timer.start();
        TMainF window(options);
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        const bool playing = window.CurrentSong() && window.MP3Player().PlayerMode() == 3;
        window.show();
        QCoreApplication::processEvents();
        const double shown = double(timer.nsecsElapsed()) / 1e6;
        std::printf("  run %d: %.1f ms, window shown at %.1f ms%s\n", run + 1, elapsed, shown,
                    playing ? "" : " (the first song does NOT play)");
        ms.push_back(elapsed);
    }
    std::printf("start-up on the demo disc until the first song plays: best %.1f ms, median "
                "%.1f ms (target < 400 ms)\n",
                *std::min_element(ms.begin(), ms.end()), Median(ms));
    return true;
}

double Milliseconds(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

bool BenchEditor(const QTemporaryDir &dir)
{
    const QString list = dir.filePath(QStringLiteral("big.pl"));
    if (!WriteBigList(list.toStdString())) {
        std::printf("cannot write %s\n", qPrintable(list));
        return false;
    }
    TOpenFilePrompt prompt(list);
    TPrompt *previous = SetPrompt(&prompt);
    TMainF window(EmptyStart(dir));
    window.show();
    QCoreApplication::processEvents();
    window.OpenMIClick();
    QCoreApplication::processEvents();
    std::printf("  resident with the list loaded: %ld MB\n", ResidentKb() / 1024);
    std::vector<double> opened, back;
    long openKb = 0;
    for (int run = 0; run < kEditRuns; ++run) {
        QElapsedTimer timer;
        double accepted = 0;
        prompt.OnModal = [&](QWidget *editor) {
            editor->show();
            QCoreApplication::processEvents(); // lays out and paints its tree
            opened.push_back(Milliseconds(timer));
            openKb = std::max(openKb, ResidentKb());
            accepted = Milliseconds(timer);
            return 1; // OK
        };
        timer.start();
        window.EditMIClick();
        QCoreApplication::processEvents(); // the main window's tree shown again
        back.push_back(Milliseconds(timer) - accepted);
        std::printf("  run %d: editor open %.0f ms, OK back %.0f ms, %d songs\n", run + 1,
                    opened.back(), back.back(), window.ExpandedSongs.Count());
    }
    SetPrompt(previous);
    std::printf("open the editor on the 100k list: best %.0f ms, median %.0f ms (target < 700 ms)\n",
                *std::min_element(opened.begin(), opened.end()), Median(opened));
    std::printf("resident with the editor open: %ld MB (target < 300 MB)\n", openKb / 1024);
    std::printf("OK back into the main window: best %.0f ms, median %.0f ms (target < 1000 ms)\n",
                *std::min_element(back.begin(), back.end()), Median(back));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString demo = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(LORVANTA_DEMO);
    QTemporaryDir dir;
    if (what == QStringLiteral("open"))
        return BenchOpen(dir) ? 0 : 1;
    if (what == QStringLiteral("startup"))
        return BenchStartUp(dir, demo) ? 0 : 1;
    if (what == QStringLiteral("editor"))
        return BenchEditor(dir) ? 0 : 1;
    // All three, each in a fresh process.
    const QString self = QCoreApplication::applicationFilePath();
    const int open = QProcess::execute(self, {QStringLiteral("open")});
    const int startUp = QProcess::execute(self, {QStringLiteral("startup"), demo});
    const int editor = QProcess::execute(self, {QStringLiteral("editor")});
    return open == 0 && startUp == 0 && editor == 0 ? 0 : 1;
}
