#include "settings/settingsstore.h"

#include "settings/regfile.h"
#include "settings/storefile.h"

#include <QDir>
#include <QtDebug>

TSettingsError::TSettingsError(const QString &message) : std::runtime_error(message.toStdString()) {}

TSettingsStore::TSettingsStore(const QString &filePath)
    : FilePath_(filePath.isEmpty() ? DefaultFilePath() : filePath)
{
    const TStoreFileLoad loaded = LoadStoreFile(FilePath_, Root_);
    MovedAsidePath_ = loaded.MovedAsidePath;
    SaveBlocked_ = loaded.SaveBlocked;
}

TSettingsStore::~TSettingsStore()
{
    try {
        Flush();
    } catch (const TSettingsError &error) {
        qWarning().noquote() << error.Message();
    }
}

QString TSettingsStore::DefaultFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/quillmarsh/lorvanta.reg");
}

std::optional<QStringList> TSettingsStore::ResolvePath(const QString &path) const
{
    QStringList resolved = path.startsWith(u'\\') ? QStringList() : Current_;
    resolved += path.split(u'\\', Qt::SkipEmptyParts);
    if (!IsValidKeyPath(resolved))
        return std::nullopt;
    return resolved;
}

const TRegKey *TSettingsStore::CurrentKey() const
{
    return Root_.Find(Current_);
}

bool TSettingsStore::OpenKey(const QString &path, bool canCreate)
{
    const std::optional<QStringList> resolved = ResolvePath(path);
    if (!resolved)
        return false;
    if (!Root_.Find(*resolved)) {
        if (!canCreate)
            return false;
        Record({TChange::TKind::CreateKey, *resolved, {}, {}});
    }
    Current_ = *resolved;
    return true;
}

void TSettingsStore::CloseKey()
{
    Current_.clear();
}

QString TSettingsStore::CurrentPath() const
{
    return Current_.isEmpty() ? QString() : u'\\' + Current_.join(u'\\');
}

bool TSettingsStore::KeyExists(const QString &path) const
{
    const std::optional<QStringList> resolved = ResolvePath(path);
    return resolved && Root_.Find(*resolved);
}

bool TSettingsStore::DeleteKey(const QString &path)
{
    const std::optional<QStringList> resolved = ResolvePath(path);
    if (!resolved || resolved->isEmpty() || !Root_.Find(*resolved))
        return false;
    Record({TChange::TKind::DeleteKey, *resolved, {}, {}});
    return true;
}

QStringList TSettingsStore::GetKeyNames() const
{
    const TRegKey *key = CurrentKey();
    return key ? key->SubKeyNames() : QStringList();
}

QStringList TSettingsStore::GetValueNames() const
{
    const TRegKey *key = CurrentKey();
    return key ? key->ValueNames() : QStringList();
}

bool TSettingsStore::ValueExists(const QString &name) const
{
    const TRegKey *key = CurrentKey();
    return key && key->Value(name);
}

bool TSettingsStore::DeleteValue(const QString &name)
{
    if (!ValueExists(name))
        return false;
    Record({TChange::TKind::DeleteValue, Current_, name, {}});
    return true;
}

const TRegValue &TSettingsStore::ValueOfType(const QString &name, TRegValue::TType type) const
{
    const TRegKey *key = CurrentKey();
    const TRegValue *value = key ? key->Value(name) : nullptr;
    if (!value || value->Type != type)
        throw TSettingsError(QStringLiteral("Неверный тип данных для \"%1\"").arg(name));
    return *value;
}

qint32 TSettingsStore::ReadInteger(const QString &name) const
{
    return ValueOfType(name, TRegValue::TType::Integer).Integer;
}

bool TSettingsStore::ReadBool(const QString &name) const
{
    return ReadInteger(name) != 0;
}

QString TSettingsStore::ReadString(const QString &name) const
{
    return ValueExists(name) ? ValueOfType(name, TRegValue::TType::Text).Text : QString();
}

void TSettingsStore::WriteInteger(const QString &name, qint32 value)
{
    WriteValue(name, TRegValue::OfInteger(value));
}

void TSettingsStore::WriteBool(const QString &name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void TSettingsStore::WriteString(const QString &name, const QString &value)
{
    if (value.size() > MaxTextLength)
        throw TSettingsError(QStringLiteral("Слишком длинное значение \"%1\"").arg(name));
    WriteValue(name, TRegValue::OfText(value));
}

void TSettingsStore::WriteValue(const QString &name, const TRegValue &value)
{
    if (name.size() > MaxTextLength)
        throw TSettingsError(QStringLiteral("Слишком длинное имя значения"));
    Record({TChange::TKind::SetValue, Current_, name, value});
}

void TSettingsStore::Record(TChange change)
{
    Apply(Root_, change);
    Changes_.push_back(std::move(change));
}

void TSettingsStore::Apply(TRegKey &root, const TChange &change)
{
    switch (change.Kind) {
    case TChange::TKind::CreateKey:
        root.Make(change.KeyPath);
        break;
    case TChange::TKind::DeleteKey:
        if (TRegKey *parent = root.Find(change.KeyPath.mid(0, change.KeyPath.size() - 1)))
            parent->RemoveSubKey(change.KeyPath.last());
        break;
    case TChange::TKind::SetValue:
        root.Make(change.KeyPath).SetValue(change.Name, change.Value);
        break;
    case TChange::TKind::DeleteValue:
        if (TRegKey *key = root.Find(change.KeyPath))
            key->RemoveValue(change.Name);
        break;
    }
}

void TSettingsStore::Flush()
{
    if (Changes_.empty())
        return;
    if (!SaveBlocked_.isEmpty())
        throw TSettingsError(SaveBlocked_);
    TStoreLock lock(FilePath_);
    // Another copy of the program may have saved since this one loaded: keep its values.
    TRegKey merged;
    const TStoreFileLoad loaded = LoadStoreFile(FilePath_, merged);
    if (!loaded.SaveBlocked.isEmpty())
        throw TSettingsError(loaded.SaveBlocked);
    if (!loaded.MovedAsidePath.isEmpty())
        MovedAsidePath_ = loaded.MovedAsidePath;
    for (const TChange &change : Changes_)
        Apply(merged, change);
    const QByteArray bytes = FormatRegFile(merged);
    if (bytes.size() > MaxRegFileSize)
        throw TSettingsError(QStringLiteral("Не удалось сохранить настройки в %1: их слишком много").arg(FilePath_));
    SaveStoreFile(FilePath_, bytes);
    Root_ = std::move(merged);
    Changes_.clear();
}

void TSettingsStore::Close()
{
    CloseKey();
    Flush();
}
