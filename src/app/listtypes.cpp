#include "app/listtypes.h"

#include <QFileInfo>

const QString OpenDialogFilter = QStringLiteral(
    "\"Родной\" список воспроизведения (*.pl)|*.pl|M3U-лист (*.m3u)|*.m3u|Звук с MPEG-зжатием  "
    "(*.mp1, *.mp2, *,mp3)|*.mp1;*.mp2;*.mp3|Все поддерживаемые файлы|*.pl;*.mp1;*.mp2;*.mp3;*.m3u");
const QString SaveDialogFilter = QStringLiteral(
    "\"Родной\" список воспроизведения (*.pl)|*.pl|M3U-лист (*.m3u)|*.m3u|Пакет M3U-листов|*.m3u");

int ListTypeOfFile(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == "PL")
        return OwnListType;
    if (extension == "M3U")
        return M3UListType;
    if (extension == "MP1" || extension == "MP2" || extension == "MP3")
        return SoundFileType;
    return UnknownListType;
}
