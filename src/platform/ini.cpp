#include "platform/ini.h"

#include "platform/codepage.h"
#include "platform/textlines.h"

#include <QFile>

bool TIniFile::Load(const QString &fileName)
{
    fSections.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Parse(file.readAll());
    return file.error() == QFile::NoError;
}

void TIniFile::Parse(QByteArrayView bytes)
{
    fSections.clear();
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = DecodeListText(nul < 0 ? bytes : bytes.first(nul));
    QHash<QString, QString> *section = nullptr;
    ForEachLine(QStringView(text), [&](QStringView line) {
        line = line.trimmed();
        if (line.isEmpty() || line[0] == u';' || line[0] == u'#')
            return;
        if (line[0] == u'[') {
            const qsizetype close = line.indexOf(u']');
            const QString name = line.sliced(1, (close < 0 ? line.size() : close) - 1)
                                     .trimmed()
                                     .toString()
                                     .toLower();
            section = &fSections[name];
            return;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!section || equals <= 0)
            return;
        const QString key = line.first(equals).trimmed().toString().toLower();
        if (!section->contains(key))
            section->insert(key, line.sliced(equals + 1).trimmed().toString());
    });
}

bool TIniFile::HasSection(const QString &section) const
{
    return fSections.contains(section.toLower());
}

QString TIniFile::ReadString(const QString &section, const QString &key,
                             const QString &defaultValue) const
{
    const auto it = fSections.constFind(section.toLower());
    if (it == fSections.constEnd())
        return defaultValue;
    return it->value(key.toLower(), defaultValue);
}
