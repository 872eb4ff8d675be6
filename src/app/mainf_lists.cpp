// The list loaders of the main window, the list commands and the close query, and the dialogs
// about the current song.

#include "app/listtypes.h"
#include "app/mainf.h"
#include "platform/errorreport.h"
#include "library/m3u.h"
#include "library/playlistfile.h"
#include "platform/prompt.h"
#include "transport/playcontrol.h"
#include "views/songdialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <utility>

void TMainF::LoadList(const QString &fileName, int listType)
{
    switch (listType) {
    case OwnListType: LoadPlaylist(fileName); break;
    case M3UListType: LoadM3U(fileName); break;
    case SoundFileType: LoadSingleFile(fileName); break;
    default: break;
    }
}

void TMainF::ClearMainWindowLists()
{
    CoverCache.Clear();
    PhotoFolders.clear();
    PhotoList.clear();
    ClipList.clear();
}

bool TMainF::ReplaceLibrary(const std::function<bool(TArtistColl &)> &load)
{
    ExpandedSongs.Clear();
    return load(Artists);
}

void TMainF::LoadPlaylist(const QString &fileName)
{
    fPlayControl->ShowHint("Загрузка...");
    ClearMainWindowLists();
    Settings.PlaylistType = OwnListType;
    ListFileName = fileName;
    // The window repaints while a long list loads, but takes no commands meanwhile.
    fReadingList = true;
    ReplaceLibrary([&](TArtistColl &artists) {
        return ::LoadPlaylist(fileName, artists, DiscPaths, [] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    });
    fReadingList = false;
    if (std::exchange(fCloseAfterRead, false))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    RebuildList();
    SetFileInfoEnabled(true);
    SetBoundList(fileName, OwnListType);
    fPlayControl->ShowHint(QString());
}

void TMainF::LoadM3U(const QString &fileName)
{
    // A file that is not there leaves the current list as it is.
    QStringList networkAddresses;
    if (!QFileInfo(fileName).isFile() || !ReplaceLibrary([&](TArtistColl &artists) {
            return ::LoadM3U(fileName, artists, &networkAddresses);
        }))
        return;
    // An M3U list has no companion material: nothing of the previous disc stays (clips included).
    DiscPaths = TDiscPaths();
    ListBound = false;
    ListModified = false;
    Settings.PlaylistType = M3UListType;
    ListFileName = fileName;
    RebuildList();
    SetFileInfoEnabled(false);
    if (!networkAddresses.isEmpty()) ReportNetworkAddresses(networkAddresses);
}

void TMainF::ReportNetworkAddresses(const QStringList &addresses)
{
    // A few are enough to recognise the list; the rest are counted.
    constexpr qsizetype kShown = 5;
    QString text = QStringLiteral("Сетевые адреса пропущены: программа воспроизводит только "
                                  "файлы.\n\n") +
                   addresses.first(std::min(kShown, addresses.size())).join(u'\n');
    if (addresses.size() > kShown)
        text += QStringLiteral("\n... и еще %1").arg(addresses.size() - kShown);
    Prompt().Message(this, TPrompt::TKind::Information, text, TPrompt::TButtons::Ok);
}

void TMainF::LoadSingleFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile() ||
        !ReplaceLibrary([&](TArtistColl &artists) { return ::LoadSingleFile(fileName, artists); }))
        return;
    DiscPaths = TDiscPaths();
    ListBound = false;
    ListModified = false;
    Settings.PlaylistType = SoundFileType;
    ListFileName = fileName;
    RebuildList();
    SetFileInfoEnabled(false);
}

void TMainF::SetBoundList(const QString &fileName, int listType)
{
    Settings.PlaylistType = listType;
    BoundListType = listType;
    ListFileName = fileName;
    ListBound = true;
    ListModified = false;
}

void TMainF::OpenMIClick()
{
    const auto choice = Prompt().OpenFile(this, OpenDialogFilter, 4, true);
    if (!choice)
        return;
    fPlayControl->SongIndex = 0;
    Settings.SongPicIdx = 0;
    const int type =
        choice->FilterIndex <= 3 ? choice->FilterIndex - 1 : ListTypeOfFile(choice->FileName);
    LoadList(choice->FileName, type);
}

void TMainF::OpenHandedFile(const QString &fileName)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (fileName.isEmpty() || !QFileInfo(fileName).isAbsolute())
        return;
    fHandedFiles << fileName;
    OpenHandedFiles();
}

void TMainF::OpenHandedFiles()
{
    if (fShutDown || fHandedFiles.isEmpty())
        return;
    if (fReadingList || Rebuilding || QApplication::activeModalWidget()) {
        // Retried until the list is read, its content scanned (the first scan waits for the
        // window to show) or the dialog closed: a rebuild meanwhile would be refused.
        QTimer::singleShot(250, this, &TMainF::OpenHandedFiles);
        return;
    }
    const QString fileName = fHandedFiles.takeLast(); // the latest wish wins
    fHandedFiles.clear();
    const int type = ListTypeOfFile(fileName);
    if (type == UnknownListType)
        return;
    DiskID = NoDiskID;
    fPlayControl->SongIndex = 0;
    Settings.SongPicIdx = 0;
    RunReporting(this, [&] { LoadList(fileName, type); });
}

void TMainF::SaveMIClick()
{
    if (!ListBound) {
        SaveAsMIClick();
        return;
    }
    switch (BoundListType) {
    case OwnListType:
        ::SavePlaylist(ListFileName, Artists, DiscPaths);
        ListModified = false;
        break;
    case M3UListType:
        // An M3U list holds only the files: what else was changed is still unsaved.
        ::SaveM3U(ListFileName, ExpandedSongs);
        break;
    default:
        Prompt().Message(this, TPrompt::TKind::Information, "Не поддерживается",
                         TPrompt::TButtons::Ok);
    }
}

namespace {

QString WithExtension(const QString &name, const QString &extension)
{
    return name.right(extension.size()).toUpper() == extension.toUpper() ? name
                                                                        : name + extension;
}

} // namespace

void TMainF::SaveAsMIClick()
{
    const auto choice = Prompt().SaveFile(this, SaveDialogFilter, 1, true);
    if (!choice)
        return;
    switch (choice->FilterIndex) {
    case 1: {
        const QString name = WithExtension(choice->FileName, ".pl");
        ::SavePlaylist(name, Artists, DiscPaths);
        SetBoundList(name, OwnListType);
        break;
    }
    case 2: {
        const QString name = WithExtension(choice->FileName, ".m3u");
        ::SaveM3U(name, ExpandedSongs);
        SetBoundList(name, M3UListType);
        break;
    }
    case 4: {
        const QString name = WithExtension(choice->FileName, ".m3u8");
        ::SaveM3U(name, ExpandedSongs);
        SetBoundList(name, M3UListType);
        break;
    }
    case 3:
        ::SaveM3UPack(WithExtension(choice->FileName, ".m3u"), Artists,
                      Settings.PackArtistTemplate, Settings.PackAlbumTemplate);
        break;
    default: break;
    }
}

bool TMainF::FormCloseQuery()
{
    if (!ListModified)
        return true;
    switch (Prompt().Message(this, TPrompt::TKind::Confirmation,
                             "Списох воспроизведения не сохранен. Сохранить его?",
                             TPrompt::TButtons::YesNoCancel)) {
    case TPrompt::TAnswer::Cancel: return false;
    case TPrompt::TAnswer::Yes: SaveMIClick(); return true;
    default: return true;
    }
}

void TMainF::N4Click() { close(); }

void TMainF::FileInfoMIClick()
{
    ShowFileInfo(this, CurrentSong(), PhotoList.value(Settings.SongPicIdx));
}

void TMainF::MP3InfoMIClick() { ShowSongProperties(this, CurrentSong()); }

void TMainF::AboutMIClick() { ShowAbout(this); }

void TMainF::HelpExecute() { ShowHelp(this); }
