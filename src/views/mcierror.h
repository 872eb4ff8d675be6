#pragma once
// Errors of the media player: the code each command leaves behind (numbered as the multimedia
// control interface numbers them, 0 for success), their texts, and the exception a command
// raises when no device is open.

#include <QString>
#include <stdexcept>

enum TMCIErrorCode : int {
    mciNoError = 0,
    mciErrDeviceNotOpen = 257,    // a setting asked of a closed device
    mciErrMissingPlugin = 266,    // a GStreamer module the file needs is not installed
    mciErrFileNotFound = 275,     // no such file, or it cannot be read
    mciErrNotReady = 276,         // the file did not load in time
    mciErrInternal = 277,         // the media framework failed for a reason of its own
    mciErrOutOfRange = 282,       // a position outside the clip
    mciErrInvalidFile = 296,      // empty, damaged, or not a clip the framework knows
    mciErrFileNameRequired = 304, // opening without a file name
};

// The text for an error code; "Unknown error code" for a code without one.
QString MCIErrorText(int code);

// Raised by play, pause, stop, seek and the length query on a device that is not open.
class EMCIDeviceError : public std::runtime_error {
public:
    explicit EMCIDeviceError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};
