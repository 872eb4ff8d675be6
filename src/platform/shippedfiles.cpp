#include "platform/shippedfiles.h"

#include <QDir>
#include <QFileInfo>

QStringList ShippedPaths(const QString &programFolder, const QString &name, TShippedKind kind)
{
    const QDir program(programFolder);
    const char *installed = kind == TShippedKind::Library ? "../lib/lorvanta/" : "../share/lorvanta/";
    return {QDir::cleanPath(program.filePath(name)),
            QDir::cleanPath(program.filePath(QLatin1String(installed) + name))};
}

QString FindShipped(const QString &programFolder, const QString &name, TShippedKind kind)
{
    const QStringList paths = ShippedPaths(programFolder, name, kind);
    for (const QString &path : paths) {
        if (QFileInfo::exists(path))
            return path;
    }
    return paths.first();
}
