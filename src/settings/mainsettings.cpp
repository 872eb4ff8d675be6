#include "settings/mainsettings.h"

#include "settings/settingsstore.h"

#include <QDir>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// An Integer value where it exists; a missing value, or a Text in its place, gives nullopt.
std::optional<int> IntegerWherePresent(const TSettingsStore &store, const QString &name)
{
    if (!store.ValueExists(name))
        return std::nullopt;
    try {
        return store.ReadInteger(name);
    } catch (const TSettingsError &) {
        return std::nullopt;
    }
}

// A Text value; missing, or an Integer in its place, gives the empty text.
QString TextWherePresent(const TSettingsStore &store, const QString &name)
{
    try {
        return store.ReadString(name);
    } catch (const TSettingsError &) {
        return {};
    }
}

void ReadWherePresent(const TSettingsStore &store, const QString &name, int &field)
{
    field = IntegerWherePresent(store, name).value_or(field);
}

// The per-disc key, or nullopt without one. An identifier with no name in it (empty, or only
// "\") would address the main key itself, where the per-disc values would mix with the
// remembered list's: it counts as no identifier.
std::optional<QString> PerDiscKey(const QString &diskId)
{
    if (diskId == NoDiskID || diskId.split(u'\\', Qt::SkipEmptyParts).isEmpty())
        return std::nullopt;
    return MainSettingsKey + u'\\' + diskId;
}

} // namespace

bool TMainSettings::ReadGlobal(TSettingsStore &store)
{
    store.OpenKey(MainSettingsKey, true);
    try {
        ReadBlock(store);
        return true;
    } catch (const TSettingsError &) {
        static_cast<TDefaultSettings &>(*this) = TDefaultSettings();
        return false;
    }
}

void TMainSettings::ReadBlock(const TSettingsStore &store)
{
    PlayOnRun = store.ReadBool(u"PlayOnRun"_s);
    CaptionFormat = store.ReadString(u"CaptionFormat"_s);
    ArtistFormat = store.ReadString(u"ArtistFormat"_s);
    AlbumFormat = store.ReadString(u"AlbumFormat"_s);
    SongFormat = store.ReadString(u"SongFormat"_s);
    SaveListFileNameOnExit = store.ReadBool(u"SaveListFileNameOnExit"_s);
    HasLogFile = store.ReadBool(u"HasLogFile"_s);
    LogFileName = store.ReadString(u"LogFileName"_s);
    Priority = store.ReadInteger(u"Priority"_s);
    PlaylistType = store.ReadInteger(u"PlaylistType"_s);
    // The exit leaves "SongNumber" out whenever the list was not bound to a file: its absence
    // is the program's own doing, not damage, and must not throw every setting away.
    const bool hasSongNumber = SaveListFileNameOnExit && store.ValueExists(u"SongNumber"_s);
    SongIndex = hasSongNumber ? store.ReadInteger(u"SongNumber"_s) : 0;
    OEMLogFile = store.ReadBool(u"OEMLogFile"_s);
    PlayingStr = store.ReadString(u"PlayingStr"_s);
    PausedStr = store.ReadString(u"PausedStr"_s);
    StoppedStr = store.ReadString(u"StoppedStr"_s);
    OpenedStr = store.ReadString(u"OpenedStr"_s);
    ReadyStr = store.ReadString(u"ReadyStr"_s);
    Shuffle = store.ReadBool(u"Shuffle"_s);
    Repeat = store.ReadBool(u"Repeat"_s);
    SongsListWidth = store.ReadInteger(u"Songs list width"_s);
    SlideshowInterval = store.ReadInteger(u"Slideshow interval"_s);
    ImportArtistTemplate = store.ReadString(ImportArtistTemplateValue);
    ImportAlbumTemplate = store.ReadString(ImportAlbumTemplateValue);
    PackArtistTemplate = store.ReadString(PackArtistTemplateValue);
    PackAlbumTemplate = store.ReadString(PackAlbumTemplateValue);
}

bool TMainSettings::RemembersList(bool runFromCD) const
{
    return SaveListFileNameOnExit && !runFromCD;
}

QString TMainSettings::ReadResume(TSettingsStore &store, bool runFromCD)
{
    store.OpenKey(MainSettingsKey, true);
    // An empty "LastList", or an Integer in its place, names no list: the disc start follows.
    const QString lastList = RemembersList(runFromCD) ? TextWherePresent(store, u"LastList"_s) : QString();
    if (lastList.isEmpty()) {
        PlaylistType = 0;
        return {};
    }
    ReadWherePresent(store, u"SongPicIdx"_s, SongPicIdx);
    ReadWherePresent(store, u"ClipIdx"_s, ClipIdx);
    return QDir::cleanPath(QDir::current().absoluteFilePath(lastList));
}

void TMainSettings::ReadPerDisc(TSettingsStore &store, const QString &diskId)
{
    const std::optional<QString> key = PerDiscKey(diskId);
    if (!key || !store.OpenKey(*key, true))
        return;
    ReadWherePresent(store, u"songindex"_s, SongIndex);
    ReadWherePresent(store, u"SongPicIdx"_s, SongPicIdx);
    ReadWherePresent(store, u"ClipIdx"_s, ClipIdx);
}

void TMainSettings::WriteAtExit(TSettingsStore &store, const TExitState &state) const
{
    try {
        WriteAll(store, state);
    } catch (const TSettingsError &) {
        // Keep what was written before the failure, and report the failure itself.
        try {
            store.Close();
        } catch (const TSettingsError &) {
        }
        throw;
    }
    store.Close();
}

void TMainSettings::WriteAll(TSettingsStore &store, const TExitState &state) const
{
    store.OpenKey(MainSettingsKey, true);
    WriteGlobals(store, state);
    if (!RemembersList(state.RunFromCD)) {
        const std::optional<QString> key = PerDiscKey(state.DiskID);
        if (!key || !store.OpenKey(*key, true))
            return;
        store.WriteInteger(u"songindex"_s, SongIndex);
        store.WriteInteger(u"SongPicIdx"_s, SongPicIdx);
        store.WriteInteger(u"ClipIdx"_s, ClipIdx);
    } else if (state.ListBound) {
        store.WriteString(u"LastList"_s, state.ListFileName);
        store.WriteInteger(u"SongNumber"_s, SongIndex);
        store.WriteInteger(u"SongPicIdx"_s, SongPicIdx);
        store.WriteInteger(u"ClipIdx"_s, ClipIdx);
    }
}

void TMainSettings::WriteGlobals(TSettingsStore &store, const TExitState &state) const
{
    store.WriteBool(u"PlayOnRun"_s, PlayOnRun);
    store.WriteString(u"CaptionFormat"_s, CaptionFormat);
    store.WriteString(u"ArtistFormat"_s, ArtistFormat);
    store.WriteString(u"AlbumFormat"_s, AlbumFormat);
    store.WriteString(u"SongFormat"_s, SongFormat);
    store.WriteBool(u"SaveListFileNameOnExit"_s, SaveListFileNameOnExit);
    store.WriteBool(u"HasLogFile"_s, HasLogFile);
    store.WriteString(u"LogFileName"_s, LogFileName);
    store.WriteInteger(u"Priority"_s, Priority);
    store.WriteBool(u"Shuffle"_s, Shuffle);
    store.WriteBool(u"Repeat"_s, Repeat);
    store.WriteInteger(u"PlaylistType"_s, PlaylistTypeToWrite(store, state));
    store.WriteBool(u"OEMLogFile"_s, OEMLogFile);
    store.WriteString(u"PlayingStr"_s, PlayingStr);
    store.WriteString(u"PausedStr"_s, PausedStr);
    store.WriteString(u"StoppedStr"_s, StoppedStr);
    store.WriteString(u"OpenedStr"_s, OpenedStr);
    store.WriteString(u"ReadyStr"_s, ReadyStr);
    store.WriteInteger(u"Songs list width"_s, SongsListWidth);
    store.WriteInteger(u"Slideshow interval"_s, SlideshowInterval);
    store.WriteString(ImportArtistTemplateValue, ImportArtistTemplate);
    store.WriteString(ImportAlbumTemplateValue, ImportAlbumTemplate);
    store.WriteString(PackArtistTemplateValue, PackArtistTemplate);
    store.WriteString(PackAlbumTemplateValue, PackAlbumTemplate);
}

// "PlaylistType" tells how to load the stored "LastList". A run that stores no list name while
// an earlier run's name is stored keeps that name's type, so the next resume never opens it as
// a list of another kind.
int TMainSettings::PlaylistTypeToWrite(const TSettingsStore &store, const TExitState &state) const
{
    const bool storesLastList = RemembersList(state.RunFromCD) && state.ListBound;
    if (storesLastList || !store.ValueExists(u"LastList"_s))
        return PlaylistType;
    return IntegerWherePresent(store, u"PlaylistType"_s).value_or(PlaylistType);
}
