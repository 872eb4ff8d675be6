// The settings store: registry semantics over one file that is never lost or half written.

#include "settings/settingsstore.h"
#include "storetestfiles.h"

#include <gtest/gtest.h>

namespace {

const QString MainKey = "\\Software\\Quillmarsh\\Lorvanta\\2.0";
const QByteArray GoodFile = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0]\n"
                            "\"PlayOnRun\"=dword:00000000\n\n";

class SettingsStoreTest : public ::testing::Test {
protected:
    TStoreFolder Folder;
};

} // namespace

TEST_F(SettingsStoreTest, ValuesAndKeysSurviveClosing)
{
    {
        TSettingsStore store(Folder.Path());
        ASSERT_TRUE(store.OpenKey(MainKey, true));
        store.WriteInteger("Priority", 9);
        store.WriteBool("Shuffle", true);
        store.WriteString("PlayingStr", "воспроизведение \"громко\"\\");
        ASSERT_TRUE(store.OpenKey("Rock", true)) << "a relative path counts from the current key";
        store.WriteInteger("songindex", 4);
        store.Close();
    }
    TSettingsStore store(Folder.Path());
    ASSERT_TRUE(store.OpenKey(MainKey, false));
    EXPECT_EQ(store.ReadInteger("Priority"), 9);
    EXPECT_TRUE(store.ReadBool("Shuffle"));
    EXPECT_EQ(store.ReadString("PlayingStr"), "воспроизведение \"громко\"\\");
    EXPECT_EQ(store.GetKeyNames(), QStringList{"Rock"});
    ASSERT_TRUE(store.OpenKey(MainKey + "\\Rock", false));
    EXPECT_EQ(store.CurrentPath(), MainKey + "\\Rock");
    EXPECT_EQ(store.ReadInteger("songindex"), 4);
}

TEST_F(SettingsStoreTest, ReadsFailOnMissingOrMistypedValuesExceptMissingTexts)
{
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, true);
    store.WriteInteger("Number", 0);
    store.WriteString("Text", "17");
    EXPECT_THROW(store.ReadInteger("Missing"), TSettingsError);
    EXPECT_THROW(store.ReadBool("Missing"), TSettingsError);
    EXPECT_EQ(store.ReadString("Missing"), "");
    EXPECT_THROW(store.ReadInteger("Text"), TSettingsError);
    EXPECT_THROW(store.ReadBool("Text"), TSettingsError);
    EXPECT_THROW(store.ReadString("Number"), TSettingsError);
    EXPECT_FALSE(store.ReadBool("Number"));
    for (const qint32 n : {1, 2, -1}) {
        store.WriteInteger("Number", n);
        EXPECT_TRUE(store.ReadBool("Number")) << n;
    }
}

TEST_F(SettingsStoreTest, NamesIgnoreCaseAndKeepTheFirstSpelling)
{
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(MainKey, true);
        store.WriteInteger("SongPicIdx", 1);
        store.WriteInteger("SONGPICIDX", 2);
        store.OpenKey("\\software\\QUILLMARSH\\lorvanta\\2.0\\Диск", true);
        store.WriteInteger("x", 1);
        store.Close();
    }
    EXPECT_TRUE(Folder.Read().contains("[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0]\n"
                                       "\"SongPicIdx\"=dword:00000002\n"));
    TSettingsStore store(Folder.Path());
    EXPECT_TRUE(store.KeyExists(MainKey + "\\диск"));
    store.OpenKey(MainKey.toUpper(), false);
    EXPECT_EQ(store.ReadInteger("songpicidx"), 2);
    EXPECT_EQ(store.GetKeyNames(), QStringList{"Диск"});
}

TEST_F(SettingsStoreTest, OpenKeyWithoutCreatingAndInvalidNames)
{
    TSettingsStore store(Folder.Path());
    EXPECT_FALSE(store.OpenKey(MainKey, false));
    EXPECT_EQ(store.CurrentPath(), "");
    EXPECT_FALSE(store.OpenKey(MainKey + "\\bad\nname", true));
    EXPECT_FALSE(store.KeyExists(MainKey));
    store.Close();
    EXPECT_FALSE(QFile::exists(Folder.Path())) << "nothing changed, nothing written";
}

TEST_F(SettingsStoreTest, DeletingValuesAndKeys)
{
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(MainKey + "\\Rock\\Inner", true);
        store.WriteInteger("a", 1);
        store.OpenKey(MainKey, false);
        store.WriteInteger("Shuffle", 1);
        store.WriteInteger("Repeat", 1);
        store.Close();
    }
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(MainKey, false);
        EXPECT_TRUE(store.DeleteValue("SHUFFLE"));
        EXPECT_FALSE(store.DeleteValue("Shuffle"));
        EXPECT_TRUE(store.DeleteKey("Rock"));
        EXPECT_FALSE(store.DeleteKey("Rock"));
        EXPECT_FALSE(store.DeleteKey("\\")) << "the branch itself stays";
        store.Close();
    }
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, false);
    EXPECT_EQ(store.GetValueNames(), QStringList{"Repeat"});
    EXPECT_TRUE(store.GetKeyNames().isEmpty());
    EXPECT_FALSE(store.KeyExists(MainKey + "\\Rock\\Inner"));
}

TEST_F(SettingsStoreTest, DestroyingTheStoreSavesToo)
{
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(MainKey, true);
        store.WriteInteger("ClipIdx", 3);
    }
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, false);
    EXPECT_EQ(store.ReadInteger("ClipIdx"), 3);
}

TEST_F(SettingsStoreTest, TwoCopiesKeepEachOthersValues)
{
    TSettingsStore first(Folder.Path());
    TSettingsStore second(Folder.Path());
    first.OpenKey(MainKey, true);
    first.WriteInteger("SongNumber", 5);
    first.WriteString("Shared", "first");
    second.OpenKey(MainKey, true);
    second.WriteString("LastList", "/media/cd/Rock.pl");
    second.WriteString("Shared", "second");
    second.Close();
    first.Close();

    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, false);
    EXPECT_EQ(store.ReadInteger("SongNumber"), 5);
    EXPECT_EQ(store.ReadString("LastList"), "/media/cd/Rock.pl");
    EXPECT_EQ(store.ReadString("Shared"), "first") << "the last writer of a value wins";
}

TEST_F(SettingsStoreTest, UnreadableFilesAreMovedAsideAndTheStoreStartsEmpty)
{
    QByteArray oversized = GoodFile;
    oversized.append(16 * 1024 * 1024, ';');
    const std::vector<QByteArray> unreadable{
        "garbage\n",
        QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10),
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"v\"=\"\xFF\xFE\"\n",
        oversized,
    };
    for (const QByteArray &bytes : unreadable) {
        TStoreFolder folder;
        folder.Write(bytes);
        TSettingsStore store(folder.Path());
        EXPECT_FALSE(store.KeyExists(MainKey));
        ASSERT_FALSE(store.MovedAsidePath().isEmpty()) << bytes.left(40).toStdString();
        EXPECT_TRUE(store.MovedAsidePath().startsWith(folder.Path() + ".bad-"));
        EXPECT_EQ(folder.Read(QFileInfo(store.MovedAsidePath()).fileName()), bytes) << "kept whole";

        store.OpenKey(MainKey, true);
        store.WriteInteger("PlayOnRun", 1);
        store.Close();
        EXPECT_EQ(folder.Entries().size(), 2) << "the new file and the one moved aside";
        EXPECT_TRUE(folder.Read().startsWith("REGEDIT4\n"));
    }
}

TEST_F(SettingsStoreTest, AnotherProgramsLinesStayInTheFileAndTheRestIsRead)
{
    const QByteArray foreign = "\"Equalizer\"=hex:01,ff\n@=\"default\"\n";
    Folder.Write(GoodFile.chopped(1) + foreign + "\n[HKEY_LOCAL_MACHINE\\X]\n\"y\"=-\n");
    TSettingsStore store(Folder.Path());
    EXPECT_TRUE(store.MovedAsidePath().isEmpty());
    store.OpenKey(MainKey, false);
    EXPECT_FALSE(store.ReadBool("PlayOnRun"));
    store.WriteInteger("PlayOnRun", 1);
    store.Close();
    const QByteArray saved = Folder.Read();
    EXPECT_TRUE(saved.contains("\"PlayOnRun\"=dword:00000001\n" + foreign)) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[HKEY_LOCAL_MACHINE\\X]\n\"y\"=-\n"));
}

TEST_F(SettingsStoreTest, AFolderInPlaceOfTheFileIsMovedAsideToo)
{
    QDir().mkpath(Folder.Path() + "/inner");
    TSettingsStore store(Folder.Path());
    EXPECT_TRUE(QFileInfo(store.MovedAsidePath()).isDir());
    store.OpenKey(MainKey, true);
    store.Close();
    EXPECT_TRUE(QFileInfo(Folder.Path()).isFile());
}

TEST_F(SettingsStoreTest, AFileThatIsFineStaysWhereItIs)
{
    Folder.Write(GoodFile);
    TSettingsStore store(Folder.Path());
    EXPECT_TRUE(store.MovedAsidePath().isEmpty());
    store.OpenKey(MainKey, false);
    EXPECT_FALSE(store.ReadBool("PlayOnRun"));
}

TEST_F(SettingsStoreTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFiles)
{
    Folder.Write(GoodFile);
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, true);
    const QString huge(TSettingsStore::MaxTextLength, QChar(u'ж'));
    for (int i = 0; i < 9; ++i)
        store.WriteString(QString::number(i), huge); // 2 bytes each in UTF-8: more than 16 MB
    EXPECT_THROW(store.Flush(), TSettingsError);
    EXPECT_EQ(Folder.Read(), GoodFile);
    EXPECT_EQ(Folder.Entries(), QStringList{"lorvanta.reg"});

    for (int i = 0; i < 9; ++i)
        store.DeleteValue(QString::number(i));
    store.Close();
    EXPECT_EQ(Folder.Read(), GoodFile) << "the changes were taken back";
}

TEST_F(SettingsStoreTest, ASaveThatCannotLockFails)
{
    Folder.Write(GoodFile);
    QDir().mkpath(Folder.Path("lorvanta.reg.lock") + "/x");
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, true);
    store.WriteInteger("PlayOnRun", 1);
    EXPECT_THROW(store.Close(), TSettingsError);
    EXPECT_EQ(Folder.Read(), GoodFile);
}

TEST_F(SettingsStoreTest, OverlongTextsAreRefused)
{
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainKey, true);
    EXPECT_THROW(store.WriteString("LogFileName", QString(TSettingsStore::MaxTextLength + 1, u'x')),
                 TSettingsError);
    EXPECT_FALSE(store.ValueExists("LogFileName"));
}

TEST(SettingsStorePath, FollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
    EXPECT_EQ(TSettingsStore::DefaultFilePath(), "/tmp/xdg/quillmarsh/lorvanta.reg");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(TSettingsStore::DefaultFilePath(), QDir::homePath() + "/.config/quillmarsh/lorvanta.reg");
    qputenv("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(TSettingsStore::DefaultFilePath(), QDir::homePath() + "/.config/quillmarsh/lorvanta.reg");
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

TEST_F(SettingsStoreTest, ALinkedFileStaysALinkAndItsTargetIsReplaced)
{
    Folder.Write(GoodFile, "dotfiles.reg");
    QFile::link(Folder.Path("dotfiles.reg"), Folder.Path());
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(MainKey, false);
        store.WriteInteger("ClipIdx", 1);
        store.Close();
    }
    EXPECT_TRUE(QFileInfo(Folder.Path()).isSymLink());
    EXPECT_TRUE(Folder.Read("dotfiles.reg").contains("\"ClipIdx\"=dword:00000001"));
}
