#pragma once
// The state file: one line, the window caption, that other programs read to learn what is
// playing. It is rewritten in place at every refresh (so it may be a FIFO or a device that
// another program reads) and never ends in a line break.

#include <QString>

struct TStateFileOptions {
    bool HasLogFile = false;
    QString LogFileName;
    bool OEMLogFile = true; // CP866 (DOS Cyrillic) instead of Windows-1251
};

// Writes caption to LogFileName when HasLogFile is set and the name is not empty; otherwise
// does nothing. Throws EIOError (platform/ioerror.h) when the file cannot be written.
void WriteStateFile(const TStateFileOptions &options, const QString &caption);
