#include "cli/listinput.h"

#include "cli/clierror.h"
#include "library/m3u.h"
#include "library/playlistfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

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

TListType ListKindOf(const QString &path)
{
    const int type = ListTypeOfFile(path);
    if (type == UnknownListType)
        throw ECliError(
            QStringLiteral(
                "Неизвестный тип списка (нужно .pl, .m3u, .m3u8, .mp1, .mp2 или .mp3): ") +
            path);
    return TListType(type);
}

TLoadedList &LoadCommandList(const QString &path)
{
    RequireReadableFile(path);
    auto &list = *new TLoadedList; // left to the end of the process, on purpose
    list.type = ListKindOf(path);
    bool loaded = false;
    QStringList networkAddresses;
    switch (list.type) {
    case OwnListType: loaded = LoadPlaylist(path, list.artists, list.paths); break;
    case M3UListType:
        loaded = LoadM3U(path, list.artists, &networkAddresses);
        break;
    case SoundFileType: loaded = LoadSingleFile(path, list.artists); break;
    case UnknownListType: break;
    }
    if (!loaded)
        throw ECliError(QStringLiteral("Не удается прочитать файл: ") + path);
    // A note, not bad input: the rest of the list is good.
    for (const QString &address : networkAddresses)
        std::fprintf(stderr, "Сетевой адрес пропущен (воспроизводятся только файлы): %s\n",
                     qUtf8Printable(address));
    return list;
}

const char *ListKindName(TListType type)
{
    switch (type) {
    case OwnListType: return "pl";
    case M3UListType: return "m3u";
    case SoundFileType: return "single";
    case UnknownListType: break;
    }
    return "";
}
