#pragma once
// The codes "LastError" reports.

namespace mpegdll {

enum ErrorCode : int {
    kNoError = 0,
    kInternalError = 1,
    kIncorrectMode = 2,
    kInputStreamError = 3,
    kNonSeekable = 4,
    kOutputDeviceFailure = 5,
};

} // namespace mpegdll
