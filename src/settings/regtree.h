#pragma once
// The in-memory registry tree: keys holding subkeys and typed values. Names are looked up
// without regard to case and keep the case they were first given; keys and values keep the
// order in which they were first created (the file lists them in that order).

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct TRegValue {
    enum class TType { Integer, Text };
    TType Type = TType::Integer;
    qint32 Integer = 0;
    QString Text;

    static TRegValue OfInteger(qint32 value) { return {TType::Integer, value, {}}; }
    static TRegValue OfText(const QString &value) { return {TType::Text, 0, value}; }
    bool operator==(const TRegValue &) const = default;
};

class TRegKey {
public:
    explicit TRegKey(const QString &name = QString()) : Name(name) {}

    QString Name;
    // Root only: what another program put in the file that is not this branch, kept as read:
    // lines before the first section, and whole sections outside HKEY_CURRENT_USER (or with a
    // path this store cannot hold), header lines included.
    QStringList Preamble;
    QStringList ForeignSections;

    // nullptr when there is no such subkey.
    TRegKey *SubKey(const QString &name) const;
    // The subkey, created when missing.
    TRegKey &AddSubKey(const QString &name);
    bool RemoveSubKey(const QString &name);
    // The key at path (names below this key); nullptr when one is missing.
    TRegKey *Find(const QStringList &path) const;
    // The key at path, creating what is missing.
    TRegKey &Make(const QStringList &path);

    // nullptr when there is no such value.
    const TRegValue *Value(const QString &name) const;
    void SetValue(const QString &name, const TRegValue &value);
    bool RemoveValue(const QString &name);

    // Lines of this key's section that the reader does not understand (another program's
    // binary or default values, deletion marks, comments), written back unchanged after the
    // values. A line continued with a final "\" holds its continuation lines too, joined by
    // line breaks. Setting a value of the same name drops such a line: the new value replaces it.
    // valueName: the value the line sets, when it names one.
    void AddForeignLine(const QString &line, const QString &valueName = QString());
    QStringList ForeignLines() const;

    QStringList SubKeyNames() const;
    QStringList ValueNames() const;
    const std::vector<std::unique_ptr<TRegKey>> &SubKeys() const { return SubKeys_; }
    qsizetype ValueCount() const { return Values_.size(); }
    const QString &ValueName(qsizetype i) const { return Values_[i].Name; }
    const TRegValue &ValueAt(qsizetype i) const { return Values_[i].Value; }

private:
    struct TNamedValue {
        QString Name;
        TRegValue Value;
    };
    struct TForeignLine {
        QString Line;
        QString ValueName; // case-folded; empty when the line names no value
    };
    std::vector<std::unique_ptr<TRegKey>> SubKeys_;
    std::vector<TForeignLine> ForeignLines_;
    std::vector<TNamedValue> Values_;
    // Case-folded name to position, so that big files load in linear time.
    QHash<QString, qsizetype> SubKeyIndex_;
    QHash<QString, qsizetype> ValueIndex_;
};
