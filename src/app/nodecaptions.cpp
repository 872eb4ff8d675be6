#include "app/nodecaptions.h"

#include "platform/placeholders.h"

namespace {

std::optional<QString> AlbumValue(QChar letter, const TAlbItem *album)
{
    if (!album)
        return std::nullopt;
    switch (letter.toUpper().unicode()) {
    case 'A': return album->Name;
    case 'Y': return album->Year;
    default: return std::nullopt;
    }
}

std::optional<QString> SongValue(QChar letter, const TSongItem *song)
{
    if (!song)
        return std::nullopt;
    switch (letter.toUpper().unicode()) {
    case 'S': return song->Title;
    case 'F': return song->File;
    case 'C': return song->Comment;
    default: return std::nullopt;
    }
}

std::optional<QString> NodeValue(QChar letter, const TNodeSubject &subject)
{
    const int number = subject.Position + 1;
    if (letter == 'N')
        return (number < 10 ? QStringLiteral("0") : QString()) + QString::number(number);
    if (letter == 'n')
        return QString::number(number);
    if (letter.toUpper() == 'T')
        return QStringLiteral("Lorvanta 2.0");
    if (letter.toUpper() == 'I')
        return subject.Artist ? std::optional(subject.Artist->Name) : std::nullopt;
    if (auto value = AlbumValue(letter, subject.Album))
        return value;
    return SongValue(letter, subject.Song);
}

} // namespace

QString NodeCaption(const QString &format, const TNodeSubject &subject)
{
    return ExpandPlaceholders(format, [&](QChar letter) { return NodeValue(letter, subject); });
}
