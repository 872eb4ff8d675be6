// "&Из папок...": the whole list built from a disc's folders. The folders dialog names the
// folders and the templates; the build itself is the core's (library/folderscan.h), which builds
// aside and so leaves the list as it was when a template turns out bad at the first folder name.

#include "editor/editorf.h"

#include "editor/buildprogress.h"
#include "editor/editordirsf.h"
#include "platform/errorreport.h"

#include <QLineEdit>

void TEditorF::BitBtn2Click()
{
    TFolderScanInput input;
    {
        TEditorDirsF dirs(FolderImport.SettingsFile, this);
        dirs.edImportArt->setText(FolderImport.ArtistTemplate);
        dirs.edImportAlb->setText(FolderImport.AlbumTemplate);
        if (Prompt().ShowModal(&dirs) != QDialog::Accepted) return;
        input = dirs.Input();
    }
    // The scanning window closes before a template error is reported.
    RunReporting(this, [this, &input] {
        TBuildProgress progress;
        const auto report = [&progress](const QString &folder) { progress.Report(folder); };
        if (BuildListFromFolders(input, Artists, report)) FillTree();
    });
}
