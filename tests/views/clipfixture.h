#pragma once
// Helpers for the media player tests: the fixture clips and opening them.

#include "spin.h"
#include "views/mediaplayer.h"

#include <QString>

inline QString ClipPath(const char *name)
{
    return QStringLiteral(LORVANTA_TEST_DATA "/clips/") + QString::fromUtf8(name);
}

// Opens a clip as the clips page does: with Wait set.
inline void OpenWaiting(TMediaPlayer &player, const QString &file)
{
    player.FileName = file;
    player.Wait = true;
    player.Open();
}
