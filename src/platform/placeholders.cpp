#include "platform/placeholders.h"

QString ExpandPlaceholders(QStringView format, const TPlaceholderLookup &valueOf)
{
    QString result;
    result.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 == format.size()) {
            result += c;
            continue;
        }
        const QChar letter = format[++i];
        if (const std::optional<QString> value = valueOf(letter))
            result += *value;
        else
            result += c, result += letter;
    }
    return result;
}
