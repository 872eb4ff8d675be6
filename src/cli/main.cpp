// lorvanta-list: the core's list operations for scripts and tests.
//   dump [--summary] FILE | convert IN OUT | pack IN OUT.m3u [--artist T] [--album T] | tags FILE
//   | text FILE
// Exit status 0 on success; 1 with one line on standard error for bad input.

#include "cli/clierror.h"
#include "cli/commands.h"
#include "cli/listinput.h"

#include <QFile>
#include <QStringList>
#include <cstdio>
#include <exception>

namespace {

const char kUsage[] = "Использование: lorvanta-list dump [--summary] FILE | convert IN OUT | "
                      "pack IN OUT.m3u [--artist TEMPLATE] [--album TEMPLATE] | tags FILE | "
                      "text FILE";

// The command's words after its name: options with their values, and the positional arguments.
struct TArgs {
    QStringList positional;
    bool summary = false;
    QString artistTemplate = QStringLiteral("%I");
    QString albumTemplate = QStringLiteral("%Y - %A");
};

[[noreturn]] void UsageError()
{
    throw ECliError(QString::fromUtf8(kUsage));
}

TArgs ParseArgs(const QStringList &words, const QStringList &allowedOptions)
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
        if (word == QLatin1String("--summary")) {
            args.summary = true;
            continue;
        }
        if (++i >= words.size())
            UsageError();
        (word == QLatin1String("--artist") ? args.artistTemplate : args.albumTemplate) = words[i];
    }
    return args;
}

// Runs the command; returns the text for standard output.
QByteArray Run(const QString &command, const QStringList &words)
{
    if (command == QLatin1String("dump")) {
        const TArgs args = ParseArgs(words, {QStringLiteral("--summary")});
        if (args.positional.size() != 1)
            UsageError();
        const QString file = AbsoluteArgPath(args.positional[0]);
        return args.summary ? SummaryCommand(file) : DumpCommand(file);
    }
    if (command == QLatin1String("convert") || command == QLatin1String("pack")) {
        const bool pack = command == QLatin1String("pack");
        const TArgs args = ParseArgs(
            words, pack ? QStringList{QStringLiteral("--artist"), QStringLiteral("--album")}
                        : QStringList{});
        if (args.positional.size() != 2)
            UsageError();
        // Both made absolute first: loading a list moves the current folder to the list's.
        const QString in = AbsoluteArgPath(args.positional[0]);
        const QString out = AbsoluteArgPath(args.positional[1]);
        if (pack)
            PackCommand(in, out, args.artistTemplate, args.albumTemplate);
        else
            ConvertCommand(in, out);
        return {};
    }
    if (command == QLatin1String("tags") || command == QLatin1String("text")) {
        const TArgs args = ParseArgs(words, {});
        if (args.positional.size() != 1)
            UsageError();
        const QString file = AbsoluteArgPath(args.positional[0]);
        return command == QLatin1String("tags") ? TagsCommand(file) : TextCommand(file);
    }
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
    QStringList words;
    for (int i = 2; i < argc; ++i)
        words << QFile::decodeName(argv[i]);
    try {
        const QByteArray out = Run(QString::fromLocal8Bit(argv[1]), words);
        if (!out.isEmpty()) {
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
            std::fputc('\n', stdout);
        }
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            throw ECliError(QStringLiteral("Не удается записать результат в стандартный вывод"));
        return 0;
    } catch (const std::exception &e) {
        PrintError(e.what());
        return 1;
    }
}
