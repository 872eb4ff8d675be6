// The command lines of both programs run for real: help, version and misuse, with their streams
// and exit statuses. The player is given a platform that does not exist, so that any case that
// reached the window system would crash instead of passing.
#include "clifixture.h"

#include <QProcess>

namespace {

struct TLineCase {
    const char *program; // "lorvanta" or "lorvanta-list"
    QStringList args;
    int status;
    const char *out; // expected in standard output; nullptr: standard output stays empty
    const char *err; // expected in standard error; nullptr: standard error stays empty
};

CliResult RunProgram(const char *program, const QStringList &args, const QString &workDir)
{
    const bool player = QString::fromUtf8(program) == QLatin1String("lorvanta");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (player) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(player ? QStringLiteral(LORVANTA_PLAYER_BIN) : QStringLiteral(LORVANTA_LIST_BIN),
                  args);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program << " crashed";
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void ExpectStream(const QByteArray &stream, const char *expected, const char *name)
{
    if (expected)
        EXPECT_TRUE(stream.contains(expected)) << name << ": " << stream.toStdString();
    else
        EXPECT_TRUE(stream.isEmpty()) << name << ": " << stream.toStdString();
}

} // namespace

TEST_F(CliTest, CommandLinesAnswerHelpVersionAndMisuse)
{
    Write("a.pl", "[Artist]\r\n");
    const TLineCase cases[] = {
        {"lorvanta", {"--help"}, 0, "Использование: lorvanta [ПАРАМЕТРЫ] [ФАЙЛ]", nullptr},
        {"lorvanta", {"-h"}, 0, "--version", nullptr},
        {"lorvanta", {"--version"}, 0, "lorvanta 2.0\n", nullptr},
        {"lorvanta", {"-v"}, 0, "lorvanta 2.0\n", nullptr},
        {"lorvanta", {"--verbose"}, 2, nullptr, "неизвестный параметр: --verbose"},
        {"lorvanta", {"a.pl", "b.pl"}, 2, nullptr, "лишний аргумент: b.pl"},
        {"lorvanta", {"-style"}, 2, nullptr, "нет значения: -style"},
        {"lorvanta", {"-platform", "x", "--help"}, 0, "Использование:", nullptr},
        {"lorvanta-list", {"--help"}, 0, "Команды:", nullptr},
        {"lorvanta-list", {"--version"}, 0, "lorvanta-list 2.0\n", nullptr},
        {"lorvanta-list", {}, 2, nullptr, "не хватает аргументов"},
        {"lorvanta-list", {"list", "a.pl"}, 2, nullptr, "неизвестная команда: list"},
        {"lorvanta-list", {"--verbose", "dump", "a.pl"}, 2, nullptr, "--verbose"},
        {"lorvanta-list", {"dump", "--help"}, 0, "lorvanta-list dump [--summary] ФАЙЛ", nullptr},
        {"lorvanta-list", {"convert", "--help"}, 0, "ВХОД ВЫХОД", nullptr},
        {"lorvanta-list", {"pack", "-h"}, 0, "--album ШАБЛОН", nullptr},
        {"lorvanta-list", {"tags", "--help"}, 0, "ID3v1", nullptr},
        {"lorvanta-list", {"scan", "--help"}, 0, "--histories ПАПКА", nullptr},
        {"lorvanta-list", {"text", "--help"}, 0, "RTF", nullptr},
        {"lorvanta-list", {"picture", "--help"}, 0, "--size ШxВ", nullptr},
        {"lorvanta-list", {"check", "--help"}, 0, "СПИСОК", nullptr},
        {"lorvanta-list", {"dump"}, 2, nullptr, "Использование: lorvanta-list dump"},
        {"lorvanta-list", {"dump", "a.pl", "a.pl"}, 2, nullptr, "лишний аргумент: a.pl"},
        {"lorvanta-list", {"dump", "--verbose", "a.pl"}, 2, nullptr, "--verbose"},
        {"lorvanta-list", {"tags", "--summary", "a.pl"}, 2, nullptr, "--summary"},
        {"lorvanta-list", {"pack", "a.pl", "o.m3u", "--artist"}, 2, nullptr, "--artist"},
        {"lorvanta-list", {"dump", "--summary=yes", "a.pl"}, 2, nullptr, "Подробнее"},
        {"lorvanta-list", {"picture", "--size", "0x0", "a.bmp", "o.png"}, 1, nullptr, "размер"},
        {"lorvanta-list", {"dump", "--summary", "a.pl"}, 0, "\"artists\":1", nullptr},
        {"lorvanta-list", {"dump", "--", "a.pl"}, 0, "\"type\"", nullptr},
    };
    for (const TLineCase &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.program, c.args.join(' ')).toStdString());
        const CliResult r = RunProgram(c.program, c.args, fDir.path());
        EXPECT_EQ(r.exitCode, c.status) << r.err.toStdString();
        ExpectStream(r.out, c.out, "stdout");
        ExpectStream(r.err, c.err, "stderr");
    }
}

// Every misuse names the program, says what is wrong and shows the usage of what was called.
TEST_F(CliTest, MisuseShowsTheUsageOfTheCommandCalled)
{
    const CliResult r = RunProgram("lorvanta-list", {"scan", "mp3"}, fDir.path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "lorvanta-list: не хватает аргументов\n"
                     "Использование: lorvanta-list scan [ПАРАМЕТРЫ] ПАПКА_MP3 ВЫХОД\n"
                     "Подробнее: lorvanta-list scan --help\n");
}
