#include "cli/listinput.h"

#include "cli/clierror.h"
#include "library/m3u.h"
#include "library/playlistfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString AbsoluteArgPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void RequireReadableFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw ECliError(QStringLiteral("Файл не найден: ") + path);
    if (info.isDir())
        throw ECliError(QStringLiteral("Это папка, а не файл: ") + path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ECliError(QStringLiteral("Не удается прочитать файл: ") + path);
}

TListKind ListKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pl"))
        return TListKind::Own;
    if (suffix == QLatin1String("m3u"))
        return TListKind::M3U;
    if (suffix == QLatin1String("mp1") || suffix == QLatin1String("mp2") ||
        suffix == QLatin1String("mp3"))
        return TListKind::Single;
    throw ECliError(QStringLiteral("Неизвестный тип списка (нужно .pl, .m3u, .mp1, .mp2 или .mp3): ") +
                    path);
}

void LoadList(const QString &path, TLoadedList &list)
{
    RequireReadableFile(path);
    list.type = ListKindOf(path);
    bool loaded = false;
    switch (list.type) {
    case TListKind::Own: loaded = LoadPlaylist(path, list.artists, list.paths); break;
    case TListKind::M3U: loaded = LoadM3U(path, list.artists); break;
    case TListKind::Single: loaded = LoadSingleFile(path, list.artists); break;
    }
    if (!loaded)
        throw ECliError(QStringLiteral("Не удается прочитать файл: ") + path);
}

const char *ListKindName(TListKind type)
{
    switch (type) {
    case TListKind::Own: return "pl";
    case TListKind::M3U: return "m3u";
    case TListKind::Single: return "single";
    }
    return "";
}
