#include "settings/regtree.h"

namespace {

QString Folded(const QString &name)
{
    return name.toCaseFolded();
}

// Removes position from a vector indexed by a name hash, keeping the order of the rest.
template <typename Item, typename NameOf>
void EraseIndexed(std::vector<Item> &items, QHash<QString, qsizetype> &index, qsizetype position,
                  NameOf nameOf)
{
    items.erase(items.begin() + position);
    index.clear();
    for (qsizetype i = 0; i < qsizetype(items.size()); ++i)
        index.insert(Folded(nameOf(items[i])), i);
}

} // namespace

TRegKey *TRegKey::SubKey(const QString &name) const
{
    const auto it = SubKeyIndex_.constFind(Folded(name));
    return it == SubKeyIndex_.constEnd() ? nullptr : SubKeys_[*it].get();
}

TRegKey &TRegKey::AddSubKey(const QString &name)
{
    if (TRegKey *existing = SubKey(name))
        return *existing;
    SubKeyIndex_.insert(Folded(name), qsizetype(SubKeys_.size()));
    SubKeys_.push_back(std::make_unique<TRegKey>(name));
    return *SubKeys_.back();
}

bool TRegKey::RemoveSubKey(const QString &name)
{
    const auto it = SubKeyIndex_.constFind(Folded(name));
    if (it == SubKeyIndex_.constEnd())
        return false;
    EraseIndexed(SubKeys_, SubKeyIndex_, *it, [](const auto &key) { return key->Name; });
    return true;
}

TRegKey *TRegKey::Find(const QStringList &path) const
{
    const TRegKey *key = this;
    for (const QString &name : path) {
        key = key->SubKey(name);
        if (!key)
            return nullptr;
    }
    return const_cast<TRegKey *>(key);
}

TRegKey &TRegKey::Make(const QStringList &path)
{
    TRegKey *key = this;
    for (const QString &name : path)
        key = &key->AddSubKey(name);
    return *key;
}

const TRegValue *TRegKey::Value(const QString &name) const
{
    const auto it = ValueIndex_.constFind(Folded(name));
    return it == ValueIndex_.constEnd() ? nullptr : &Values_[*it].Value;
}

void TRegKey::SetValue(const QString &name, const TRegValue &value)
{
    // A foreign line that sets this name ("name"=hex:..., "name"=-) is the value's old form.
    std::erase_if(ForeignLines_, [folded = Folded(name)](const TForeignLine &foreign) {
        return !folded.isEmpty() && foreign.ValueName == folded;
    });
    const auto it = ValueIndex_.constFind(Folded(name));
    if (it != ValueIndex_.constEnd()) {
        Values_[*it].Value = value;
        return;
    }
    ValueIndex_.insert(Folded(name), qsizetype(Values_.size()));
    Values_.push_back({name, value});
}

bool TRegKey::RemoveValue(const QString &name)
{
    const auto it = ValueIndex_.constFind(Folded(name));
    if (it == ValueIndex_.constEnd())
        return false;
    EraseIndexed(Values_, ValueIndex_, *it, [](const TNamedValue &value) { return value.Name; });
    return true;
}

void TRegKey::AddForeignLine(const QString &line, const QString &valueName)
{
    if (!ForeignLines_.empty() && ForeignLines_.back().Line.endsWith(u'\\'))
        ForeignLines_.back().Line += u'\n' + line;
    else
        ForeignLines_.push_back({line, Folded(valueName)});
}

QStringList TRegKey::ForeignLines() const
{
    QStringList lines;
    for (const TForeignLine &foreign : ForeignLines_)
        lines << foreign.Line;
    return lines;
}

QStringList TRegKey::SubKeyNames() const
{
    QStringList names;
    for (const auto &key : SubKeys_)
        names << key->Name;
    return names;
}

QStringList TRegKey::ValueNames() const
{
    QStringList names;
    for (const TNamedValue &value : Values_)
        names << value.Name;
    return names;
}
