#include "playback/titleformat.h"

#include "library/expandedsong.h"
#include "platform/placeholders.h"

#include <algorithm>
#include <optional>

namespace {

const QString ProgramTitle = QStringLiteral("Lorvanta 2.0");

// The song's number for %N: two digits up to 9, as many as needed above.
QString PaddedNumber(int number)
{
    return number < 10 ? QStringLiteral("0") + QString::number(number) : QString::number(number);
}

std::optional<QString> CaptionValue(QChar letter, const TTitleContext &context,
                                    const QString &mode)
{
    const TExpandedSong &song = *context.Song;
    if (letter == u'N')
        return PaddedNumber(context.SongIndex + 1);
    if (letter == u'n')
        return QString::number(context.SongIndex + 1);
    switch (letter.toUpper().unicode()) {
    case u'A': return song.Album();
    case u'C': return song.Comment();
    case u'F': return song.File();
    case u'I': return song.Artist();
    case u'L': return context.LengthText;
    case u'M': return mode;
    case u'S': return song.Title();
    case u'T': return ProgramTitle;
    case u'Y': return song.Year();
    default: return std::nullopt;
    }
}

} // namespace

QString FormatTime(int seconds)
{
    seconds = std::max(seconds, 0);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString ModeText(const TModeTexts &texts, int playerMode, bool paused)
{
    if (paused)
        return texts.Paused;
    switch (playerMode) {
    case 0: return texts.Opened;
    case 1: return texts.Ready;
    case 2: return texts.Stopped;
    default: return texts.Playing;
    }
}

TTitle FormatTitle(const TTitleContext &context)
{
    TTitle title;
    const QString mode = ModeText(context.Modes, context.PlayerMode, context.Paused);
    if (context.Song)
        title.Caption = ExpandPlaceholders(context.Format, [&](QChar letter) {
            return CaptionValue(letter, context, mode);
        });
    title.ModePanel = context.AfterEndPending ? mode + QStringLiteral("*") : mode;
    return title;
}
