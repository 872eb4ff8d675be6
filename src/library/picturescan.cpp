#include "library/picturescan.h"

#include "library/nameorder.h"
#include "platform/codepage.h"
#include "platform/filefinder.h"
#include "platform/folderentries.h"
#include "platform/listpath.h"
#include "platform/textlines.h"

#include <QFile>
#include <QFileInfo>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

// A folder's identity on disc, so that a link back into the scanned tree is seen as such.
using TFolderId = std::pair<dev_t, ino_t>;

bool FolderIdOf(const QString &folder, TFolderId &id)
{
    struct stat status {};
    if (stat(QFile::encodeName(folder).constData(), &status) != 0)
        return false;
    id = {status.st_dev, status.st_ino};
    return true;
}

QString WithSeparator(QString folder, QChar separator)
{
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += separator;
    return folder;
}

class TPictureFolderScan {
public:
    TPictureFolderScan(QStringList &photos, const TScanProgress &progress)
        : fPhotos(photos), fProgress(progress)
    {
    }

    void Scan(const QString &given, bool descend)
    {
        if (fProgress)
            fProgress(given);
        const QString found = FindExistingFile(given);
        TFolderId id;
        if (found.isEmpty() || !FolderIdOf(found, id) || !fOpen.insert(id).second)
            return;
        const QString folder = WithSeparator(found, u'/');
        QStringList files, subfolders;
        for (TFolderEntry &entry : ListFolder(folder)) {
            if (entry.IsFolder) {
                if (descend)
                    subfolders << std::move(entry.Name);
            } else if (IsPictureFile(entry.Name)) {
                files << std::move(entry.Name);
            }
        }
        fOrder.Sort(subfolders);
        for (const QString &name : subfolders)
            Scan(folder + name + u'/', true);
        fOrder.Sort(files);
        fPhotos.reserve(fPhotos.size() + files.size());
        for (const QString &name : files)
            fPhotos << folder + name;
        fOpen.erase(id);
    }

private:
    QStringList &fPhotos;
    const TScanProgress &fProgress;
    TNameOrder fOrder;
    std::set<TFolderId> fOpen; // the folders being scanned: the current one and its parents
};

} // namespace

bool IsPictureFile(const QString &fileName)
{
    static const QLatin1String kExtensions[] = {
        QLatin1String(".bmp"), QLatin1String(".jpg"), QLatin1String(".gif"),
        QLatin1String(".wmf"), QLatin1String(".emf"), QLatin1String(".dib"),
        QLatin1String(".jpeg")};
    for (const QLatin1String &extension : kExtensions)
        if (fileName.endsWith(extension, Qt::CaseInsensitive))
            return true;
    return false;
}

void ScanPictureFolder(const QString &folder, bool descend, QStringList &photos,
                       const TScanProgress &progress)
{
    TPictureFolderScan(photos, progress).Scan(folder, descend);
}

void ReadPictureFolderFile(const QString &picPathsFile, QStringList &folders)
{
    QFile file(picPathsFile);
    if (file.open(QIODevice::ReadOnly))
        AddPictureFolders(file.readAll(), picPathsFile, folders);
}

void AddPictureFolders(QByteArrayView bytes, const QString &picPathsFile, QStringList &folders)
{
    const QString text = DecodeListText(bytes);
    const TListPaths paths(QFileInfo(picPathsFile).absoluteFilePath());
    for (TLineCursor<QStringView> line(text); !line.AtEnd(); line.Next()) {
        if (line.Line().trimmed().isEmpty())
            continue;
        const bool foreign = IsForeignPath(line.Line());
        const QString folder = WithSeparator(paths.Expand(line.Line()), foreign ? u'\\' : u'/');
        if (!folders.contains(folder, Qt::CaseInsensitive))
            folders << folder;
    }
}

void CollectArtistPhotoFolders(const TArtistColl &artists, QStringList &folders)
{
    for (const TArtistItem &artist : artists) {
        if (artist.PicPaths.isEmpty())
            continue;
        const QString file = FindExistingFile(artist.PicPaths);
        if (!file.isEmpty() && QFileInfo(file).isFile())
            ReadPictureFolderFile(file, folders);
    }
}

bool HasPhotos(const QStringList &photos)
{
    for (const QString &photo : photos)
        if (!photo.isEmpty())
            return true;
    return false;
}
