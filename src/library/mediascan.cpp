#include "library/mediascan.h"

#include "library/nameorder.h"
#include "platform/filefinder.h"
#include "platform/folderentries.h"

#include <QFile>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

// A folder's identity on disc, so that a link back into the scanned tree is seen as such.
using TFolderId = std::pair<dev_t, ino_t>;

bool FolderIdOf(const QString &folder, TFolderId &id)
{
    struct stat status {};
    if (stat(QFile::encodeName(folder).constData(), &status) != 0) return false;
    id = {status.st_dev, status.st_ino};
    return true;
}

class TMediaFolderScan {
public:
    TMediaFolderScan(const std::function<bool(const QString &)> &wanted, QStringList &files,
                     const TScanProgress &progress)
        : fWanted(wanted), fFiles(files), fProgress(progress)
    {}

    void Scan(const QString &given, bool descend)
    {
        if (fProgress) fProgress(given);
        const QString found = FindExistingFile(given);
        TFolderId id;
        if (found.isEmpty() || !FolderIdOf(found, id) || !fOpen.insert(id).second) return;
        const bool ended = found.endsWith(u'/') || found.endsWith(u'\\');
        const QString folder = ended ? found : found + u'/';
        QStringList files, subfolders;
        for (TFolderEntry &entry : ListFolder(folder)) {
            if (entry.IsFolder) {
                if (descend) subfolders << std::move(entry.Name);
            } else if (fWanted(entry.Name)) {
                files << std::move(entry.Name);
            }
        }
        fOrder.Sort(subfolders);
        for (const QString &name : subfolders)
            Scan(folder + name + u'/', true);
        fOrder.Sort(files);
        fFiles.reserve(fFiles.size() + files.size());
        for (const QString &name : files)
            fFiles << folder + name;
        fOpen.erase(id);
    }

private:
    const std::function<bool(const QString &)> &fWanted;
    QStringList &fFiles;
    const TScanProgress &fProgress;
    TNameOrder fOrder;
    std::set<TFolderId> fOpen; // the folders being scanned: the current one and its parents
};

} // namespace

bool HasExtension(const QString &fileName, std::initializer_list<QLatin1String> extensions)
{
    for (const QLatin1String &extension : extensions)
        if (fileName.endsWith(extension, Qt::CaseInsensitive)) return true;
    return false;
}

void ScanMediaFolder(const QString &folder, bool descend,
                     const std::function<bool(const QString &name)> &wanted, QStringList &files,
                     const TScanProgress &progress)
{
    TMediaFolderScan(wanted, files, progress).Scan(folder, descend);
}

bool IsClipFile(const QString &fileName)
{
    return HasExtension(fileName,
                        {QLatin1String(".avi"), QLatin1String(".mpg"), QLatin1String(".wmv"),
                         QLatin1String(".mov"), QLatin1String(".asf")});
}

void ScanClipFolder(const QString &folder, QStringList &clips, const TScanProgress &progress)
{
    ScanMediaFolder(folder, true, IsClipFile, clips, progress);
}
