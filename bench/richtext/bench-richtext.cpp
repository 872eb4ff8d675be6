// The RTF reader at the size of the longest song texts: a generated 1 MB RTF document the way
// WordPad and Word write Russian text (verses of \'hh letters, bold centred titles, coloured
// italic choruses, words as \u with stand-ins, spacing and indents), read into a QTextDocument and
// laid out at a page's width (target: both under 150 ms), shown on the main window's song text
// page from its file as the song becomes current, until the page is painted (target: under
// 150 ms), its plain text in process, and `lorvanta-list text` on it as a separate program
// (target: under 60 ms). Best of several runs; the machine is shared, so in-process figures give
// the CPU time of this thread beside the wall time.

#include "library/expandedsong.h"
#include "richtext/richtext.h"
#include "views/songtextpage.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kRuns = 7;
constexpr int kPageWidth = 600;
constexpr qsizetype kDocumentSize = 1024 * 1024;

const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}"
    "{\\f1\\froman\\fcharset204 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\sa120\\sl276\\slmult1\\f0\\fs22\r\n";

// A Cyrillic word of random letters, as \'hh escapes or, for every fifth word, as Word's \u.
QByteArray Word(QRandomGenerator &random)
{
    QByteArray word;
    const int length = random.bounded(2, 10);
    const bool unicode = random.bounded(5) == 0;
    for (int i = 0; i < length; ++i) {
        const int letter = random.bounded(32);
        if (unicode)
            word += "\\u" + QByteArray::number(0x430 + letter) + "?";
        else
            word += "\\'" + QByteArray::number(0xE0 + letter, 16);
    }
    return word;
}

QByteArray Line(QRandomGenerator &random)
{
    QByteArray line;
    const int words = random.bounded(3, 9);
    for (int i = 0; i < words; ++i)
        line += (i ? " " : "") + Word(random);
    return line;
}

QByteArray SongText()
{
    QRandomGenerator random(1251);
    QByteArray rtf = kHeader;
    while (rtf.size() < kDocumentSize) {
        rtf += "\\pard\\qc\\sb240\\sa120{\\b\\f1\\fs28 " + Line(random) + "\\par}\r\n\\pard\\sa120 ";
        for (int verse = 0; verse < 3; ++verse) {
            for (int i = 0; i < 4; ++i)
                rtf += Line(random) + "\\line\r\n";
            rtf += "\\par\r\n{\\li720\\i\\cf" + QByteArray::number(1 + verse % 2) + " " +
                   Line(random) + "\\line " + Line(random) + "\\par}\r\n";
        }
    }
    return rtf + "}\r\n";
}

double Ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall and CPU time of one step, each the best of the runs.
struct TTime {
    double wall = 1e9;
    double cpu = 1e9;

    void Take(double wallMs, double cpuMs)
    {
        wall = std::min(wall, wallMs);
        cpu = std::min(cpu, cpuMs);
    }
};

struct TDocumentTimes {
    TTime read;
    TTime layout;
    TTime total;
    int blocks = 0;
    int pages = 0;
};

TDocumentTimes TimeDocument(const QByteArray &rtf)
{
    TDocumentTimes times;
    for (int i = 0; i < kRuns; ++i) {
        QTextDocument document;
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = ThreadCpuMs();
        ReadTextDocument(rtf, document);
        const double read = Ms(timer);
        const double readCpu = ThreadCpuMs() - cpuStart;
        document.setTextWidth(kPageWidth);
        document.documentLayout()->documentSize();
        const double total = Ms(timer);
        const double totalCpu = ThreadCpuMs() - cpuStart;
        times.read.Take(read, readCpu);
        times.layout.Take(total - read, totalCpu - readCpu);
        times.total.Take(total, totalCpu);
        times.blocks = document.blockCount();
        times.pages = int(document.documentLayout()->documentSize().height() / 800);
    }
    return times;
}

// The song text page alone, always the active page, with one song current.
class TSongHost : public TPageHost {
public:
    explicit TSongHost(const TExpandedSong &song) : fSong(song) {}
    const TExpandedSong *CurrentSong() const override { return &fSong; }
    bool IsActivePage(const QWidget *) const override { return true; }
    void ShowPage(QWidget *) override {}
    void GrowWindowForPicture(QSize, int) override {}
    void SetAlbumThumbnail(const QIcon &) override {}

private:
    const TExpandedSong &fSong;
};

// The song whose text is file becomes current on the shown page, until the page is painted. A
// new page each run: a page never loads the file it shows again. A negative time: nothing shown.
TTime TimeSongTextPage(const QString &file)
{
    TArtistColl artists;
    artists.Add().Albums.Add().Songs.Add().Text = file;
    TExpandedSongColl songs;
    FlattenLibrary(artists, songs, nullptr, [](int, int, int) { return nullptr; });
    TSongHost host(songs[0]);
    TTime best;
    for (int i = 0; i < kRuns; ++i) {
        TSongTextPage page(host);
        page.resize(kPageWidth, 450);
        page.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = ThreadCpuMs();
        page.SongChanged(songs[0]);
        const QImage shown = page.grab().toImage();
        best.Take(Ms(timer), ThreadCpuMs() - cpuStart);
        if (shown.isNull() || page.SongTextRE->document()->isEmpty())
            return {-1, -1};
    }
    return best;
}

TTime TimePlainText(const QByteArray &rtf, qsizetype &characters)
{
    TTime best;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = ThreadCpuMs();
        characters = DocumentPlainText(rtf).size();
        best.Take(Ms(timer), ThreadCpuMs() - cpuStart);
    }
    return best;
}

// Wall time of the program from start to exit, standard output read along.
double TimeListText(const QString &file, qsizetype &bytes)
{
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(LORVANTA_LIST_BIN), {QStringLiteral("text"), file});
        process.waitForFinished(60000);
        const double ms = Ms(timer);
        bytes = process.readAllStandardOutput().size();
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return -1;
        best = std::min(best, ms);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray rtf = SongText();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("song.rtf"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size()) {
        std::printf("richtext: cannot write the generated document\n");
        return 1;
    }
    out.close();
    std::printf("richtext: generated song text %.2f MB of RTF\n", double(rtf.size()) / 1e6);

    const TDocumentTimes document = TimeDocument(rtf);
    std::printf("richtext: to a document %.0f ms + layout at %d px %.0f ms = %.0f ms wall, "
                "%.0f ms CPU (target < 150 ms); %d paragraphs, about %d screens; best of %d\n",
                document.read.wall, kPageWidth, document.layout.wall, document.total.wall,
                document.total.cpu, document.blocks, document.pages, kRuns);
    std::printf("richtext:   CPU: to a document %.0f ms, layout %.0f ms\n", document.read.cpu,
                document.layout.cpu);
    const TTime page = TimeSongTextPage(file);
    if (page.wall < 0) {
        std::printf("richtext: the song text page showed nothing\n");
        return 1;
    }
    std::printf("richtext: shown on the song text page from its file, painted: %.0f ms wall, "
                "%.0f ms CPU (target < 150 ms); best of %d\n",
                page.wall, page.cpu, kRuns);
    qsizetype characters = 0;
    const TTime plain = TimePlainText(rtf, characters);
    std::printf("richtext: plain text in process %.0f ms wall, %.0f ms CPU (target < 60 ms), "
                "%lld characters\n",
                plain.wall, plain.cpu, static_cast<long long>(characters));
    qsizetype bytes = 0;
    const double list = TimeListText(file, bytes);
    if (list < 0) {
        std::printf("richtext: lorvanta-list text failed\n");
        return 1;
    }
    std::printf("richtext: lorvanta-list text %.0f ms wall (target < 60 ms), %.2f MB of UTF-8\n",
                list, double(bytes) / 1e6);
    return 0;
}
