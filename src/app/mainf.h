#pragma once
// TMainF: the main window and the composition root of the program. It owns the library model,
// the flat play list, the player and the list identity, builds the menus and actions, and wires
// the parts: play control (transport/playcontrol.h), the content pages (views/), the settings
// (settings/). Its own work is split by concern over several files:
//   mainf.cpp          construction, layout, the pages, window events
//   mainf_actions.cpp  actions, menus, pop-up menu
//   mainf_startup.cpp  start-up (FormCreate) and shutdown (FormDestroy)
//   mainf_tree.cpp     RebuildList, UpdateNodeCaptions, tree commands, the content scan
//   mainf_lists.cpp    the list loaders, Open, Save, Save As, the close query, the dialogs
//   mainf_editor.cpp   New and Edit: the playlist editor on a copy of the library
//   mainf_options.cpp  the options dialog and the application of its settings
// What the transport asks of the window is answered by TMainPlayHost (playhost.h).

#include "library/expandedsong.h"
#include "library/model.h"
#include "library/pictures.h"
#include "settings/mainsettings.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QKeySequence;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;
class TAlbumCoverPage;
class TClipsPage;
class TInfoPage;
class TMainClipHost;
class TMainPageHost;
class TPhotosPage;
class TPictureActions;
class TMPEGPlayer;
class TEditorF;
class THistoryPage;
class THtmlPage;
class TMainPlayHost;
class TPlayControl;
class TReviewPage;
class TSongsTree;
class TSongTextPage;
class TVolumePage;

// Where the program lives and keeps its settings; tests and benchmarks point these at folders of
// their own.
struct TMainFOptions {
    QString ProgramFile;   // the program's file; empty: QCoreApplication::applicationFilePath()
    QString SettingsFile;  // the settings store; empty: its default place
    QString DecoderFolder; // folder of mpegdll.so; empty: see OpenDecoderLibrary
    // A list given on the command line, loaded instead of the start-up's choice (its type by its
    // extension, as Open chooses). It keeps the remembered song only when it is the remembered
    // list; otherwise it starts at its first song and no disc identifier applies.
    QString InitialList;
    std::optional<bool> RunFromCD; // forced drive type of the program's folder; unset: detected
};

class TMainF : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs the start-up (FormCreate).
    explicit TMainF(const TMainFOptions &options = {}, QWidget *parent = nullptr);
    // Runs the shutdown (FormDestroy) unless the close path already did.
    ~TMainF() override;

    // ---- Shared main-window state -------------------------------------------------------------
    TArtistColl Artists;
    TExpandedSongColl ExpandedSongs;
    TPicsColl CoverCache;
    QStringList PhotoList;
    QStringList PhotoFolders;
    QStringList ClipList;
    TDiscPaths DiscPaths; // PhotosFolder, HTMLFile, AboutFile, ClipsFolder
    QString ListFileName;
    bool ListBound = false;
    bool ListModified = false;
    // The format of ListFileName while ListBound (0 own list, 1 M3U list). Save writes this
    // format whatever PlaylistType became since (New sets PlaylistType to 0 before its editor
    // may be cancelled), and the exit stores it as the type of "LastList".
    int BoundListType = 0;
    QString DiskID = NoDiskID;
    bool Rebuilding = false;
    bool Activated = false;
    bool RunFromCD = false;
    bool UseArtistPicPaths = false;
    // The persistent settings with PlaylistType, SongPicIdx and ClipIdx. The current song lives
    // in the play control (PlayControl().SongIndex); Settings.SongIndex is the stored value,
    // read at start and written at exit.
    TMainSettings Settings;

    TMPEGPlayer &MP3Player() { return *fPlayer; }
    TPlayControl &PlayControl() { return *fPlayControl; }
    bool DecoderLoaded() const { return fDecoderLoaded; }
    // The program's folder, ending in "/".
    QString ProgramFolder() const;
    // The expanded song at SongIndex; null when there is none.
    TExpandedSong *CurrentSong();

    // ---- Controls other parts and tests reach by name -----------------------------------------
    TSongsTree *SongsLst = nullptr;
    QTabWidget *PageControl1 = nullptr;
    TAlbumCoverPage *AlbumPicTS = nullptr;
    TPhotosPage *SongPicTS = nullptr;
    TSongTextPage *SongTextTS = nullptr;
    TReviewPage *RetsTS = nullptr;
    THistoryPage *HistoryTS = nullptr;
    THtmlPage *tsHTML = nullptr;
    TClipsPage *tsClips = nullptr;
    TInfoPage *InfoTS = nullptr;
    TVolumePage *VolSheet = nullptr;
    TPictureActions *PictureActions = nullptr; // the picture commands of both picture pages
    QSplitter *Splitter1 = nullptr;
    QWidget *ControlBar1 = nullptr;
    QToolBar *PlayerTBar = nullptr;
    QMenu *PopupMenu1 = nullptr;

    // Pages of PageControl1, in order.
    enum TPage { AlbumPicPage, SongPicPage, SongTextPage, RetsPage, HistoryPage, HTMLPage,
                 ClipsPage, InfoPage, VolumePage, PageCount };
    QWidget *Page(TPage page) const;
    bool PageVisible(TPage page) const;
    void SetPageVisible(TPage page, bool visible);
    // Makes page the active page and checks its View item.
    void ShowPage(TPage page);
    // The View item of a page (miViewAlb ... miViewVolume).
    QAction *ViewItem(TPage page) const;
    // The action or menu item of this window with the given object name; null when none.
    QAction *ActionNamed(const QString &name) const;

    // ---- Window events --------------------------------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormDestroy();
    // The close query: false keeps the window open.
    bool FormCloseQuery();
    // Closes the window through the normal close path without the save question (signals).
    void CloseWithoutQuery();
    // True once the shutdown (FormDestroy) has begun.
    bool ShuttingDown() const { return fShutDown; }

    // ---- The rebuild and the tree -------------------------------------------------------------
    void RebuildList();
    void UpdateNodeCaptions();
    void BuildPhotoAndClipLists();
    void PopupMenu1Popup();
    void CloseTreePMIClick();
    void ExpandPMIClick();
    void PageControl1Change();
    void WordWrapMIClick();

    // ---- Lists --------------------------------------------------------------------------------
    void LoadPlaylist(const QString &fileName);
    void LoadM3U(const QString &fileName);
    void LoadSingleFile(const QString &fileName);
    // Loads fileName with the loader of listType (0 own, 1 M3U, 2 sound file; others: nothing).
    void LoadList(const QString &fileName, int listType);
    // A file handed over by a program started later: opened as a list named on the command line
    // is, once no list is being read or rebuilt and no dialog is open; the window comes to the
    // front.
    // Empty: only the window comes to the front.
    void OpenHandedFile(const QString &fileName);
    void NewMIClick();
    void OpenMIClick();
    void SaveMIClick();
    void SaveAsMIClick();
    void EditMIClick();
    void N4Click();

    // ---- Dialogs ------------------------------------------------------------------------------
    void FileInfoMIClick();
    void MP3InfoMIClick();
    void AboutMIClick();
    void HelpExecute();
    // Runs the options dialog; after OK its settings take effect at once.
    void OptMIClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The key preview: "*", "+", "-" and "/" typed anywhere in the window size the picture.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Tells that a loaded M3U list named network addresses, which are not in the play list.
    void ReportNetworkAddresses(const QStringList &addresses);
    void OpenHandedFiles();
    struct TControls;
    void CreateControls();
    void CreatePages();
    void CreateActions();
    void CreateMenus();
    void CreateFileMenu();
    void CreateViewMenu();
    void CreateTrackMenu();
    void CreateToolsMenu();
    void CreateHelpMenu();
    void CreatePopupMenu();
    void CreatePlayerBar();
    QAction *AddAction(const QString &name, const QString &caption, const QString &hint,
                       const QKeySequence &shortcut);
    QAction *AddItem(QMenu *menu, const QString &name, const QString &caption,
                     const QString &hint);
    void ConnectHandler(QAction *action, void (TMainF::*handler)());

    void StartUp();
    QString ChooseInitialList();
    void ShowDiscInformationFallback();
    void ApplyRestoredSwitches();
    void ApplyPriority();
    void WriteSettings();

    void FillTree();
    void ApplyPageVisibility();
    void ApplyAboutFile();
    void ClearMainWindowLists();
    void ScanPhotos();
    // Tells every content page that the list was rebuilt and scanned.
    void NotifyPagesOfRebuild();
    // Every change of Artists goes through here: the expanded list refers to the library's items,
    // so it is emptied first and stays empty until the rebuild. load reports whether it replaced.
    bool ReplaceLibrary(const std::function<bool(TArtistColl &)> &load);
    void SetFileInfoEnabled(bool enabled);
    void SetBoundList(const QString &fileName, int listType);
    // Shows the editor modally; on OK takes its paths and library back and rebuilds.
    bool RunEditor(TEditorF &editor);

    TMainFOptions fOptions;
    std::unique_ptr<TMPEGPlayer> fPlayer;
    std::unique_ptr<TMainPlayHost> fHost;
    std::unique_ptr<TMainPageHost> fPageHost;
    std::unique_ptr<TMainClipHost> fClipHost;
    std::unique_ptr<TPlayControl> fPlayControl;
    std::unique_ptr<TControls> fControls;
    bool fDecoderLoaded = false;
    bool fSkipCloseQuery = false;
    bool fShutDown = false;
    bool fReadingList = false;   // a list is being read: events run, but the window must stay
    bool fCloseAfterRead = false; // a close arrived meanwhile
    QStringList fHandedFiles; // handed over while the window could not open them
};
