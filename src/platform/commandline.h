#pragma once
// A program's command line read by QCommandLineParser, with the manners both programs share:
// --help prints the Russian help on standard output (status 0), --version the version, and a
// misuse (unknown option, missing value, wrong number of arguments) is answered with the usage on
// standard error and status 2, so that scripts tell it from bad input (status 1).

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// One row of a help section: a name and what it means.
struct THelpRow {
    QString name;
    QString description;
};

class TCommandLine {
public:
    static constexpr int kMisuseStatus = 2;

    // program is how the usage names it ("lorvanta-list dump"); synopsis follows it in the usage
    // line; description is a sentence under it.
    TCommandLine(QString program, QString synopsis, QString description);

    void AddOptions(const QList<QCommandLineOption> &options);
    // Options the program accepts without showing them in the help.
    void AddHiddenOptions(const QList<QCommandLineOption> &options);
    void AddVersionOption();
    // The positional arguments: between minCount and maxCount of them; rows describe them.
    void SetArguments(qsizetype minCount, qsizetype maxCount, const QList<THelpRow> &rows);
    // A further help section ("Команды:").
    void AddSection(const QString &title, const QList<THelpRow> &rows);
    // Everything after the first positional argument is left to it, options too (a command's).
    void StopAtFirstArgument();

    // Parses arguments (the program's name first). Returns the status to end with when the
    // program is done here (help or version printed, misuse reported); nothing when it goes on.
    std::optional<int> Parse(const QStringList &arguments);
    // Reports a misuse the parser cannot see; returns kMisuseStatus.
    int Misuse(const QString &message) const;

    QStringList Arguments() const { return fParser->positionalArguments(); }
    bool IsSet(const QString &option) const { return fParser->isSet(option); }
    QString Value(const QString &option) const { return fParser->value(option); }
    QString HelpText() const;

private:
    QString ParseErrorText(const QStringList &arguments) const;

    QString fProgram;
    QString fSynopsis;
    QString fDescription;
    std::unique_ptr<QCommandLineParser> fParser; // held so that a command line can be returned
    QList<THelpRow> fOptionRows;
    QList<THelpRow> fArgumentRows;
    QList<std::pair<QString, QList<THelpRow>>> fSections;
    qsizetype fMinCount = 0;
    qsizetype fMaxCount = 0;
    bool fHasVersion = false;
};

// main's arguments as text, decoded as file names are.
QStringList DecodedArguments(int argc, char *argv[]);

// The program's version as the project states it.
QString ProgramVersion();
