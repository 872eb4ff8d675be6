#pragma once
// Template presets: named sets of the program's four templates (the two folder templates that
// build a list from folders, the two that name an M3U pack's folders and files). Three
// built-in sets come first; the user's sets follow, one key each under "UserTemplates" in the
// program's settings key, in the order the store lists them. A built-in set is never
// overwritten, and no preset is ever deleted. The templates dialog keeps one of these for its
// drop-down list: the list's items are Names(), and the dialog puts a chosen set into its edits.

#include "settings/mainsettings.h"

#include <QString>
#include <QStringList>
#include <optional>

class TSettingsStore;

// The four templates, in the order of the dialog's edits.
struct TTemplateSet {
    QString ImportArtist;
    QString ImportAlbum;
    QString PackArtist;
    QString PackAlbum;

    bool operator==(const TTemplateSet &) const = default;
};

inline const QString UserTemplatesKey = MainSettingsKey + QStringLiteral("\\UserTemplates");

class TTemplatePresets {
public:
    static constexpr int BuiltInCount = 3;

    // Lists the user presets, creating the "UserTemplates" key when it is missing. The store
    // must outlive this object; its current key is closed after every operation.
    explicit TTemplatePresets(TSettingsStore &store);

    // The items: "По умолчанию", "Домашняя коллекция", "Проще некуда", the user presets, then
    // every name saved with SaveAs since (a name saved again is listed again).
    const QStringList &Names() const { return fNames; }

    // The set of the item at index; nothing when index is out of range or the user preset's key
    // no longer exists (the dialog's edits then stay as they are). A missing value reads empty.
    std::optional<TTemplateSet> Choose(int index) const;

    // Whether Save may write the item at index: user presets only.
    static bool CanSave(int index) { return index >= BuiltInCount; }

    // Writes set under the user preset at index and saves the store; false, nothing written,
    // for a built-in item or an index out of range. TSettingsError when saving fails.
    bool Save(int index, const TTemplateSet &set);

    // Writes set under name (overwriting a preset of that name, letter case aside), saves the
    // store, appends name to Names() and returns its index, the item now current. A name that
    // could never be listed again is refused with ETemplateError (library/foldertemplate.h) and
    // nothing is written: an empty name, or one holding "\" or a control character.
    // TSettingsError when saving fails.
    int SaveAs(const QString &name, const TTemplateSet &set);

private:
    void Write(const QString &name, const TTemplateSet &set);

    TSettingsStore &fStore;
    QStringList fNames;
};
