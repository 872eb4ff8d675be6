#include "platform/commandline.h"

#include <QFile>
#include <QStringBuilder>
#include <algorithm>
#include <cstdio>

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// Writes text as UTF-8; false when it could not be written (a full disk, a closed pipe).
bool Print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

QString Dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

THelpRow OptionRow(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << Dashed(name);
    QString row = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) row += QLatin1Char(' ') + option.valueName();
    return {row, option.description()};
}

// A titled section of rows, descriptions lined up after the longest name.
QString Section(const QString &title, const QList<THelpRow> &rows)
{
    qsizetype width = 0;
    for (const THelpRow &row : rows)
        width = std::max(width, row.name.size());
    QString text = QLatin1Char('\n') + title + QLatin1Char('\n');
    for (const THelpRow &row : rows)
        text += QStringLiteral("  ") % row.name.leftJustified(width + 2) % row.description %
                QLatin1Char('\n');
    return text;
}

} // namespace

TCommandLine::TCommandLine(QString program, QString synopsis, QString description)
    : fProgram(std::move(program)), fSynopsis(std::move(synopsis)),
      fDescription(std::move(description)), fParser(std::make_unique<QCommandLineParser>())
{
    // "-platform" and the like are words, not bundles of one-letter options.
    fParser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptions({QCommandLineOption({QStringLiteral("h"), kHelp},
                                   QStringLiteral("показать эту справку и выйти"))});
}

void TCommandLine::AddOptions(const QList<QCommandLineOption> &options)
{
    for (const QCommandLineOption &option : options) {
        fParser->addOption(option);
        fOptionRows << OptionRow(option);
    }
}

void TCommandLine::AddHiddenOptions(const QList<QCommandLineOption> &options)
{
    for (QCommandLineOption option : options) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        fParser->addOption(option);
    }
}

void TCommandLine::AddVersionOption()
{
    AddOptions({QCommandLineOption({QStringLiteral("v"), kVersion},
                                   QStringLiteral("показать версию программы и выйти"))});
    fHasVersion = true;
}

void TCommandLine::SetArguments(qsizetype minCount, qsizetype maxCount, const QList<THelpRow> &rows)
{
    fMinCount = minCount;
    fMaxCount = maxCount;
    fArgumentRows = rows;
}

void TCommandLine::AddSection(const QString &title, const QList<THelpRow> &rows)
{
    fSections.append({title, rows});
}

void TCommandLine::StopAtFirstArgument()
{
    fParser->setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

std::optional<int> TCommandLine::Parse(const QStringList &arguments)
{
    if (!fParser->parse(arguments)) return Misuse(ParseErrorText(arguments));
    if (fParser->isSet(kHelp)) return Print(stdout, HelpText()) ? 0 : 1;
    if (fHasVersion && fParser->isSet(kVersion))
        return Print(stdout, fProgram.section(QLatin1Char(' '), 0, 0) % QLatin1Char(' ') %
                                 ProgramVersion() % QLatin1Char('\n'))
                   ? 0
                   : 1;
    const QStringList positional = Arguments();
    if (positional.size() < fMinCount) return Misuse(QStringLiteral("не хватает аргументов"));
    if (positional.size() > fMaxCount)
        return Misuse(QStringLiteral("лишний аргумент: ") + positional[fMaxCount]);
    return std::nullopt;
}

int TCommandLine::Misuse(const QString &message) const
{
    Print(stderr, fProgram.section(QLatin1Char(' '), 0, 0) % QStringLiteral(": ") % message %
                      QStringLiteral("\nИспользование: ") % fProgram % QLatin1Char(' ') %
                      fSynopsis % QStringLiteral("\nПодробнее: ") % fProgram %
                      QStringLiteral(" --help\n"));
    return kMisuseStatus;
}

QString TCommandLine::HelpText() const
{
    QString text = QStringLiteral("Использование: ") % fProgram % QLatin1Char(' ') % fSynopsis %
                   QLatin1Char('\n') % fDescription % QLatin1Char('\n');
    if (!fArgumentRows.isEmpty()) text += Section(QStringLiteral("Аргументы:"), fArgumentRows);
    for (const auto &[title, rows] : fSections)
        text += Section(title, rows);
    return text + Section(QStringLiteral("Параметры:"), fOptionRows);
}

QString TCommandLine::ParseErrorText(const QStringList &arguments) const
{
    const QStringList unknown = fParser->unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("неизвестный параметр: ") + Dashed(unknown.first());
    // The parser takes any next word as an option's value: a value is missing only at the end.
    const QString last = arguments.last();
    if (last.startsWith(QLatin1Char('-')))
        return QStringLiteral("у параметра нет значения: ") + last;
    return QStringLiteral("параметру не нужно значение");
}

QStringList DecodedArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

QString ProgramVersion()
{
    return QStringLiteral(LORVANTA_VERSION);
}
