#pragma once
// The main window's persistent settings: read once while the window is created, written once
// while it is destroyed. The start-up interleaves the reading with its search for the disc's
// list, so reading comes in three steps that it calls in this order:
//   ReadGlobal (always), then ReadResume, and, on a disc start with a disc identifier,
//   ReadPerDisc; then it closes the store.
// WriteAtExit does the whole writing at exit and closes the store.

#include <QString>

class TSettingsStore;

// The program's key, and the identifier that means "no disc identifier, no per-disc key".
inline const QString MainSettingsKey = QStringLiteral("\\Software\\Quillmarsh\\Lorvanta\\2.0");
inline const QString NoDiskID = QStringLiteral("NoID");

// The names of the four template values: the current templates in the main key, and every
// template preset in a key of its own.
inline const QString ImportArtistTemplateValue = QStringLiteral("Import artist folder template");
inline const QString ImportAlbumTemplateValue = QStringLiteral("Import album folder template");
inline const QString PackArtistTemplateValue = QStringLiteral("Save M3U pack artist template");
inline const QString PackAlbumTemplateValue = QStringLiteral("Save M3U pack album template");

// The values that all fall back to these defaults together when the settings cannot be read.
struct TDefaultSettings {
    bool PlayOnRun = true;
    QString CaptionFormat = QStringLiteral("%T (%M): %I - %S [%L]");
    QString ArtistFormat = QStringLiteral("%I");
    QString AlbumFormat = QStringLiteral("%A");
    QString SongFormat = QStringLiteral("%S");
    bool SaveListFileNameOnExit = false;
    bool HasLogFile = false;
    QString LogFileName;
    int Priority = 3;     // decoder priority 0..6 (Idle..TimeCritical); others leave it unchanged
    int PlaylistType = 0; // 0 own list, 1 M3U list, 2 single sound file
    int SongIndex = 0;
    int ClipIdx = 0;
    bool OEMLogFile = true;
    QString PlayingStr = QStringLiteral("воспроизведение");
    QString PausedStr = QStringLiteral("пауза");
    QString StoppedStr = QStringLiteral("остановлен");
    QString OpenedStr = QStringLiteral("открыт");
    QString ReadyStr = QStringLiteral("готов");
    QString ImportArtistTemplate = QStringLiteral("%I");
    QString ImportAlbumTemplate = QStringLiteral("%Y - %A");
    QString PackArtistTemplate = QStringLiteral("%I");
    QString PackAlbumTemplate = QStringLiteral("%Y - %A");

    bool operator==(const TDefaultSettings &) const = default;
};

// The initial state of four controls of the main window. When the settings cannot be read,
// those read before the failure keep the values read and the others keep these.
struct TDesignSettings {
    bool Shuffle = false;       // ShuffleTB down
    bool Repeat = false;        // RepeatTB down
    int SongsListWidth = 217;   // SongsLst width, pixels
    int SlideshowInterval = 3000; // slide show timer, milliseconds

    bool operator==(const TDesignSettings &) const = default;
};

// What the writing at exit needs besides the settings.
struct TExitState {
    bool RunFromCD = false;
    QString DiskID = NoDiskID;
    bool ListBound = false;
    QString ListFileName;
};

class TMainSettings : public TDefaultSettings, public TDesignSettings {
public:
    int SongPicIdx = 0;

    bool operator==(const TMainSettings &) const = default;

    // Opens the main key (creating it) and reads every global value in its order. When one read
    // fails (a missing Integer or Boolean, a value of the wrong type), the rest is skipped and
    // every TDefaultSettings value takes its default; returns false then. "SongNumber" is read
    // into SongIndex only with SaveListFileNameOnExit and where present (else SongIndex := 0).
    bool ReadGlobal(TSettingsStore &store);

    // The list to resume: with SaveListFileNameOnExit, a non-empty "LastList" and not runFromCD,
    // returns it as a full path and reads SongPicIdx and ClipIdx where present. Otherwise
    // returns "" and sets PlaylistType := 0: the start-up then looks for the disc's list.
    QString ReadResume(TSettingsStore &store, bool runFromCD);

    // Unless diskId is NoDiskID: opens (creating) the per-disc key and reads "songindex" into
    // SongIndex, "SongPicIdx" and "ClipIdx", each only where present as an Integer.
    void ReadPerDisc(TSettingsStore &store, const QString &diskId);

    // Writes every global value in order, then the positions: per disc (without remembering or
    // when running from a CD), or "LastList" with "SongNumber", "SongPicIdx" and "ClipIdx" (for
    // a list bound to a file). "PlaylistType" always describes the stored "LastList": when this
    // run stores no "LastList" but one is stored, the type stored with it is kept. A failure
    // aborts the remaining writes and is thrown (TSettingsError) after the store was closed;
    // the store is closed in every case.
    void WriteAtExit(TSettingsStore &store, const TExitState &state) const;

private:
    void ReadBlock(const TSettingsStore &store);
    bool RemembersList(bool runFromCD) const;
    void WriteAll(TSettingsStore &store, const TExitState &state) const;
    void WriteGlobals(TSettingsStore &store, const TExitState &state) const;
    int PlaylistTypeToWrite(const TSettingsStore &store, const TExitState &state) const;
};
