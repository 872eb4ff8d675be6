#pragma once
// Asks GStreamer itself about a media file the media player could not open, or opened without
// its picture or sound: which modules it needs but this machine lacks, so the error text can
// name what to install, and whether the file is unreadable (the framework above it sometimes
// loses that report and keeps loading). Runs only on such failures.

#include <QString>
#include <QStringList>

struct TMediaProbe {
    // Descriptions of the missing modules (as GStreamer names them, e.g. "Windows Media Video 8
    // decoder"), in the order GStreamer asked for them.
    QStringList Missing;
    // GStreamer's own text when it failed on the file; empty when it did not.
    QString Error;
};

// Prerolls fileName into nothing for at most timeoutMs; a file that could not be examined in
// that time gives an empty result.
TMediaProbe ProbeMedia(const QString &fileName, int timeoutMs);
