#pragma once
// TSettingsStore: the per-user registry of the program, kept as one file in the Windows registry
// export syntax (REGEDIT4, UTF-8). It offers what the program needs of a registry branch: keys
// addressed by "\"-separated paths below HKEY_CURRENT_USER, Integer (32-bit) and Text values,
// Booleans stored as Integer 0/1. Key and value names compare without regard to case and keep the
// case they were first written with.
//
// The file is read once when the store is constructed. Changes are kept in memory and recorded;
// Flush (and Close) replays them onto the file as it is on disc at that moment, under a lock on a
// lock file beside it, and replaces the file atomically. So two running copies of the program
// only overwrite the values each of them actually wrote. A file that cannot be read (not
// REGEDIT4, a bad line, binary, oversized, unreadable) is renamed aside to
// "<file>.bad-<UTC time>" and the store starts empty.

#include "settings/regtree.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

// A failure of the store: a value of the wrong type or missing, a save that did not succeed.
class TSettingsError : public std::runtime_error {
public:
    explicit TSettingsError(const QString &message);
    QString Message() const { return QString::fromUtf8(what()); }
};

class TSettingsStore {
public:
    // Loads filePath; an empty path means DefaultFilePath().
    explicit TSettingsStore(const QString &filePath = QString());
    // Flushes what is left; a failure here is only logged, so call Close() to learn of it.
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore &) = delete;
    TSettingsStore &operator=(const TSettingsStore &) = delete;

    // $XDG_CONFIG_HOME/quillmarsh/lorvanta.reg, ~/.config when XDG_CONFIG_HOME is unset.
    static QString DefaultFilePath();
    QString FilePath() const { return FilePath_; }
    // Where an unreadable file was moved at loading; empty when nothing was moved.
    QString MovedAsidePath() const { return MovedAsidePath_; }

    // Makes path the current key. A path starting with "\" counts from HKEY_CURRENT_USER, any
    // other from the current key. Returns false when the key is missing and canCreate is false,
    // or when the path cannot be stored (a name with a control character, more than
    // MaxKeyDepth levels).
    bool OpenKey(const QString &path, bool canCreate);
    // The current key becomes HKEY_CURRENT_USER again.
    void CloseKey();
    // Absolute path of the current key ("\Software\..."), "" for HKEY_CURRENT_USER.
    QString CurrentPath() const;
    bool KeyExists(const QString &path) const;
    // Deletes the key with all its subkeys and values; false when it did not exist.
    bool DeleteKey(const QString &path);
    // Names of the current key's subkeys and values, in the order they were first created.
    QStringList GetKeyNames() const;
    QStringList GetValueNames() const;

    bool ValueExists(const QString &name) const;
    bool DeleteValue(const QString &name);
    // Missing or Text: TSettingsError.
    qint32 ReadInteger(const QString &name) const;
    // Integer read as true when it is not 0; missing or Text: TSettingsError.
    bool ReadBool(const QString &name) const;
    // Missing: empty text. Integer: TSettingsError.
    QString ReadString(const QString &name) const;
    void WriteInteger(const QString &name, qint32 value);
    void WriteBool(const QString &name, bool value);
    // A text longer than MaxTextLength characters is refused with TSettingsError.
    void WriteString(const QString &name, const QString &value);

    // Saves the recorded changes, if any; TSettingsError when that fails (the file on disc is
    // then left as it was and the changes stay recorded).
    void Flush();
    // CloseKey, then Flush.
    void Close();

    static constexpr qsizetype MaxTextLength = 1 << 20;

private:
    struct TChange {
        enum class TKind { CreateKey, DeleteKey, SetValue, DeleteValue };
        TKind Kind;
        QStringList KeyPath;
        QString Name;
        TRegValue Value;
    };

    // The absolute key path; nullopt when it cannot be stored.
    std::optional<QStringList> ResolvePath(const QString &path) const;
    const TRegKey *CurrentKey() const;
    const TRegValue &ValueOfType(const QString &name, TRegValue::TType type) const;
    void WriteValue(const QString &name, const TRegValue &value);
    void Record(TChange change);
    static void Apply(TRegKey &root, const TChange &change);

    QString FilePath_;
    QString MovedAsidePath_;
    QString SaveBlocked_; // why the file on disc must not be replaced (it could not be moved aside)
    TRegKey Root_;
    QStringList Current_;
    std::vector<TChange> Changes_;
};
