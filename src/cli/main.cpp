// lorvanta-list: the core's list operations for scripts and tests. lorvanta-list --help lists the
// commands, lorvanta-list COMMAND --help explains one. Exit status 0 on success; 1 with one line
// on standard error for bad input; 2 with the usage on standard error for a misused command line.
// check prints its report on standard output, one line per problem, and ends with status 1 when
// there is one.

#include "cli/clierror.h"
#include "cli/commands.h"
#include "cli/listinput.h"
#include "library/folderscan.h"
#include "platform/commandline.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <limits>
#include <optional>

namespace {

const QString kProgram = QStringLiteral("lorvanta-list");

// What a command prints on standard output and the status it ends with.
struct TOutput {
    TOutput(QByteArray text = {}, int status = 0) : text(std::move(text)), status(status) {}
    QByteArray text;
    int status;
};

QCommandLineOption ValueOption(const char *name, const char *description, const char *valueName)
{
    return {QString::fromLatin1(name), QString::fromUtf8(description),
            QString::fromUtf8(valueName)};
}

const QCommandLineOption
    kSummary(QStringLiteral("summary"),
             QStringLiteral("только сводка: числа исполнителей, альбомов и песен"));
const QCommandLineOption kArtist =
    ValueOption("artist", "шаблон папки исполнителя (по умолчанию %I)", "ШАБЛОН");
const QCommandLineOption kAlbum =
    ValueOption("album", "шаблон альбома (по умолчанию \"%Y - %A\")", "ШАБЛОН");
const QCommandLineOption kCovers = ValueOption("covers", "папка обложек", "ПАПКА");
const QCommandLineOption kTexts = ValueOption("texts", "папка текстов песен", "ПАПКА");
const QCommandLineOption kReviews = ValueOption("reviews", "папка рецензий", "ПАПКА");
const QCommandLineOption kHistories =
    ValueOption("histories", "папка историй исполнителей", "ПАПКА");
const QCommandLineOption kSize = ValueOption("size", "растянуть до этого размера в точках", "ШxВ");

// A parsed command line of one command: its positional arguments made absolute on demand.
class TArgs {
public:
    explicit TArgs(const TCommandLine &line) : fLine(line) {}
    QString Path(int index) const { return AbsoluteArgPath(fLine.Arguments()[index]); }
    bool IsSet(const QCommandLineOption &option) const { return fLine.IsSet(Name(option)); }
    QString Value(const QCommandLineOption &option, const QString &fallback = {}) const
    {
        return IsSet(option) ? fLine.Value(Name(option)) : fallback;
    }
    // The folder given with option, made absolute; empty when not given.
    QString Folder(const QCommandLineOption &option) const
    {
        const QString folder = Value(option);
        return folder.isEmpty() ? QString() : AbsoluteArgPath(folder);
    }

private:
    static QString Name(const QCommandLineOption &option) { return option.names().constFirst(); }
    const TCommandLine &fLine;
};

TOutput Dump(const TArgs &args)
{
    const QString file = args.Path(0);
    return args.IsSet(kSummary) ? SummaryCommand(file) : DumpCommand(file);
}

TOutput Convert(const TArgs &args)
{
    // Both made absolute first: loading a list moves the current folder to the list's.
    const QString in = args.Path(0);
    ConvertCommand(in, args.Path(1));
    return {};
}

TOutput Pack(const TArgs &args)
{
    const QString in = args.Path(0);
    const QString out = args.Path(1);
    PackCommand(in, out, args.Value(kArtist, QStringLiteral("%I")),
                args.Value(kAlbum, QStringLiteral("%Y - %A")));
    return {};
}

TOutput Tags(const TArgs &args)
{
    return TagsCommand(args.Path(0));
}

TOutput Text(const TArgs &args)
{
    return TextCommand(args.Path(0));
}

TOutput Scan(const TArgs &args)
{
    TFolderScanInput input;
    input.Mp3Folder = args.Path(0);
    input.CoversFolder = args.Folder(kCovers);
    input.TextsFolder = args.Folder(kTexts);
    input.ReviewsFolder = args.Folder(kReviews);
    input.HistoriesFolder = args.Folder(kHistories);
    input.ArtistTemplate = args.Value(kArtist, input.ArtistTemplate);
    input.AlbumTemplate = args.Value(kAlbum, input.AlbumTemplate);
    ScanCommand(input, args.Path(1));
    return {};
}

// "WxH" as a size of positive width and height; an empty text is the empty size.
QSize ParseSize(const QString &text)
{
    if (text.isEmpty()) return {};
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,6})x([0-9]{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const QSize size =
        match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (size.isEmpty())
        throw ECliError(QStringLiteral("Неверный размер (нужно ШИРИНАxВЫСОТА): ") + text);
    return size;
}

TOutput Picture(const TArgs &args)
{
    const QSize size = ParseSize(args.Value(kSize));
    return PictureCommand(args.Path(0), args.Path(1), size);
}

TOutput Check(const TArgs &args)
{
    const QByteArray report = CheckCommand(args.Path(0));
    return {report, report.isEmpty() ? 0 : 1};
}

struct TCommand {
    QString name;
    QString synopsis;
    QString description;
    QList<THelpRow> arguments;
    QList<QCommandLineOption> options;
    TOutput (*run)(const TArgs &);
    bool drawsText = false; // needs a GUI application for fonts
};

const THelpRow kListArgument{QStringLiteral("ФАЙЛ"),
                             QStringLiteral("список (.pl, .m3u, .m3u8) или песня (.mp3, .mp2)")};
const THelpRow kOutListArgument{QStringLiteral("ВЫХОД"),
                                QStringLiteral("новый список: .pl, .m3u или .m3u8")};

const QList<TCommand> &Commands()
{
    static const QList<TCommand> commands = {
        {QStringLiteral("dump"),
         QStringLiteral("[--summary] ФАЙЛ"),
         QStringLiteral("Выводит список в JSON: исполнителей, альбомы, песни и их материалы."),
         {kListArgument},
         {kSummary},
         Dump},
        {QStringLiteral("convert"),
         QStringLiteral("ВХОД ВЫХОД"),
         QStringLiteral("Переписывает список в формате, который задает имя файла ВЫХОД."),
         {{QStringLiteral("ВХОД"), kListArgument.description}, kOutListArgument},
         {},
         Convert},
        {QStringLiteral("pack"),
         QStringLiteral("[--artist ШАБЛОН] [--album ШАБЛОН] ВХОД ВЫХОД.m3u"),
         QStringLiteral("Записывает пакет M3U: главный список и по списку на каждый альбом в "
                        "папках исполнителей."),
         {{QStringLiteral("ВХОД"), kListArgument.description},
          {QStringLiteral("ВЫХОД.m3u"), QStringLiteral("главный список пакета")}},
         {kArtist, kAlbum},
         Pack},
        {QStringLiteral("tags"),
         QStringLiteral("ФАЙЛ"),
         QStringLiteral("Выводит тег ID3v1 песни в JSON."),
         {{QStringLiteral("ФАЙЛ"), QStringLiteral("песня")}},
         {},
         Tags},
        {QStringLiteral("scan"),
         QStringLiteral("[ПАРАМЕТРЫ] ПАПКА_MP3 ВЫХОД"),
         QStringLiteral("Строит список из папок, как редактор списков, и записывает его."),
         {{QStringLiteral("ПАПКА_MP3"), QStringLiteral("папка с папками исполнителей")},
          kOutListArgument},
         {kCovers, kTexts, kReviews, kHistories, kArtist, kAlbum},
         Scan},
        {QStringLiteral("text"),
         QStringLiteral("ФАЙЛ"),
         QStringLiteral("Выводит текст документа (RTF или простой текст) в UTF-8, абзац на "
                        "строку."),
         {{QStringLiteral("ФАЙЛ"), QStringLiteral("документ")}},
         {},
         Text},
        {QStringLiteral("picture"),
         QStringLiteral("[--size ШxВ] ФАЙЛ ВЫХОД.png"),
         QStringLiteral("Рисует картинку (BMP, JPEG, GIF, WMF, EMF) в файл PNG и выводит ее "
                        "формат и размер в JSON."),
         {{QStringLiteral("ФАЙЛ"), QStringLiteral("картинка")},
          {QStringLiteral("ВЫХОД.png"), QStringLiteral("файл PNG")}},
         {kSize},
         Picture,
         true},
        {QStringLiteral("check"),
         QStringLiteral("СПИСОК"),
         QStringLiteral("Проверяет список перед записью диска: по строке JSON на каждую "
                        "проблему, статус 1, если они есть."),
         {{QStringLiteral("СПИСОК"), QStringLiteral("список (.pl, .m3u, .m3u8)")}},
         {},
         Check,
         true},
    };
    return commands;
}

const TCommand *FindCommand(const QString &name)
{
    for (const TCommand &command : Commands())
        if (command.name == name) return &command;
    return nullptr;
}

TCommandLine ProgramLine()
{
    TCommandLine line(kProgram, QStringLiteral("КОМАНДА [ПАРАМЕТРЫ] АРГУМЕНТЫ..."),
                      QStringLiteral("Операции со списками Lorvanta для сценариев и проверки "
                                     "диска.\nСправка по команде: lorvanta-list КОМАНДА --help"));
    line.AddVersionOption();
    line.StopAtFirstArgument();
    QList<THelpRow> rows;
    for (const TCommand &command : Commands())
        rows.append({command.name, command.description});
    line.SetArguments(1, std::numeric_limits<qsizetype>::max(), {});
    line.AddSection(QStringLiteral("Команды:"), rows);
    return line;
}

TCommandLine CommandLine(const TCommand &command)
{
    TCommandLine line(kProgram + QLatin1Char(' ') + command.name, command.synopsis,
                      command.description);
    line.AddOptions(command.options);
    const qsizetype count = command.arguments.size();
    line.SetArguments(count, count, command.arguments);
    return line;
}

// One line: a message that holds line breaks (a file name may) is joined with blanks.
void PrintError(const char *message)
{
    QString line = QString::fromUtf8(message);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "lorvanta-list: %s\n", line.toUtf8().constData());
}

int Run(const TCommand &command, const TArgs &args)
{
    try {
        const TOutput out = command.run(args);
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

} // namespace

int main(int argc, char **argv)
{
    TCommandLine program = ProgramLine();
    if (const std::optional<int> status = program.Parse(DecodedArguments(argc, argv)))
        return *status;
    const QStringList rest = program.Arguments();
    const TCommand *command = FindCommand(rest.constFirst());
    if (!command)
        return program.Misuse(QStringLiteral("неизвестная команда: ") + rest.constFirst());
    TCommandLine line = CommandLine(*command);
    if (const std::optional<int> status = line.Parse(QStringList{kProgram} + rest.mid(1)))
        return *status;
    // Pictures need a GUI application for fonts (text in metafiles); a command-line program
    // draws offscreen, display or not.
    std::optional<QGuiApplication> gui;
    if (command->drawsText) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own notes (no runtime folder, font fallbacks) would break the one-line rule.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        gui.emplace(argc, argv);
    }
    return Run(*command, TArgs(line));
}
