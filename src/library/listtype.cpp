#include "library/listtype.h"

#include <QFileInfo>

int ListTypeOfFile(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("PL"))
        return OwnListType;
    if (extension == QLatin1String("M3U") || extension == QLatin1String("M3U8")) return M3UListType;
    if (extension == QLatin1String("MP1") || extension == QLatin1String("MP2") ||
        extension == QLatin1String("MP3"))
        return SoundFileType;
    return UnknownListType;
}

bool IsM3U8Name(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".m3u8"), Qt::CaseInsensitive);
}
