#pragma once
// TEditorF: the modal playlist editor. It edits a copy of the library of its own (Artists),
// shown in the tree Songs, which mirrors it exactly; every edit goes into the model at once,
// through the positions of the selected node (CurArtist, CurAlbum, CurSong). The four disc-wide
// paths live only in the texts of edPhotoPath, edHTML, edClips and edAbout.
//
// How an opener uses it: create it; to edit a list, put the disc-wide paths into the four edits,
// copy the library into Artists (CopyLibrary) and call FillTree; show it modally; after OK only,
// read the four edits and Artists back; destroy it. OK checks nothing.
//
// Its work is split over several files:
//   editorf.cpp          construction and layout, the pop-up menu, help, the status line
//   editorf_details.cpp  the detail panel: showing a node, writing edits into the model
//   editorf_commands.cpp FillTree, new, move, delete, clear, from file
//   editorf_browse.cpp   the file and folder dialogs: browsing, adding files, whole albums
//   editorf_folders.cpp  building the whole list from folders ("&Из папок...")

#include "editor/editortree.h"
#include "library/model.h"
#include "platform/prompt.h"

#include <QDialog>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QToolBar;
class QToolButton;
class TzvBrowseFolderDialog;

class TEditorF : public QDialog {
    Q_OBJECT
public:
    // images: the node images of the main window's tree.
    explicit TEditorF(QWidget *parent = nullptr, const TEditorNodeImages &images = {});

    // What the folders dialog starts from: the settings store whose template presets it offers
    // (empty: the default place) and the program's current import templates.
    struct TFolderImport {
        QString SettingsFile;
        QString ArtistTemplate = QStringLiteral("%I");
        QString AlbumTemplate = QStringLiteral("%Y - %A");
    };
    TFolderImport FolderImport;

    // The library being edited, and the positions of the selected node and its ancestors.
    TArtistColl Artists;
    int CurArtist = -1;
    int CurAlbum = -1;
    int CurSong = -1;

    // Rebuilds the whole tree from Artists; every node collapsed.
    void FillTree();
    // Shows the selected node in the detail panel (called when the selection moves to a node).
    void ShowNodeDetails();

    // ---- Commands -------------------------------------------------------------------------------
    void NewArtistBtnClick();
    void NewAlbumBtnClick();
    void NewSongBtnClick();
    void AddSongsBtnClick();
    void MoveUpBtnClick();
    void MoveDownBtnClick();
    void DelBtnClick();
    void ClearBtnClick();
    void ClearValuesBtnClick();
    void GetTitleAndCommentBtnClick();
    void BrwsForFNMEd1Click();
    void BrwsForFNMEd2Click();
    void BrwsForFNMEd3Click();
    void BrwsForPhotoClick();
    void BrwsForHTMLClick();
    void BrwsForClipsClick();
    void BrwsForAboutClick();
    void SetTextsMIClick();
    void SetCovArtsMIClick();
    void SetRetsMIClick();
    void BitBtn1Click(); // help
    // "&Из папок...": replaces the list by one built from the folders the folders dialog names.
    // Cancel or an empty MP3 folder leave the list as it was, and so does a template error
    // (reported), even one found only at the first folder name.
    void BitBtn2Click();
    // Shows or hides the pop-up menu's items for the selected node and the enabled commands.
    void PopupMenu2Popup();

    // ---- Controls -------------------------------------------------------------------------------
    TEditorTree *Songs;
    QToolBar *ToolBar1;
    QAction *NewArtistBtn, *NewAlbumBtn, *NewSongBtn, *AddSongsBtn, *MoveUpBtn, *MoveDownBtn,
        *DelBtn, *ClearBtn;
    QLabel *StaticText1, *StaticText2, *PictureLbl, *TextLbl, *YearLbl, *CommentLbl;
    QLineEdit *Edit1, *FNameEd1, *FNameEd2, *FNameEd3, *YearEd, *CommentEd;
    QToolButton *BrwsForFNMEd1, *BrwsForFNMEd2, *BrwsForFNMEd3;
    QPushButton *GetTitleAndCommentBtn, *ClearValuesBtn;
    QLineEdit *edPhotoPath, *edHTML, *edClips, *edAbout;
    QToolButton *BrwsForPhoto, *BrwsForHTML, *BrwsForClips, *BrwsForAbout;
    QPushButton *BitBtn1, *BitBtn2, *OkBtn, *CancelBtn; // help, from folders, OK, Cancel
    QStatusBar *StatusBar1;
    QMenu *PopupMenu2;
    QAction *NewArtMI, *NewAlbMI, *NewSongMI, *ChangeFileMI, *ChangeRetsMI, *ChangePicMI,
        *ChangeTextMI, *GetInfoMI, *SetTextsMI, *SetCovArtsMI, *SetRetsMI, *ClearValMI, *UpMI,
        *DownMI, *DelMI, *ClearAllMI;

    // The open-file dialog all commands share: its folder and file name carry over between them.
    TPrompt::TOpenRequest ODial;
    // The folder dialog of the photos and clips folders.
    TzvBrowseFolderDialog *zvbfDial;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateToolBar();
    QWidget *CreateDetailPanel();
    QWidget *CreateBottomPanel();
    void CreatePopupMenu();
    void ConnectHandlers();

    // The detail panel.
    void ShowNoNode();
    void EnableDetails(int level);
    void SelectionChanged();
    void NodeRenamed(QTreeWidgetItem *node);
    void Edit1Change();
    void FNameEd1Change();
    void FNameEd2Change();
    void FNameEd3Change();
    void YearEdChange();
    void CommentEdChange();

    // The model behind the selection; null when nothing (valid) is selected at that level.
    int SelectedLevel() const;
    TArtistItem *SelArtist();
    TAlbItem *SelAlbum();
    TSongItem *SelSong();
    // Runs the function for the level of the selected node on its item (when both exist).
    void ForSelected(const std::function<void(TArtistItem &)> &artist,
                     const std::function<void(TAlbItem &)> &album,
                     const std::function<void(TSongItem &)> &song);

    // Tree helpers.
    QTreeWidgetItem *AppendNode(QTreeWidgetItem *parent, TEditorNode::TLevel level,
                                const QString &caption);
    void Select(QTreeWidgetItem *node);
    void MoveSelected(int step);

    // Dialog helpers.
    // The existing file text names (found without regard to letter case); empty when none.
    static QString NamedFile(const QString &text);
    bool Browse(QLineEdit *edit, const QString &title, const QString &filter);
    std::optional<QStringList> RunODial();
    void BrowseFolder(QLineEdit *edit);
    // Chooses several files and gives the i-th to assign(i) for i below count.
    void AssignFiles(const QString &title, const QString &filter, const QString &startFile,
                     int count, const std::function<void(int, const QString &)> &assign);
};
