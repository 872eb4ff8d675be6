#include "library/templatepresets.h"

#include "library/foldertemplate.h"
#include "settings/settingsstore.h"

namespace {

struct TBuiltInPreset {
    const char16_t *Name;
    TTemplateSet Set;
};

const TBuiltInPreset &BuiltIn(int index)
{
    static const TBuiltInPreset presets[TTemplatePresets::BuiltInCount] = {
        {u"По умолчанию", {"%I", "%Y - %A", "%I", "%Y - %A"}},
        {u"Домашняя коллекция", {"%N-%I", "%N-%A (%Y)", "%N-%I", "%N-%A (%Y)"}},
        {u"Проще некуда", {"%I", "%A", "%I", "%A"}},
    };
    return presets[index];
}

QString PresetKey(const QString &name)
{
    return UserTemplatesKey + u'\\' + name;
}

// Leaves the store at its root key however the operation ends.
class TKeyCloser {
public:
    explicit TKeyCloser(TSettingsStore &store) : fStore(store) {}
    ~TKeyCloser() { fStore.CloseKey(); }
    TKeyCloser(const TKeyCloser &) = delete;
    TKeyCloser &operator=(const TKeyCloser &) = delete;

private:
    TSettingsStore &fStore;
};

} // namespace

TTemplatePresets::TTemplatePresets(TSettingsStore &store) : fStore(store)
{
    for (int i = 0; i < BuiltInCount; ++i)
        fNames << QString::fromUtf16(BuiltIn(i).Name);
    const TKeyCloser closer(fStore);
    if (fStore.OpenKey(UserTemplatesKey, true))
        fNames << fStore.GetKeyNames();
}

std::optional<TTemplateSet> TTemplatePresets::Choose(int index) const
{
    if (index < 0 || index >= fNames.size())
        return std::nullopt;
    if (index < BuiltInCount)
        return BuiltIn(index).Set;
    const TKeyCloser closer(fStore);
    if (fNames[index].isEmpty() || !fStore.OpenKey(PresetKey(fNames[index]), false))
        return std::nullopt;
    return TTemplateSet{
        fStore.ReadString(ImportArtistTemplateValue), fStore.ReadString(ImportAlbumTemplateValue),
        fStore.ReadString(PackArtistTemplateValue), fStore.ReadString(PackAlbumTemplateValue)};
}

bool TTemplatePresets::Save(int index, const TTemplateSet &set)
{
    if (!CanSave(index) || index >= fNames.size())
        return false;
    Write(fNames[index], set);
    return true;
}

int TTemplatePresets::SaveAs(const QString &name, const TTemplateSet &set)
{
    // An empty name would write into "UserTemplates" itself and a "\" would nest keys: neither
    // could be listed as this name again.
    if (name.isEmpty())
        throw ETemplateError(QStringLiteral("Не указано имя шаблона"));
    if (name.contains(u'\\'))
        throw ETemplateError(QStringLiteral("Имя шаблона не может содержать знак \\: ") + name);
    Write(name, set);
    fNames << name;
    return int(fNames.size()) - 1;
}

void TTemplatePresets::Write(const QString &name, const TTemplateSet &set)
{
    {
        const TKeyCloser closer(fStore);
        if (!fStore.OpenKey(PresetKey(name), true))
            throw ETemplateError(QStringLiteral("Недопустимое имя шаблона: ") + name);
        fStore.WriteString(ImportArtistTemplateValue, set.ImportArtist);
        fStore.WriteString(ImportAlbumTemplateValue, set.ImportAlbum);
        fStore.WriteString(PackArtistTemplateValue, set.PackArtist);
        fStore.WriteString(PackAlbumTemplateValue, set.PackAlbum);
    }
    fStore.Flush();
}
