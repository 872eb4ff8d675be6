#include "app/listtypes.h"

const QString OpenDialogFilter = QStringLiteral(
    "\"Родной\" список воспроизведения (*.pl)|*.pl|M3U-лист (*.m3u, *.m3u8)|*.m3u;*.m3u8|"
    "Звук с MPEG-зжатием  (*.mp1, *.mp2, *,mp3)|*.mp1;*.mp2;*.mp3|"
    "Все поддерживаемые файлы|*.pl;*.mp1;*.mp2;*.mp3;*.m3u;*.m3u8");
const QString SaveDialogFilter = QStringLiteral(
    "\"Родной\" список воспроизведения (*.pl)|*.pl|M3U-лист (*.m3u)|*.m3u|Пакет M3U-листов|*.m3u|"
    "M3U-лист в UTF-8 (*.m3u8)|*.m3u8");
