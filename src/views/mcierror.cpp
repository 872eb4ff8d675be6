#include "views/mcierror.h"

QString MCIErrorText(int code)
{
    switch (code) {
    case mciNoError:
        return QStringLiteral("Команда выполнена.");
    case mciErrDeviceNotOpen:
        return QStringLiteral("Устройство не открыто.");
    case mciErrMissingPlugin:
        return QStringLiteral("Для воспроизведения файла не установлен модуль GStreamer.");
    case mciErrFileNotFound:
        return QStringLiteral("Файл не найден или не может быть прочитан.");
    case mciErrNotReady:
        return QStringLiteral("Устройство не готово: файл не открылся за отведённое время.");
    case mciErrInternal:
        return QStringLiteral("Внутренняя ошибка мультимедийной системы.");
    case mciErrOutOfRange:
        return QStringLiteral("Позиция вне пределов клипа.");
    case mciErrInvalidFile:
        return QStringLiteral("Файл пуст, повреждён или имеет неизвестный формат.");
    case mciErrFileNameRequired:
        return QStringLiteral("Не задано имя файла.");
    default:
        return QStringLiteral("Unknown error code");
    }
}
