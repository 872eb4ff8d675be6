#include "library/picturescan.h"

#include "library/mediascan.h"
#include "platform/codepage.h"
#include "platform/filefinder.h"
#include "platform/listpath.h"
#include "platform/textlines.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString WithSeparator(QString folder, QChar separator)
{
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += separator;
    return folder;
}

} // namespace

bool IsPictureFile(const QString &fileName)
{
    return HasExtension(fileName, {QLatin1String(".bmp"), QLatin1String(".jpg"),
                                   QLatin1String(".gif"), QLatin1String(".wmf"),
                                   QLatin1String(".emf"), QLatin1String(".dib"),
                                   QLatin1String(".jpeg")});
}

void ScanPictureFolder(const QString &folder, bool descend, QStringList &photos,
                       const TScanProgress &progress)
{
    ScanMediaFolder(folder, descend, IsPictureFile, photos, progress);
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
