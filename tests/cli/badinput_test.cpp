// Bad input: exit status 1 and one line on standard error; readable lists are never bad input.
#include "clifixture.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <unistd.h>

// A misused command line is not bad input: status 2 and the usage, never a partial run.
TEST_F(CliTest, MisusedCommandLinesAreAnsweredWithTheUsage)
{
    Write("a.pl", "[Artist]\r\n");
    for (const QStringList &args : {QStringList{}, QStringList{"a.pl"}, QStringList{"list", "a.pl"},
                                    QStringList{"dump"}, QStringList{"dump", "a.pl", "a.pl"},
                                    QStringList{"dump", "--verbose", "a.pl"},
                                    QStringList{"convert", "a.pl"}, QStringList{"tags"},
                                    QStringList{"tags", "--summary", "a.pl"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        ExpectMisuse(Run(args));
    }
}

TEST_F(CliTest, MissingFilesAreBadInputForEveryType)
{
    for (const char *name : {"none.pl", "none.m3u", "none.mp3", "none.MP2"}) {
        SCOPED_TRACE(name);
        ExpectBadInput(Run({"dump", name}));
        ExpectBadInput(Run({"dump", "--summary", name}));
        ExpectBadInput(Run({"convert", name, "out.pl"}));
        ExpectBadInput(Run({"pack", name, "out.m3u"}));
    }
    ExpectBadInput(Run({"tags", "none.mp3"}));
    EXPECT_FALSE(QFile::exists(Path("out.pl")));
    EXPECT_FALSE(QFile::exists(Path("out.m3u")));
}

TEST_F(CliTest, FoldersAreBadInputEvenWithAListExtension)
{
    Write("folder.pl/x", "x");
    Write("folder.m3u/x", "x");
    Write("folder.mp3/x", "x");
    ExpectBadInput(Run({"dump", "folder.pl"}));
    ExpectBadInput(Run({"dump", "folder.m3u"}));
    ExpectBadInput(Run({"dump", "folder.mp3"}));
    ExpectBadInput(Run({"tags", "folder.mp3"}));
}

TEST_F(CliTest, UnreadableFilesAreBadInput)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString list = Write("locked.pl", "[Artist]\r\n");
    QFile::setPermissions(list, {});
    ExpectBadInput(Run({"dump", "locked.pl"}));
    ExpectBadInput(Run({"tags", "locked.pl"}));
}

TEST_F(CliTest, FilesOfOtherTypesAreBadInput)
{
    Write("notes.txt", "[Artist]\r\n");
    Write("noext", "[Artist]\r\n");
    ExpectBadInput(Run({"dump", "notes.txt"}));
    ExpectBadInput(Run({"dump", "noext"}));
    ExpectBadInput(Run({"convert", "notes.txt", "x.pl"}));
}

TEST_F(CliTest, ErrorMessageStaysOneLineWhenTheFileNameHoldsLineBreaks)
{
    const CliResult r = Run({"dump", "two\nlines\r.pl"});
    ExpectBadInput(r);
    EXPECT_TRUE(r.err.contains("two lines .pl")) << r.err.toStdString();
}

TEST_F(CliTest, GarbageAndHugeCountsInAReadableListStillDumpValidJson)
{
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator random(7);
    for (char &c : garbage)
        c = char(random.bounded(256));
    Write("garbage.pl", garbage);
    Write("huge.pl", "[Artist]\r\nAlbums=2000000000\r\n[Album]\r\nSongs=2000000000\r\n"
                     "[Song]\r\nTitle=only\r\n");
    Write("negative.pl", "[Artist]\rAlbums=-5\r[Album]\rSongs=abc\r[Song]\rTitle=x\r");
    Write("longline.m3u", QByteArray(4 * 1024 * 1024, 'a') + "\r\n#EXTINF\r\n\r\n");
    for (const char *name : {"garbage.pl", "huge.pl", "negative.pl", "longline.m3u"}) {
        SCOPED_TRACE(name);
        const CliResult r = Run({"dump", name});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QJsonParseError error;
        QJsonDocument::fromJson(r.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError);
    }
}

TEST_F(CliTest, OutputThatCannotBeWrittenIsReportedNotSilentlyLost)
{
    Write("a.pl", "[Artist]\r\nName=A\r\n");
    QProcess process;
    process.setWorkingDirectory(fDir.path());
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(LORVANTA_LIST_BIN), {"dump", "a.pl"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().count('\n'), 1);
}
