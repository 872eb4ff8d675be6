// lorvanta-list text: a document's text as the text pages read it, in UTF-8.
#include "clifixture.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <unistd.h>

TEST_F(CliTest, TextPrintsAnRtfDocumentAParagraphALine)
{
    Write("song.rtf", R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset204 Arial;}}\f0\fs24
{\b \'cf\'e5\'f0\'e2\'fb\'e9 \'f1\'ed\'e5\'e3\par}
\'e3\'ee\'f0\'ee\'e4\line \'f1\'f2\'e0\'eb\tab \u1073?\'e5\'eb\'e5\'e9\par
})");
    const CliResult r = Run({"text", "song.rtf"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), u"Первый снег\nгород\nстал\tбелей\n");
    EXPECT_TRUE(r.err.isEmpty());
}

// The choice for tables: a row per line, a tab between cells, a blank for a paragraph break
// inside a cell.
TEST_F(CliTest, TextPutsATableRowOnOneLineWithTabsBetweenCells)
{
    Write("table.rtf", R"({\rtf1 head\par\trowd\cellx1000\cellx2000\cellx3000
\intbl a\cell b1\par b2\cell c\cell\row\intbl d\cell\cell f\cell\row\pard tail\par})");
    const CliResult r = Run({"text", "table.rtf"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "head\na\tb1 b2\tc\nd\t\tf\ntail\n");
}

TEST_F(CliTest, TextReadsOtherFilesAsWindows1251UnlessTheyAreUtf8)
{
    WriteCp1251("ansi.txt", QString::fromUtf8("Текст песни\nвторая строка"));
    Write("utf8.txt", "\xEF\xBB\xBF\xD0\xA2\xD0\xB5\xD0\xBA\xD1\x81\xD1\x82\n");
    Write("empty.rtf", "{\\rtf1 {\\*\\generator x}}");
    EXPECT_EQ(QString::fromUtf8(Run({"text", "ansi.txt"}).out), u"Текст песни\nвторая строка\n");
    EXPECT_EQ(QString::fromUtf8(Run({"text", "utf8.txt"}).out), u"Текст\n");
    const CliResult empty = Run({"text", "empty.rtf"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.out.isEmpty());
}

TEST_F(CliTest, TextNeedsNoDisplay)
{
    Write("a.rtf", "{\\rtf1 {\\pict\\pngblip 89504e47}\\b x\\par}");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(fDir.path());
    process.start(QStringLiteral(LORVANTA_LIST_BIN), {"text", "a.rtf"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput(), "x\n");
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
}

TEST_F(CliTest, TextOfMissingFoldersDevicesOrUnreadableFilesIsBadInput)
{
    Write("folder.rtf/x", "x");
    ExpectMisuse(Run({"text"}));
    ExpectMisuse(Run({"text", "a.rtf", "b.rtf"}));
    ExpectMisuse(Run({"text", "--summary", "a.rtf"}));
    ExpectBadInput(Run({"text", "none.rtf"}));
    ExpectBadInput(Run({"text", "folder.rtf"}));
    ExpectBadInput(Run({"text", "/dev/zero"}));
    if (geteuid() != 0) {
        const QString locked = Write("locked.rtf", "{\\rtf1 x}");
        QFile::setPermissions(locked, {});
        ExpectBadInput(Run({"text", "locked.rtf"}));
    }
}
