#include "platform/folderentries.h"

#include <QFile>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

struct TDirCloser {
    void operator()(DIR *dir) const { closedir(dir); }
};

// Whether the entry is a folder (true) or a regular file (false); nothing for anything else.
std::optional<bool> EntryKind(DIR *dir, const dirent &entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type == DT_REG)
        return false;
    // A link or a file system that does not say: ask for the entry itself, following links.
    struct stat status {};
    if (fstatat(dirfd(dir), entry.d_name, &status, 0) != 0)
        return std::nullopt;
    if (S_ISDIR(status.st_mode))
        return true;
    if (S_ISREG(status.st_mode))
        return false;
    return std::nullopt;
}

bool IsDotEntry(const char *name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

} // namespace

std::vector<TFolderEntry> ListFolder(const QString &folder)
{
    std::vector<TFolderEntry> entries;
    const std::unique_ptr<DIR, TDirCloser> dir(opendir(QFile::encodeName(folder).constData()));
    if (!dir)
        return entries;
    while (const dirent *entry = readdir(dir.get())) {
        if (IsDotEntry(entry->d_name))
            continue;
        const QByteArray bytes(entry->d_name);
        QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes)
            continue;
        if (const std::optional<bool> isFolder = EntryKind(dir.get(), *entry))
            entries.push_back({std::move(name), *isFolder});
    }
    return entries;
}
