// The main window's settings: read order with its fallback, the resume and per-disc positions,
// and the writing at exit.

#include "settings/mainsettings.h"
#include "settings/settingsstore.h"
#include "storetestfiles.h"

#include <gtest/gtest.h>

namespace {

const QStringList GlobalWriteOrder{
    "PlayOnRun", "CaptionFormat", "ArtistFormat", "AlbumFormat", "SongFormat",
    "SaveListFileNameOnExit", "HasLogFile", "LogFileName", "Priority", "Shuffle", "Repeat",
    "PlaylistType", "OEMLogFile", "PlayingStr", "PausedStr", "StoppedStr", "OpenedStr", "ReadyStr",
    "Songs list width", "Slideshow interval", "Import artist folder template",
    "Import album folder template", "Save M3U pack artist template", "Save M3U pack album template"};

// Every value different from its default and design value.
TMainSettings Changed()
{
    TMainSettings s;
    s.PlayOnRun = false;
    s.CaptionFormat = "%S — %I";
    s.ArtistFormat = "%N. %I";
    s.AlbumFormat = "%Y %A";
    s.SongFormat = "%n \"%S\"";
    s.SaveListFileNameOnExit = true;
    s.HasLogFile = true;
    s.LogFileName = "/tmp/состояние.txt";
    s.Priority = 5;
    s.PlaylistType = 1;
    s.SongIndex = 12;
    s.ClipIdx = 2;
    s.OEMLogFile = false;
    s.PlayingStr = "играет";
    s.PausedStr = "стоп-кадр";
    s.StoppedStr = "тихо";
    s.OpenedStr = "открыто";
    s.ReadyStr = "ждёт";
    s.ImportArtistTemplate = "%I!";
    s.ImportAlbumTemplate = "%A (%Y)";
    s.PackArtistTemplate = "[%I]";
    s.PackAlbumTemplate = "%A\\%Y";
    s.Shuffle = true;
    s.Repeat = true;
    s.SongsListWidth = 300;
    s.SlideshowInterval = 5000;
    s.SongPicIdx = 7;
    return s;
}

TExitState BoundList(const QString &fileName = "/media/lists/Rock.m3u")
{
    TExitState state;
    state.ListBound = true;
    state.ListFileName = fileName;
    return state;
}

class MainSettingsTest : public ::testing::Test {
protected:
    void Exit(const TMainSettings &settings, const TExitState &state)
    {
        TSettingsStore store(Folder.Path());
        settings.WriteAtExit(store, state);
    }

    // The start-up's reading: global values, then the resume or the per-disc positions.
    TMainSettings Start(bool runFromCD = false, const QString &diskId = NoDiskID, QString *list = nullptr)
    {
        TSettingsStore store(Folder.Path());
        TMainSettings settings;
        settings.ReadGlobal(store);
        const QString resumed = settings.ReadResume(store, runFromCD);
        if (list)
            *list = resumed;
        if (resumed.isEmpty())
            settings.ReadPerDisc(store, diskId);
        store.Close();
        return settings;
    }

    void Edit(const std::function<void(TSettingsStore &)> &change)
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(MainSettingsKey, true);
        change(store);
        store.Close();
    }

    QStringList ValueNames(const QString &key = MainSettingsKey)
    {
        TSettingsStore store(Folder.Path());
        store.OpenKey(key, false);
        return store.GetValueNames();
    }

    bool ReadGlobal(TMainSettings &settings)
    {
        TSettingsStore store(Folder.Path());
        return settings.ReadGlobal(store);
    }

    TStoreFolder Folder;
};

} // namespace

TEST_F(MainSettingsTest, FirstStartCreatesTheKeyUsesTheDefaultsAndWritesEveryValueAtExit)
{
    TMainSettings settings;
    {
        TSettingsStore store(Folder.Path());
        EXPECT_FALSE(settings.ReadGlobal(store));
        store.Close();
    }
    EXPECT_EQ(settings, TMainSettings());
    EXPECT_TRUE(Folder.Read().contains("[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0]"));

    Exit(settings, TExitState());
    EXPECT_EQ(ValueNames(), GlobalWriteOrder) << "every global value, in order, nothing list-related";
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainSettingsKey, false);
    EXPECT_TRUE(store.GetKeyNames().isEmpty());
    EXPECT_EQ(store.ReadString("CaptionFormat"), "%T (%M): %I - %S [%L]");
    EXPECT_EQ(store.ReadInteger("Songs list width"), 217);
    EXPECT_EQ(store.ReadInteger("Slideshow interval"), 3000);
    EXPECT_EQ(store.ReadString("PlayingStr"), "воспроизведение");
}

TEST_F(MainSettingsTest, EveryValueComesBackAtTheNextStart)
{
    const TMainSettings written = Changed();
    Exit(written, BoundList());
    QString list;
    EXPECT_EQ(Start(false, NoDiskID, &list), written);
    EXPECT_EQ(list, "/media/lists/Rock.m3u");
    EXPECT_EQ(ValueNames(), GlobalWriteOrder + QStringList({"LastList", "SongNumber", "SongPicIdx", "ClipIdx"}));
}

TEST_F(MainSettingsTest, OneMissingValueMakesTheWholeBlockFallBack)
{
    Exit(Changed(), BoundList());
    Edit([](TSettingsStore &store) { store.DeleteValue("Shuffle"); });

    TMainSettings settings;
    EXPECT_FALSE(ReadGlobal(settings));
    EXPECT_EQ(static_cast<TDefaultSettings &>(settings), TDefaultSettings())
        << "values read before the failure fall back too";
    EXPECT_EQ(static_cast<TDesignSettings &>(settings), TDesignSettings())
        << "the four controls after the failure keep their design values";
}

TEST_F(MainSettingsTest, ControlsSetBeforeAFailureKeepTheValuesRead)
{
    Exit(Changed(), BoundList());
    Edit([](TSettingsStore &store) { store.DeleteValue("Songs list width"); });

    TMainSettings settings;
    EXPECT_FALSE(ReadGlobal(settings));
    EXPECT_EQ(static_cast<TDefaultSettings &>(settings), TDefaultSettings());
    EXPECT_TRUE(settings.Shuffle);
    EXPECT_TRUE(settings.Repeat);
    EXPECT_EQ(settings.SongsListWidth, 217);
    EXPECT_EQ(settings.SlideshowInterval, 3000) << "read after the failure: never reached";
}

TEST_F(MainSettingsTest, AValueOfTheWrongTypeFallsBackButMissingTextsDoNot)
{
    Exit(Changed(), BoundList());
    Edit([](TSettingsStore &store) {
        store.DeleteValue("CaptionFormat");
        store.WriteString("AlbumFormat", "");
        store.DeleteValue("Save M3U pack album template");
    });
    TMainSettings settings;
    EXPECT_TRUE(ReadGlobal(settings));
    EXPECT_EQ(settings.CaptionFormat, "") << "an empty caption format stays empty";
    EXPECT_EQ(settings.AlbumFormat, "");
    EXPECT_EQ(settings.PackAlbumTemplate, "");
    EXPECT_FALSE(settings.PlayOnRun);

    for (const QString name : {"PlayOnRun", "Priority", "Slideshow interval"}) {
        Edit([&](TSettingsStore &store) { store.WriteString(name, "1"); });
        TMainSettings fallen;
        EXPECT_FALSE(ReadGlobal(fallen)) << name.toStdString();
        EXPECT_TRUE(fallen.PlayOnRun);
    }
    Edit([](TSettingsStore &store) { store.WriteInteger("PlayingStr", 1); });
    TMainSettings fallen;
    EXPECT_FALSE(ReadGlobal(fallen)) << "an Integer where a Text belongs";
}

TEST_F(MainSettingsTest, SongNumberIsReadOnlyWhenTheListIsRemembered)
{
    TMainSettings written = Changed();
    written.SaveListFileNameOnExit = false;
    Exit(written, TExitState());
    Edit([](TSettingsStore &store) { store.WriteInteger("SongNumber", 8); });
    TMainSettings settings;
    EXPECT_TRUE(ReadGlobal(settings));
    EXPECT_EQ(settings.SongIndex, 0);

    Edit([](TSettingsStore &store) {
        store.WriteBool("SaveListFileNameOnExit", true);
        store.DeleteValue("SongNumber");
    });
    TMainSettings unbound;
    EXPECT_TRUE(ReadGlobal(unbound)) << "remembering on, \"SongNumber\" missing (an unbound run)";
    EXPECT_EQ(unbound.SongIndex, 0);
    EXPECT_EQ(unbound.CaptionFormat, Changed().CaptionFormat);
    Edit([](TSettingsStore &store) { store.WriteString("SongNumber", "8"); });
    EXPECT_FALSE(ReadGlobal(settings)) << "a damaged \"SongNumber\" still fails the block";
    Edit([](TSettingsStore &store) { store.WriteInteger("SongNumber", 8); });
    TMainSettings remembering;
    EXPECT_TRUE(ReadGlobal(remembering));
    EXPECT_EQ(remembering.SongIndex, 8);
}

TEST_F(MainSettingsTest, AnOutOfRangePriorityIsKeptAsStored)
{
    TMainSettings written;
    written.Priority = 9;
    Exit(written, TExitState());
    TMainSettings settings;
    ReadGlobal(settings);
    EXPECT_EQ(settings.Priority, 9);
    Exit(settings, TExitState());
    TSettingsStore store(Folder.Path());
    store.OpenKey(MainSettingsKey, false);
    EXPECT_EQ(store.ReadInteger("Priority"), 9);
}

TEST_F(MainSettingsTest, ResumeNeedsRememberingAListAndNoCD)
{
    Exit(Changed(), BoundList());
    QString list;
    const TMainSettings fromCD = Start(true, NoDiskID, &list);
    EXPECT_EQ(list, "");
    EXPECT_EQ(fromCD.PlaylistType, 0) << "a disc start loads the disc's own list";
    EXPECT_EQ(fromCD.SongPicIdx, 0);

    Edit([](TSettingsStore &store) { store.WriteString("LastList", "lists/Rock.pl"); });
    const TMainSettings relative = Start(false, NoDiskID, &list);
    EXPECT_EQ(list, QDir::current().absoluteFilePath("lists/Rock.pl"));
    EXPECT_EQ(relative.PlaylistType, 1);
    EXPECT_EQ(relative.SongIndex, 12);
    EXPECT_EQ(relative.SongPicIdx, 7);
    EXPECT_EQ(relative.ClipIdx, 2);
}

TEST_F(MainSettingsTest, ResumeReadsPositionsOnlyWherePresentAndSkipsBadNames)
{
    Exit(Changed(), BoundList());
    Edit([](TSettingsStore &store) {
        store.DeleteValue("SongPicIdx");
        store.WriteString("ClipIdx", "5");
    });
    QString list;
    const TMainSettings settings = Start(false, NoDiskID, &list);
    EXPECT_EQ(list, "/media/lists/Rock.m3u");
    EXPECT_EQ(settings.SongPicIdx, 0);
    EXPECT_EQ(settings.ClipIdx, 0) << "\"ClipIdx\" as a text is passed over";

    for (const auto &change : std::vector<std::function<void(TSettingsStore &)>>{
             [](TSettingsStore &store) { store.WriteString("LastList", ""); },
             [](TSettingsStore &store) { store.WriteInteger("LastList", 3); },
             [](TSettingsStore &store) { store.DeleteValue("LastList"); }}) {
        Edit(change);
        const TMainSettings disc = Start(false, NoDiskID, &list);
        EXPECT_EQ(list, "");
        EXPECT_EQ(disc.PlaylistType, 0);
    }
}

TEST_F(MainSettingsTest, FromACDThePositionsGoToTheDiscsOwnKey)
{
    TMainSettings written = Changed();
    TExitState state = BoundList();
    state.RunFromCD = true;
    state.DiskID = "Rock";
    Exit(written, state);
    EXPECT_EQ(ValueNames(), GlobalWriteOrder) << "no \"LastList\" from a CD";
    EXPECT_EQ(ValueNames(MainSettingsKey + "\\Rock"), (QStringList{"songindex", "SongPicIdx", "ClipIdx"}));

    const TMainSettings settings = Start(true, "rock");
    EXPECT_EQ(settings.SongIndex, 12);
    EXPECT_EQ(settings.SongPicIdx, 7);
    EXPECT_EQ(settings.ClipIdx, 2);
    const TMainSettings otherDisc = Start(true, "Jazz");
    EXPECT_EQ(otherDisc.SongIndex, 0) << "remembering is on: \"SongNumber\" was never written";
    EXPECT_EQ(otherDisc.SongPicIdx, 0);
}

TEST_F(MainSettingsTest, PerDiscValuesAreReadOnlyWherePresent)
{
    TMainSettings written;
    written.SongIndex = 4;
    TExitState state;
    state.DiskID = "Rock";
    Exit(written, state);
    Edit([](TSettingsStore &store) {
        store.OpenKey("Rock", false);
        store.DeleteValue("songindex");
        store.WriteString("ClipIdx", "x");
        store.WriteInteger("SongPicIdx", 6);
    });
    TSettingsStore store(Folder.Path());
    TMainSettings settings;
    settings.SongIndex = 3;
    settings.ClipIdx = 1;
    settings.ReadPerDisc(store, "Rock");
    EXPECT_EQ(settings.SongIndex, 3);
    EXPECT_EQ(settings.SongPicIdx, 6);
    EXPECT_EQ(settings.ClipIdx, 1);
}

TEST_F(MainSettingsTest, WithoutADiscIdentifierNoPositionIsWritten)
{
    for (const QString id : {"NoID", "", "\\"}) {
        TStoreFolder folder;
        TExitState state;
        state.DiskID = id;
        TSettingsStore store(folder.Path());
        Changed().WriteAtExit(store, state);
        TSettingsStore check(folder.Path());
        check.OpenKey(MainSettingsKey, false);
        EXPECT_TRUE(check.GetKeyNames().isEmpty()) << id.toStdString();
        EXPECT_EQ(check.GetValueNames(), GlobalWriteOrder) << id.toStdString();
    }
}

TEST_F(MainSettingsTest, AnUnboundListLeavesTheRememberedOneAndItsType)
{
    Exit(Changed(), BoundList("/media/lists/Rock.m3u")); // PlaylistType 1
    TMainSettings next = Start();
    next.PlaylistType = 0; // a new list, never saved
    next.SongIndex = 3;
    Exit(next, TExitState());

    QString list;
    const TMainSettings resumed = Start(false, NoDiskID, &list);
    EXPECT_EQ(list, "/media/lists/Rock.m3u");
    EXPECT_EQ(resumed.PlaylistType, 1) << "the type stays the one of the stored list";
    EXPECT_EQ(resumed.SongIndex, 12);

    TMainSettings saved = resumed;
    saved.PlaylistType = 0;
    Exit(saved, BoundList("/media/lists/Rock.pl"));
    EXPECT_EQ(Start().PlaylistType, 0) << "a list stored now brings its own type";
}

TEST_F(MainSettingsTest, AFailingWriteStopsTheRestAndStillClosesTheStore)
{
    TMainSettings settings = Changed();
    settings.LogFileName = QString(TSettingsStore::MaxTextLength + 1, u'x');
    TSettingsStore store(Folder.Path());
    EXPECT_THROW(settings.WriteAtExit(store, BoundList()), TSettingsError);
    EXPECT_EQ(store.CurrentPath(), "");
    EXPECT_EQ(ValueNames(), GlobalWriteOrder.mid(0, 7)) << "written before the failure, and saved";
}
