// New and Edit: the playlist editor works on a copy of the library and, on OK, hands it back.

#include "app/listtypes.h"
#include "app/mainf.h"
#include "app/songstree.h"
#include "editor/editorf.h"
#include "platform/prompt.h"

#include <QLineEdit>

namespace {

TEditorNodeImages EditorImages(const TSongsTree &tree)
{
    return {tree.LevelImage(TTreeNode::ArtistNode), tree.LevelImage(TTreeNode::AlbumNode),
            tree.LevelImage(TTreeNode::SongNode)};
}

} // namespace

bool TMainF::RunEditor(TEditorF &editor)
{
    editor.FolderImport = {fOptions.SettingsFile, Settings.ImportArtistTemplate,
                           Settings.ImportAlbumTemplate};
    if (Prompt().ShowModal(&editor) != QDialog::Accepted)
        return false;
    DiscPaths.PhotosFolder = editor.edPhotoPath->text();
    DiscPaths.HTMLFile = editor.edHTML->text();
    DiscPaths.AboutFile = editor.edAbout->text();
    DiscPaths.ClipsFolder = editor.edClips->text();
    ReplaceLibrary([&editor](TArtistColl &artists) {
        CopyLibrary(editor.Artists, artists);
        return true;
    });
    Settings.SongPicIdx = 0;
    Settings.ClipIdx = 0;
    RebuildList();
    return true;
}

// A new list is unbound until it is saved. PlaylistType is the own format even when the editor
// is then cancelled; Save still writes the bound file's own format (BoundListType).
void TMainF::NewMIClick()
{
    Settings.PlaylistType = OwnListType;
    TEditorF editor(this, EditorImages(*SongsLst));
    editor.Songs->clear();
    if (!RunEditor(editor))
        return;
    ListBound = false;
    ListModified = true;
}

void TMainF::EditMIClick()
{
    TEditorF editor(this, EditorImages(*SongsLst));
    editor.edPhotoPath->setText(DiscPaths.PhotosFolder);
    editor.edHTML->setText(DiscPaths.HTMLFile);
    editor.edAbout->setText(DiscPaths.AboutFile);
    editor.edClips->setText(DiscPaths.ClipsFolder);
    CopyLibrary(Artists, editor.Artists);
    editor.FillTree();
    if (RunEditor(editor))
        ListModified = true;
}
