#pragma once
// A small INI reader (the disc file): "[section]" lines and "key=value" lines; section and key
// names without regard to case, blanks around names and values ignored, ";" and "#" lines are
// comments. The first occurrence of a key wins. Text as list files are read (Windows-1251 or
// UTF-8).

#include <QByteArrayView>
#include <QHash>
#include <QString>

class TIniFile {
public:
    TIniFile() = default;
    // Reads the file; a missing or unreadable file gives an empty INI (false).
    bool Load(const QString &fileName);
    void Parse(QByteArrayView bytes);

    bool HasSection(const QString &section) const;
    // The value, or defaultValue when the section or key is missing.
    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;

private:
    QHash<QString, QHash<QString, QString>> fSections; // names in lower case
};
