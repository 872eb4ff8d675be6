#include "library/listtype.h"

#include <QFileInfo>

int ListTypeOfFile(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("PL"))
        return OwnListType;
    if (extension == QLatin1String("M3U"))
        return M3UListType;
    if (extension == QLatin1String("MP1") || extension == QLatin1String("MP2") ||
        extension == QLatin1String("MP3"))
        return SoundFileType;
    return UnknownListType;
}
