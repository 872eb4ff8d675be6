#pragma once
// Every file under a folder, relative to it and sorted: the layout a test expects to find.

#include <QDir>
#include <QDirIterator>
#include <QStringList>

inline QStringList FilesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}
