// The state file's bytes: the caption in CP866 or Windows-1251, one line without a line break,
// replaced whole.

#include "platform/ioerror.h"
#include "playback/statefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StateFileTest : public testing::Test {
protected:
    QByteArray Written()
    {
        QFile file(options.LogFileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir dir;
    TStateFileOptions options{true, dir.filePath("state.txt"), true};
};

// "Ш" is 0x98 in CP866 and 0xD8 in Windows-1251; "я" 0xEF and 0xFF.
TEST_F(StateFileTest, OemWritesCodePage866)
{
    WriteStateFile(options, QStringLiteral("Шя (пауза)"));
    EXPECT_EQ(Written(), QByteArray("\x98\xEF (\xAF\xA0\xE3\xA7\xA0)"));
}

TEST_F(StateFileTest, WithoutOemWritesWindows1251)
{
    options.OEMLogFile = false;
    WriteStateFile(options, QStringLiteral("Шя (пауза)"));
    EXPECT_EQ(Written(), QByteArray("\xD8\xFF (\xEF\xE0\xF3\xE7\xE0)"));
}

TEST_F(StateFileTest, TwoRefreshesLeaveExactlyTheSecondCaptionWithoutALineBreak)
{
    WriteStateFile(options, QStringLiteral("Lorvanta 2.0 (playing): a long first caption"));
    WriteStateFile(options, QStringLiteral("Lorvanta 2.0"));
    EXPECT_EQ(Written(), QByteArray("Lorvanta 2.0"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList("state.txt"));
}

TEST_F(StateFileTest, AnEmptyCaptionEmptiesTheFile)
{
    WriteStateFile(options, QStringLiteral("x"));
    WriteStateFile(options, QString());
    EXPECT_EQ(Written(), QByteArray());
}

TEST_F(StateFileTest, NothingIsWrittenWhenSwitchedOffOrWithoutAName)
{
    options.HasLogFile = false;
    WriteStateFile(options, QStringLiteral("x"));
    EXPECT_EQ(Written(), QByteArray("<none>"));
    options.HasLogFile = true;
    options.LogFileName.clear();
    EXPECT_NO_THROW(WriteStateFile(options, QStringLiteral("x")));
}

TEST_F(StateFileTest, AFileThatCannotBeWrittenRaisesAnError)
{
    options.LogFileName = dir.filePath("no such folder/state.txt");
    EXPECT_THROW(WriteStateFile(options, QStringLiteral("x")), EIOError);
}

} // namespace
