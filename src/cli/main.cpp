// lorvanta-list: the core's list operations for scripts and tests.
//   dump [--summary] FILE | convert IN OUT | pack IN OUT.m3u [--artist T] [--album T] | tags FILE
//   | scan MP3DIR OUT [--covers DIR] [--texts DIR] [--reviews DIR] [--histories DIR]
//     [--artist T] [--album T] | text FILE | picture FILE OUT.png [--size WxH] | check LIST
// Exit status 0 on success; 1 with one line on standard error for bad input. check prints its
// report on standard output, one line per problem, and ends with status 1 when there is one.

#include "cli/clierror.h"
#include "cli/commands.h"
#include "cli/listinput.h"
#include "library/folderscan.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>

namespace {

const char kUsage[] = "Использование: lorvanta-list dump [--summary] FILE | convert IN OUT | "
                      "pack IN OUT.m3u [--artist TEMPLATE] [--album TEMPLATE] | tags FILE | "
                      "scan MP3DIR OUT [--covers DIR] [--texts DIR] [--reviews DIR] "
                      "[--histories DIR] [--artist TEMPLATE] [--album TEMPLATE] | text FILE | "
                      "picture FILE OUT.png [--size WxH] | check LIST";

// The command's words after its name: the flag, the options with their values, and the
// positional arguments.
struct TArgs {
    QStringList positional;
    bool summary = false;
    QHash<QString, QString> values;

    QString Value(const QString &option, const QString &fallback = QString()) const
    {
        return values.value(option, fallback);
    }
    // The folder given with option, made absolute; empty when not given.
    QString Folder(const QString &option) const
    {
        const QString folder = Value(option);
        return folder.isEmpty() ? QString() : AbsoluteArgPath(folder);
    }
};

const QString kArtist = QStringLiteral("--artist");
const QString kAlbum = QStringLiteral("--album");
const QString kCovers = QStringLiteral("--covers");
const QString kTexts = QStringLiteral("--texts");
const QString kReviews = QStringLiteral("--reviews");
const QString kHistories = QStringLiteral("--histories");
const QString kSummary = QStringLiteral("--summary");
const QString kSize = QStringLiteral("--size");

[[noreturn]] void UsageError()
{
    throw ECliError(QString::fromUtf8(kUsage));
}

// Parses words; exactly positionalCount positional arguments are required.
TArgs ParseArgs(const QStringList &words, const QStringList &allowedOptions,
                qsizetype positionalCount)
{
    TArgs args;
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (!word.startsWith(QLatin1String("--"))) {
            args.positional << word;
            continue;
        }
        if (!allowedOptions.contains(word))
            UsageError();
        if (word == kSummary) {
            args.summary = true;
            continue;
        }
        if (++i >= words.size())
            UsageError();
        args.values.insert(word, words[i]);
    }
    if (args.positional.size() != positionalCount)
        UsageError();
    return args;
}

QByteArray Dump(const QStringList &words)
{
    const TArgs args = ParseArgs(words, {kSummary}, 1);
    const QString file = AbsoluteArgPath(args.positional[0]);
    return args.summary ? SummaryCommand(file) : DumpCommand(file);
}

QByteArray ConvertOrPack(const QStringList &words, bool pack)
{
    const TArgs args = ParseArgs(words, pack ? QStringList{kArtist, kAlbum} : QStringList{}, 2);
    // Both made absolute first: loading a list moves the current folder to the list's.
    const QString in = AbsoluteArgPath(args.positional[0]);
    const QString out = AbsoluteArgPath(args.positional[1]);
    if (pack)
        PackCommand(in, out, args.Value(kArtist, QStringLiteral("%I")),
                    args.Value(kAlbum, QStringLiteral("%Y - %A")));
    else
        ConvertCommand(in, out);
    return {};
}

QByteArray Tags(const QStringList &words)
{
    const TArgs args = ParseArgs(words, {}, 1);
    return TagsCommand(AbsoluteArgPath(args.positional[0]));
}

QByteArray Text(const QStringList &words)
{
    const TArgs args = ParseArgs(words, {}, 1);
    return TextCommand(AbsoluteArgPath(args.positional[0]));
}

QByteArray Scan(const QStringList &words)
{
    const TArgs args =
        ParseArgs(words, {kCovers, kTexts, kReviews, kHistories, kArtist, kAlbum}, 2);
    TFolderScanInput input;
    input.Mp3Folder = AbsoluteArgPath(args.positional[0]);
    input.CoversFolder = args.Folder(kCovers);
    input.TextsFolder = args.Folder(kTexts);
    input.ReviewsFolder = args.Folder(kReviews);
    input.HistoriesFolder = args.Folder(kHistories);
    input.ArtistTemplate = args.Value(kArtist, input.ArtistTemplate);
    input.AlbumTemplate = args.Value(kAlbum, input.AlbumTemplate);
    ScanCommand(input, AbsoluteArgPath(args.positional[1]));
    return {};
}

// "WxH" as a size of positive width and height; an empty text is the empty size.
QSize ParseSize(const QString &text)
{
    if (text.isEmpty())
        return {};
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,6})x([0-9]{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const QSize size = match.hasMatch()
                           ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
                           : QSize();
    if (size.isEmpty())
        throw ECliError(QStringLiteral("Неверный размер (нужно ШИРИНАxВЫСОТА): ") + text);
    return size;
}

QByteArray Picture(const QStringList &words)
{
    const TArgs args = ParseArgs(words, {kSize}, 2);
    const QSize size = ParseSize(args.Value(kSize));
    return PictureCommand(AbsoluteArgPath(args.positional[0]),
                          AbsoluteArgPath(args.positional[1]), size);
}

// What a command prints on standard output and the status it ends with.
struct TOutput {
    TOutput(QByteArray text = {}, int status = 0) : text(std::move(text)), status(status) {}
    QByteArray text;
    int status;
};

TOutput Check(const QStringList &words)
{
    const TArgs args = ParseArgs(words, {}, 1);
    const QByteArray report = CheckCommand(AbsoluteArgPath(args.positional[0]));
    return {report, report.isEmpty() ? 0 : 1};
}

// Runs the command.
TOutput Run(const QString &command, const QStringList &words)
{
    if (command == QLatin1String("dump"))
        return Dump(words);
    if (command == QLatin1String("convert") || command == QLatin1String("pack"))
        return ConvertOrPack(words, command == QLatin1String("pack"));
    if (command == QLatin1String("tags"))
        return Tags(words);
    if (command == QLatin1String("text"))
        return Text(words);
    if (command == QLatin1String("scan"))
        return Scan(words);
    if (command == QLatin1String("picture"))
        return Picture(words);
    if (command == QLatin1String("check"))
        return Check(words);
    UsageError();
}

// One line: a message that holds line breaks (a file name may) is joined with blanks.
void PrintError(const char *message)
{
    QString line = QString::fromUtf8(message);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "lorvanta-list: %s\n", line.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        PrintError(kUsage);
        return 1;
    }
    // Pictures need a GUI application for fonts (text in metafiles); a command-line program
    // draws offscreen, display or not.
    std::optional<QGuiApplication> gui;
    if (std::strcmp(argv[1], "picture") == 0 || std::strcmp(argv[1], "check") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own notes (no runtime folder, font fallbacks) would break the one-line rule.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        gui.emplace(argc, argv);
    }
    QStringList words;
    for (int i = 2; i < argc; ++i)
        words << QFile::decodeName(argv[i]);
    try {
        const TOutput out = Run(QString::fromLocal8Bit(argv[1]), words);
        if (!out.text.isEmpty()) {
            std::fwrite(out.text.constData(), 1, size_t(out.text.size()), stdout);
            std::fputc('\n', stdout);
        }
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            throw ECliError(QStringLiteral("Не удается записать результат в стандартный вывод"));
        return out.status;
    } catch (const std::exception &e) {
        PrintError(e.what());
        return 1;
    }
}
