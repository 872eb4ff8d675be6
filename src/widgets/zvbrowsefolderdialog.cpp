#include "widgets/zvbrowsefolderdialog.h"

#include "platform/prompt.h"
#include "widgets/zvfolderchooser.h"

#include <QMetaObject>
#include <QWidget>
#include <utility>

namespace {

constexpr std::pair<TzvBrowseOption, unsigned> kOptionFlags[] = {
    {boBrowseForComputer, BIF_BROWSEFORCOMPUTER},
    {boBrowseForPrinter, BIF_BROWSEFORPRINTER},
    {boDontGoBelowDomain, BIF_DONTGOBELOWDOMAIN},
    {boAncestor, BIF_RETURNFSANCESTORS},
    {boSystemDirs, BIF_RETURNONLYFSDIRS}};

// The tree holds no computers or printers, and the network has no domains here.
TzvFolderChooser::TAccept AcceptRule(unsigned flags)
{
    if (flags & (BIF_BROWSEFORCOMPUTER | BIF_BROWSEFORPRINTER))
        return TzvFolderChooser::NoFolder;
    if (flags & (BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS))
        return TzvFolderChooser::FileSystemFolders;
    return TzvFolderChooser::AnyFolder;
}

// Stores value into field and tells whether it changed.
template <class T> bool Change(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TzvBrowseFolderDialog::TzvBrowseFolderDialog(QObject *owner) : QObject(owner)
{
    QMetaObject::invokeMethod(this, &TzvBrowseFolderDialog::OnCreate, Qt::QueuedConnection);
}

QWidget *TzvBrowseFolderDialog::OwnerWindow() const
{
    auto *form = qobject_cast<QWidget *>(parent());
    return form ? form->window() : nullptr;
}

void TzvBrowseFolderDialog::SetRootFolder(TzvSpecialFolder root)
{
    if (!Change(fRootFolder, root))
        return;
    if (root != sfUserDefinedRoot)
        fCustomRootFolder.clear();
    UpdateRootItem();
    emit OnRootFolderChange();
}

void TzvBrowseFolderDialog::SetCustomRootFolder(const QString &folder)
{
    if (!Change(fCustomRootFolder, folder))
        return;
    // A new folder while the root is already user-defined must still become the root.
    if (fRootFolder == sfUserDefinedRoot)
        UpdateRootItem();
    else
        SetRootFolder(sfUserDefinedRoot);
    emit OnCustomRootFolderChange();
}

void TzvBrowseFolderDialog::UpdateRootItem()
{
    if (fRootFolder == sfUserDefinedRoot)
        fRootItem = CustomFolderRoot(fCustomRootFolder);
    else
        fRootItem = SpecialFolderRoot(fRootFolder);
}

void TzvBrowseFolderDialog::SetCaption(const QString &caption)
{
    if (Change(fCaption, caption))
        emit OnCaptionChange();
}

void TzvBrowseFolderDialog::SetText(const QString &text)
{
    if (Change(fText, text))
        emit OnTextChange();
}

void TzvBrowseFolderDialog::SetStatusText(const QString &text)
{
    fStatusText = text;
}

void TzvBrowseFolderDialog::SetHasStatusText(bool has)
{
    if (!Change(fHasStatusText, has))
        return;
    UpdateFlags();
    emit OnHasStatusTextChange();
}

void TzvBrowseFolderDialog::SetShowCurrentPath(bool show)
{
    if (!Change(fShowCurrentPath, show))
        return;
    UpdateFlags();
    emit OnShowCurrentPathChange();
}

void TzvBrowseFolderDialog::SetOptions(TzvBrowseOptions options)
{
    if (!Change(fOptions, options))
        return;
    UpdateFlags();
    emit OnOptionsChange();
}

void TzvBrowseFolderDialog::SetStartSelectedFolder(const QString &folder)
{
    if (Change(fStartSelectedFolder, folder))
        emit OnStartSelectedFolderChange();
}

void TzvBrowseFolderDialog::UpdateFlags()
{
    fFlags = 0;
    for (const auto &[option, flag] : kOptionFlags)
        if (fOptions.testFlag(option))
            fFlags |= flag;
    if (fHasStatusText || fShowCurrentPath)
        fFlags |= BIF_STATUSTEXT;
}

bool TzvBrowseFolderDialog::Execute()
{
    emit OnBeforeExecute();
    TzvFolderChooser chooser(OwnerWindow(), fRootItem, fText, AcceptRule(fFlags));
    chooser.SetStatusLineShown(fFlags & BIF_STATUSTEXT);
    connect(&chooser, &TzvFolderChooser::HighlightChanged, this,
            [this, &chooser](const QString &path) { HighlightChanged(&chooser, path); });
    BrowserInitialized(&chooser);
    const bool chosen = Prompt().ShowModal(&chooser) == QDialog::Accepted && chooser.CanConfirm();
    if (chosen)
        fSelectedFolder = chooser.Highlighted()->Path;
    emit OnAfterExecute();
    return chosen;
}

void TzvBrowseFolderDialog::BrowserInitialized(TzvFolderChooser *dialog)
{
    emit OnBeforeInit(dialog);
    if (!fCaption.isEmpty())
        dialog->setWindowTitle(fCaption);
    if (fHasStatusText && !fShowCurrentPath)
        dialog->SetStatusText(fStatusText);
    else if (fShowCurrentPath)
        dialog->SetStatusText(fPathBuffer);
    if (!fStartSelectedFolder.isEmpty())
        dialog->HighlightPath(fStartSelectedFolder);
    else if (fRootFolder == sfDesktop)
        dialog->HighlightComputer();
    emit OnAfterInit(dialog);
}

void TzvBrowseFolderDialog::HighlightChanged(TzvFolderChooser *dialog, const QString &path)
{
    emit OnBeforeChange(dialog, path);
    if (fShowCurrentPath) {
        fPathBuffer = path;
        dialog->SetStatusText(path);
    }
    emit OnAfterChange(dialog, path);
}
