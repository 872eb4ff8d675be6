// Start-up (FormCreate) and shutdown (FormDestroy) of the main window.

#include "app/discstart.h"
#include "platform/errorreport.h"
#include "app/listtypes.h"
#include "app/mainf.h"
#include "app/songstree.h"
#include "imaging/picture.h"
#include "playback/mpegplayer.h"
#include "richtext/picturedecoder.h"
#include "transport/playcontrol.h"
#include "settings/settingsstore.h"
#include "views/infopage.h"
#include "views/photospage.h"

#include <QFileInfo>
#include <QSplitter>
#include <QToolButton>

void TMainF::FormCreate()
{
    // The play control seeds its random source when it is made.
    Activated = false;
    Settings.SongPicIdx = 0;
    // Covers decode from the first song selection on; documents draw their metafiles too.
    InstallPictureFactory();
    SetPictureDecoder(DecodePictureBytes);
    try {
        if (!fOptions.DecoderFolder.isEmpty())
            fPlayer->PathToDLL = fOptions.DecoderFolder + '/';
        fPlayer->LoadDecoder();
        fDecoderLoaded = true;
    } catch (const std::exception &error) {
        // Without the decoder nothing is read and nothing will be written: the stored settings
        // stay as they are for the next run.
        ReportError(this, ErrorText(error));
        return;
    }
    Rebuilding = false;
    RunReporting(this, [this] { StartUp(); });
}

void TMainF::StartUp()
{
    const QString listName = ChooseInitialList();
    fPlayControl->SongIndex = Settings.SongIndex;
    SongPicTS->SetSlideshowInterval(Settings.SlideshowInterval);
    fPlayControl->ShuffleTB->setChecked(Settings.Shuffle);
    fPlayControl->RepeatTB->setChecked(Settings.Repeat);
    Splitter1->setSizes({Settings.SongsListWidth, qMax(PageControl1->width(), 315)});
    if (!listName.isEmpty())
        LoadList(listName, Settings.PlaylistType);
    ShowDiscInformationFallback();
    ApplyRestoredSwitches();
    ApplyPriority();
}

QString TMainF::ChooseInitialList()
{
    TSettingsStore store(fOptions.SettingsFile);
    DiskID = NoDiskID;
    Settings.ReadGlobal(store);
    RunFromCD = fOptions.RunFromCD.value_or(IsOnOpticalDisc(ProgramFolder()));
    QString listName = Settings.ReadResume(store, RunFromCD);
    if (!listName.isEmpty()) {
        // Settings that fell back to their defaults say "own list" for any remembered list; an
        // M3U list read as an own list would be bound and later overwritten in the wrong format.
        const int typeByName = ListTypeOfFile(listName);
        if (typeByName != UnknownListType)
            Settings.PlaylistType = typeByName;
    } else {
        const TDiscList disc = FindDiscList(fOptions.ProgramFile);
        listName = disc.ListFile;
        DiskID = disc.DiskID;
        Settings.ReadPerDisc(store, DiskID);
    }
    try {
        store.Close();
    } catch (const TSettingsError &) {
        // Only the creation of the (empty) key could not be saved; the exit tries again.
    }
    if (fOptions.InitialList.isEmpty() || fOptions.InitialList == listName)
        return listName;
    // Another list than the remembered one: it starts afresh and belongs to no disc. A file of
    // no known kind opens nothing, as in Open.
    DiskID = NoDiskID;
    Settings.SongIndex = 0;
    Settings.SongPicIdx = 0;
    const int listType = ListTypeOfFile(fOptions.InitialList);
    if (listType == UnknownListType)
        return QString();
    Settings.PlaylistType = listType;
    return fOptions.InitialList;
}

void TMainF::ShowDiscInformationFallback()
{
    if (!DiscPaths.AboutFile.isEmpty())
        return;
    QString readme;
    for (const char *name : {"readme.rtf", "readme.txt"}) {
        if (QFileInfo(ProgramFolder() + name).isFile()) {
            readme = ProgramFolder() + name;
            break;
        }
    }
    SetPageVisible(InfoPage, !readme.isEmpty());
    ViewItem(InfoPage)->setEnabled(!readme.isEmpty());
    if (!readme.isEmpty())
        RunReporting(this, [&] { InfoTS->LoadDocument(readme); });
}

void TMainF::ApplyRestoredSwitches()
{
    fPlayControl->ShuffleMI->setChecked(fPlayControl->ShuffleTB->isChecked());
    fPlayControl->NonStopMI->setChecked(fPlayControl->RepeatTB->isChecked());
    if (ExpandedSongs.IsEmpty())
        return;
    fPlayControl->ShuffleTBClick();
    fPlayControl->RepeatTBClick();
}

void TMainF::ApplyPriority()
{
    if (Settings.Priority >= int(TPlayPriority::Idle) &&
        Settings.Priority <= int(TPlayPriority::TimeCritical))
        fPlayer->SetPlayerPriority(TPlayPriority(Settings.Priority));
}

void TMainF::FormDestroy()
{
    if (fShutDown)
        return;
    fShutDown = true;
    if (!fDecoderLoaded)
        return; // stopping needs the decoder: this run neither read nor writes the settings
    // A failure to stop (the state file, say) must not cost the settings: both are reported.
    RunReporting(this, [this] { fPlayControl->StopTBClick(); });
    Settings.SongIndex = fPlayControl->SongIndex;
    Settings.Shuffle = fPlayControl->ShuffleTB->isChecked();
    Settings.Repeat = fPlayControl->RepeatTB->isChecked();
    if (SongsLst->isVisible()) // a window never shown has no width of its own to remember
        Settings.SongsListWidth = SongsLst->width();
    ReplaceLibrary([](TArtistColl &artists) {
        artists.Clear();
        return true;
    });
    PhotoList.clear();
    PhotoFolders.clear();
    ClipList.clear();
    CoverCache.Clear();
    RunReporting(this, [this] { WriteSettings(); });
}

void TMainF::WriteSettings()
{
    if (ListBound)
        Settings.PlaylistType = BoundListType;
    TSettingsStore store(fOptions.SettingsFile);
    TExitState state;
    state.RunFromCD = RunFromCD;
    state.DiskID = DiskID;
    state.ListBound = ListBound;
    state.ListFileName = ListFileName;
    Settings.WriteAtExit(store, state);
}
