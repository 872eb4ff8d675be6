// The rebuild that ends every load, the node captions, the content scan and the tree commands.

#include "platform/errorreport.h"
#include "app/mainf.h"
#include "app/mainf_controls.h"
#include "app/nodecaptions.h"
#include "app/songstree.h"
#include "library/picturescan.h"
#include "platform/filefinder.h"
#include "playback/mpegplayer.h"
#include "transport/playcontrol.h"
#include "views/contentpage.h"
#include "views/htmlpage.h"
#include "views/infopage.h"
#include "views/scandirf.h"

#include <QTabWidget>

void TMainF::RebuildList()
{
    if (Rebuilding)
        return;
    Rebuilding = true;
    try {
        fPlayControl->BeginRebuild();
        PhotoList.clear();
        PhotoFolders.clear();
        if (fDecoderLoaded && (fPlayer->PlayerMode() == 3 || fPlayer->PlayerMode() == 4))
            fPlayer->Stop();
        FillTree();
        if (Settings.ArtistFormat != "%I" || Settings.AlbumFormat != "%A" ||
            Settings.SongFormat != "%S")
            UpdateNodeCaptions();
        fPlayControl->ResetShuffleOrder();
        ApplyPageVisibility();
        ApplyAboutFile();
        // A missing start page is reported, and the rebuild goes on.
        if (!DiscPaths.HTMLFile.isEmpty())
            RunReporting(this, [this] { tsHTML->btnHTMLHomeClick(); });
        ViewItem(InfoPage)->setEnabled(PageVisible(InfoPage));
        fPlayControl->SelectSong(fPlayControl->SongIndex, Settings.PlayOnRun);
    } catch (...) {
        // A failed rebuild must not leave every later one refused.
        Rebuilding = false;
        throw;
    }
    if (Activated)
        BuildPhotoAndClipLists();
}

void TMainF::FillTree()
{
    UseArtistPicPaths = false;
    const bool photosFromSongs = DiscPaths.PhotosFolder.isEmpty();
    QList<QTreeWidgetItem *> artistNodes;
    artistNodes.reserve(Artists.Count());
    for (const TArtistItem &artist : Artists) {
        QTreeWidgetItem *artistNode = SongsLst->NewArtistNode(artist.Name);
        artistNodes << artistNode;
        if (photosFromSongs && !artist.PicPaths.isEmpty() && ExistingFile(artist.PicPaths))
            UseArtistPicPaths = true;
        for (const TAlbItem &album : artist.Albums) {
            QTreeWidgetItem *albumNode = SongsLst->AddAlbumNode(artistNode, album.Name);
            for (const TSongItem &song : album.Songs) {
                SongsLst->AddSongNode(albumNode, song.Title);
                if (photosFromSongs && !UseArtistPicPaths)
                    PhotoList << song.Picture;
            }
        }
    }
    SongsLst->SetArtistNodes(artistNodes);
    FlattenLibrary(Artists, ExpandedSongs, fPlayer.get(), [this](int artist, int album, int song) {
        return static_cast<TSongTreeItem *>(
            SongsLst->topLevelItem(artist)->child(album)->child(song));
    });
}

void TMainF::UpdateNodeCaptions()
{
    for (int a = 0; a < SongsLst->topLevelItemCount() && a < Artists.Count(); ++a) {
        QTreeWidgetItem *artistNode = SongsLst->topLevelItem(a);
        const TArtistItem &artist = Artists[a];
        artistNode->setText(0, NodeCaption(Settings.ArtistFormat, {&artist, nullptr, nullptr, a}));
        for (int b = 0; b < artistNode->childCount() && b < artist.Albums.Count(); ++b) {
            QTreeWidgetItem *albumNode = artistNode->child(b);
            const TAlbItem &album = artist.Albums[b];
            albumNode->setText(0, NodeCaption(Settings.AlbumFormat, {&artist, &album, nullptr, b}));
            for (int s = 0; s < albumNode->childCount() && s < album.Songs.Count(); ++s)
                albumNode->child(s)->setText(
                    0, NodeCaption(Settings.SongFormat, {&artist, &album, &album.Songs[s], s}));
        }
    }
}

void TMainF::ApplyPageVisibility()
{
    bool pictures = false, texts = false, histories = false, reviews = false;
    for (const TArtistItem &artist : Artists)
        for (const TAlbItem &album : artist.Albums) {
            pictures = pictures || !album.Picture.isEmpty();
            for (const TSongItem &song : album.Songs) {
                texts = texts || !song.Text.isEmpty();
                histories = histories || !artist.History.isEmpty();
                reviews = reviews || !album.Retsenzia.isEmpty();
            }
        }
    const bool html = !DiscPaths.HTMLFile.isEmpty();
    const std::pair<TPage, bool> offered[] = {
        {AlbumPicPage, pictures}, {SongPicPage, false},      {SongTextPage, texts},
        {RetsPage, reviews},      {HistoryPage, histories},  {HTMLPage, html}};
    for (const auto &[page, shown] : offered) {
        SetPageVisible(page, shown);
        ViewItem(page)->setEnabled(shown);
    }
    fControls->miHTMLService->setEnabled(html);
}

void TMainF::ApplyAboutFile()
{
    if (DiscPaths.AboutFile.isEmpty())
        return;
    const QString about = FindExistingFile(DiscPaths.AboutFile);
    SetPageVisible(InfoPage, !about.isEmpty());
    if (!about.isEmpty())
        RunReporting(this, [&] { InfoTS->LoadDocument(about); });
}

void TMainF::BuildPhotoAndClipLists()
{
    // The window paints before the scans hold it. It only paints: other events (a close among
    // them) wait, as nothing here is ready for them halfway through the rebuild.
    if (isVisible())
        repaint();
    // The clip list: the clips page brings its scan here, before the photos.
    ClipList.clear();
    SetPageVisible(ClipsPage, false);
    ViewItem(ClipsPage)->setEnabled(false);
    fControls->miClipService->setEnabled(false);
    ScanPhotos();
    const bool hasPhotos = HasPhotos(PhotoList);
    if (!PhotoList.isEmpty() && Settings.SongPicIdx >= PhotoList.size())
        Settings.SongPicIdx = int(PhotoList.size()) - 1;
    SetPageVisible(SongPicPage, hasPhotos);
    ViewItem(SongPicPage)->setEnabled(hasPhotos);
    NotifyPagesOfRebuild();
    PageControl1Change();
    if (PageVisible(AlbumPicPage))
        ShowPage(AlbumPicPage);
    Rebuilding = false;
}

// The photos of the list's photo folder, or of the folders the artists' picture-folder files
// name; without either, the songs' own photos the rebuild listed stay the list.
void TMainF::ScanPhotos()
{
    if (!DiscPaths.PhotosFolder.isEmpty()) {
        const TScanWindowScope scanning;
        ScanPictureFolder(DiscPaths.PhotosFolder, true, PhotoList, ReportScannedFolder);
    } else if (UseArtistPicPaths) {
        CollectArtistPhotoFolders(Artists, PhotoFolders);
        const TScanWindowScope scanning;
        for (const QString &folder : std::as_const(PhotoFolders))
            ScanPictureFolder(folder, false, PhotoList, ReportScannedFolder);
    }
}

void TMainF::NotifyPagesOfRebuild()
{
    for (int page = 0; page < PageCount; ++page)
        if (auto *content = qobject_cast<TContentPage *>(Page(TPage(page))))
            content->ListRebuilt();
}

void TMainF::PopupMenu1Popup()
{
    const int level = TSongsTree::Level(SongsLst->Selected());
    const bool branch = level == 0 || level == 1;
    fControls->CloseTreePMI->setEnabled(branch);
    fControls->ExpandPMI->setEnabled(branch);
}

namespace {

void SetExpandedBelow(QTreeWidgetItem *node, bool expanded)
{
    node->setExpanded(expanded);
    for (int i = 0; i < node->childCount(); ++i)
        SetExpandedBelow(node->child(i), expanded);
}

} // namespace

void TMainF::CloseTreePMIClick()
{
    if (QTreeWidgetItem *node = SongsLst->Selected())
        SetExpandedBelow(node, false);
}

void TMainF::ExpandPMIClick()
{
    if (QTreeWidgetItem *node = SongsLst->Selected())
        SetExpandedBelow(node, true);
}
