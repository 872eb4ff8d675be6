#include "widgets/zvspecialfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

namespace {

TzvFolder DiskFolder(const QString &name, const QString &path)
{
    return {TzvFolder::FileSystem, name, QDir::cleanPath(path)};
}

TzvFolder NoPathFolder(const QString &name)
{
    return {TzvFolder::NoPath, name, QString()};
}

bool IsFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// The first existing folder of a standard location (the user's own before the system's).
QString StandardFolder(QStandardPaths::StandardLocation location)
{
    for (const QString &path : QStandardPaths::standardLocations(location))
        if (IsFolder(path))
            return path;
    return QString();
}

QString TrashFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash/files");
}

QString AutostartFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

// Where a special folder lives on disk; empty for those without a Linux counterpart.
QString SpecialFolderPath(TzvSpecialFolder folder)
{
    switch (folder) {
    case sfRecycleBin: return TrashFolder();
    case sfDesktopDirectory: return StandardFolder(QStandardPaths::DesktopLocation);
    case sfFonts: return StandardFolder(QStandardPaths::FontsLocation);
    case sfPersonal: return StandardFolder(QStandardPaths::DocumentsLocation);
    case sfPrograms:
    case sfStartMenu: return StandardFolder(QStandardPaths::ApplicationsLocation);
    case sfStartup: return AutostartFolder();
    case sfTemplates: return StandardFolder(QStandardPaths::TemplatesLocation);
    default: return QString();
    }
}

QString SpecialFolderName(TzvSpecialFolder folder)
{
    switch (folder) {
    case sfRecycleBin: return QStringLiteral("Корзина");
    case sfControlPanel: return QStringLiteral("Панель управления");
    case sfDesktopDirectory: return QStringLiteral("Рабочий стол");
    case sfFonts: return QStringLiteral("Шрифты");
    case sfNetHood: return QStringLiteral("Сетевое окружение");
    case sfNetwork: return QStringLiteral("Вся сеть");
    case sfPersonal: return QStringLiteral("Документы");
    case sfPrinters: return QStringLiteral("Принтеры");
    case sfPrograms: return QStringLiteral("Программы");
    case sfRecent: return QStringLiteral("Недавние документы");
    case sfSendTo: return QStringLiteral("Отправить");
    case sfStartMenu: return QStringLiteral("Главное меню");
    case sfStartup: return QStringLiteral("Автозагрузка");
    case sfTemplates: return QStringLiteral("Шаблоны");
    default: return QString();
    }
}

bool HasNoCounterpart(TzvSpecialFolder folder)
{
    switch (folder) {
    case sfControlPanel:
    case sfNetHood:
    case sfNetwork:
    case sfPrinters:
    case sfRecent:
    case sfSendTo: return true;
    default: return false;
    }
}

// Kernel, memory and package-image file systems: nothing a person keeps music on.
bool IsSystemFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> system = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",   "rpc_pipefs",
        "securityfs", "squashfs",    "sysfs",    "tmpfs",    "tracefs", "overlay"};
    return system.contains(type);
}

QString VolumeName(const QStorageInfo &volume)
{
    if (volume.isRoot())
        return QStringLiteral("Файловая система");
    const QString label = volume.name();
    return label.isEmpty() ? volume.rootPath()
                           : QStringLiteral("%1 (%2)").arg(label, volume.rootPath());
}

} // namespace

TzvFolder SpecialFolderRoot(TzvSpecialFolder folder)
{
    if (folder == sfMyComputer)
        return ComputerFolder();
    if (HasNoCounterpart(folder))
        return NoPathFolder(SpecialFolderName(folder));
    const QString path = SpecialFolderPath(folder);
    if (!IsFolder(path))
        return TzvFolder(); // like a shell lookup that fails: the whole namespace
    return DiskFolder(SpecialFolderName(folder), path);
}

TzvFolder CustomFolderRoot(const QString &path)
{
    if (!IsFolder(path))
        return TzvFolder();
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString name = QFileInfo(absolute).fileName();
    return DiskFolder(name.isEmpty() ? absolute : name, absolute);
}

TzvFolder ComputerFolder()
{
    return {TzvFolder::Volumes, QStringLiteral("Компьютер"), QString()};
}

QList<TzvFolder> NamespaceFolders()
{
    const QString home = QDir::homePath();
    QList<TzvFolder> folders = {DiskFolder(QStringLiteral("Домашняя папка"), home)};
    const std::pair<QStandardPaths::StandardLocation, const char *> userFolders[] = {
        {QStandardPaths::DesktopLocation, "Рабочий стол"},
        {QStandardPaths::DocumentsLocation, "Документы"},
        {QStandardPaths::MusicLocation, "Музыка"},
        {QStandardPaths::PicturesLocation, "Изображения"},
        {QStandardPaths::MoviesLocation, "Видео"}};
    for (const auto &[location, name] : userFolders) {
        // An XDG folder that is not set up is the home folder itself: shown once.
        const QString path = QStandardPaths::writableLocation(location);
        if (IsFolder(path) && QDir::cleanPath(path) != QDir::cleanPath(home))
            folders << DiskFolder(QString::fromUtf8(name), path);
    }
    folders << ComputerFolder()
            << DiskFolder(QStringLiteral("Файловая система"), QStringLiteral("/"));
    if (IsFolder(TrashFolder()))
        folders << DiskFolder(SpecialFolderName(sfRecycleBin), TrashFolder());
    return folders;
}

QList<TzvFolder> VolumeFolders()
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo &a, const QStorageInfo &b) {
        return a.rootPath() < b.rootPath();
    });
    QList<TzvFolder> folders;
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        if (!volume.isRoot() && IsSystemFileSystem(volume.fileSystemType()))
            continue;
        folders << DiskFolder(VolumeName(volume), volume.rootPath());
    }
    return folders;
}

QList<TzvFolder> SubFolders(const QString &path)
{
    QList<TzvFolder> folders;
    const QDir folder(path);
    for (const QString &name :
         folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        folders << SubFolder(path, name);
    return folders;
}

TzvFolder SubFolder(const QString &path, const QString &name)
{
    return DiskFolder(name, QDir(path).filePath(name));
}
