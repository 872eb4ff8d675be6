#pragma once
// The 21 entries of the decoder library mpegdll.so as C function pointers, and how the library
// is found and bound. Integers are 32 bits; the Boolean cells of the stream callbacks are read
// and written by their low byte, so either a one-byte or a four-byte cell works.

#include <QString>
#include <cstdint>

using TOpenStreamCallback = void (*)(void *user, unsigned char *nonseekable, void **context);
using TCloseStreamCallback = void (*)(void *user, void *context);
using TRestartStreamCallback = void (*)(void *user, void *context, unsigned char *res);
using TReadStreamCallback = void (*)(void *user, void *context, void *buffer, int32_t toRead,
                                     int32_t *read, unsigned char *res);
using TSeekStreamCallback = void (*)(void *user, void *context, int32_t numbytes,
                                     int32_t moveMethod, int32_t *res);
using TStreamSizeCallback = void (*)(void *user, void *context, int32_t *res);

struct TDecoderEntries {
    int32_t (*init)() = nullptr;
    void (*deinit)() = nullptr;
    void (*open)(const char *name, int32_t mode, TOpenStreamCallback, TCloseStreamCallback,
                 TRestartStreamCallback, TReadStreamCallback, TSeekStreamCallback,
                 TStreamSizeCallback, void *user) = nullptr;
    void (*pause)(int32_t resume) = nullptr;
    void (*restart)() = nullptr;
    void (*stop)() = nullptr;
    void (*setPriority)(int32_t priority) = nullptr;
    void (*setOutputDevice)(int32_t code, const char *file) = nullptr;
    int32_t (*play)(int32_t startPos, int32_t endPos, unsigned char *endReached) = nullptr;
    void (*close)() = nullptr;
    int32_t (*getFrequency)() = nullptr;
    int32_t (*getBitrate)() = nullptr;
    int32_t (*getStereoMode)() = nullptr;
    int32_t (*getLayer)() = nullptr;
    int32_t (*getPlayerMode)() = nullptr;
    int32_t (*getCurrentPos)() = nullptr;
    int32_t (*getLength)() = nullptr;
    void (*resetPlayerMode)() = nullptr;
    void (*seek)(int32_t ms) = nullptr;
    void (*setSndDevice)(int32_t device) = nullptr;
    int32_t (*lastError)() = nullptr;

    // Binds every entry in the library's documented order; false at the first missing one.
    bool BindAll(void *handle);
};

// dlopen of folder + "mpegdll.so"; an empty folder means the program's folder, then the installed
// program's lib/lorvanta/ (see ShippedPaths), then the system's library search. Null on failure
// (dlerror() tells why).
void *OpenDecoderLibrary(const QString &folder);
