#pragma once
// Finds out which GStreamer modules a media file needs but this machine lacks. The media player
// only reports "it failed" or plays a clip without its picture or sound; this asks GStreamer
// itself, so the error text can name what to install. Runs only on such failures.

#include <QStringList>

// Descriptions of the missing modules (as GStreamer names them, e.g. "Windows Media Video 8
// decoder"), in the order GStreamer asked for them; empty when nothing is missing or the file
// could not be examined within timeoutMs.
QStringList MissingMediaPlugins(const QString &fileName, int timeoutMs);
