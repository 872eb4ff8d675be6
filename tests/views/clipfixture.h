#pragma once
// Helpers for the media player tests: the fixture clips, waiting with the event loop running,
// and a display window to draw into.

#include "views/mediaplayer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <functional>

inline QString ClipPath(const char *name)
{
    return QStringLiteral(LORVANTA_TEST_DATA "/clips/") + QString::fromUtf8(name);
}

// Runs the event loop for ms milliseconds.
inline void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() holds or limitMs passed; tells whether done() held.
inline bool SpinUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        Spin(10);
    }
    return true;
}

// Opens a clip as the clips page does: with Wait set.
inline void OpenWaiting(TMediaPlayer &player, const QString &file)
{
    player.FileName = file;
    player.Wait = true;
    player.Open();
}
