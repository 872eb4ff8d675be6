#pragma once
// The "%"-letter template language shared by the pack templates, the caption format and the
// tree node formats: scanned left to right, other characters copied, "%" and a character
// replaced by the caller's value for that character, or kept as written when there is none;
// a "%" at the very end is kept.

#include <QChar>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

// valueOf(c) gives the text for "%c", or nothing to keep "%c" as written.
using TPlaceholderLookup = std::function<std::optional<QString>(QChar)>;

QString ExpandPlaceholders(QStringView format, const TPlaceholderLookup &valueOf);
