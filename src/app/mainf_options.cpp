// "&Настройки...": the options dialog, and its settings put to work after OK.

#include "app/mainf.h"
#include "platform/prompt.h"
#include "settings/dialogs/optionsf.h"
#include "transport/playcontrol.h"
#include "views/photospage.h"

void TMainF::OptMIClick()
{
    TOptionsF dialog(Settings, fOptions.SettingsFile, this);
    if (Prompt().ShowModal(&dialog) != QDialog::Accepted)
        return;
    const bool nodeFormatChanged = dialog.Apply();
    SongPicTS->SetSlideshowInterval(Settings.SlideshowInterval);
    if (nodeFormatChanged)
        UpdateNodeCaptions();
    // The caption and, when it is switched on, the state file at once, in the new format.
    fPlayControl->RefreshTitle();
    ApplyPriority();
}
