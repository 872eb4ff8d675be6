#pragma once
// mpegdll.so: plays MPEG-1, 2 and 2.5 audio, layers I to III, on a thread of its own.
//
// These 21 functions are the whole interface; nothing else is exported. Every integer is 32 bits.
// A Boolean argument counts by its low byte (0 = false). Every call except "LastError" first
// clears the error code and sets it again when it fails; "LastError" reads it:
//   0 none, 1 internal error, 2 incorrect mode, 3 input stream error (missing, unreadable or
//   not MPEG audio), 4 seek on a non-seekable stream, 5 output device failure.
//
// Player modes ("GetPlayerMode"):
//   0 opened:  a stream is open and has not been started since "Open" or "ResetPlayerMode"
//   1 ready:   no stream is open (after "init", "Close" or a failed "Open")
//   2 stopped: after "Stop", or once the end of the stream has been played
//   3 playing
//   4 paused
//
// Positions are milliseconds from the start of the stream (encoder delay and padding removed).
// The functions may be called from any one thread while the library plays on its own.

#include <cstdint>

#if defined(__GNUC__)
#define MPEGDLL_API extern "C" __attribute__((visibility("default")))
#else
#define MPEGDLL_API extern "C"
#endif

// Stream mode callbacks: the first argument is always the user data handed to "Open". A Boolean
// result is read by its low byte, so the callee may store one byte or four.
// open: sets *nonseekable (Boolean) and *context (handed to every later callback).
typedef void (*MpegOpenStream)(void *user, int32_t *nonseekable, void **context);
typedef void (*MpegCloseStream)(void *user, void *context);
// restart: rewinds to the first byte; *res (Boolean) true on success.
typedef void (*MpegRestartStream)(void *user, void *context, int32_t *res);
// read: at most `count` bytes into `buffer`; *bytesRead is the number read (0 at the end),
// *res (Boolean) false on a read error.
typedef void (*MpegReadStream)(void *user, void *context, void *buffer, int32_t count,
                               int32_t *bytesRead, int32_t *res);
// seek: moves by `offset` from the start (method 0), the current position (1) or the end (2);
// *res is the new position, -1 on failure.
typedef void (*MpegSeekStream)(void *user, void *context, int32_t offset, int32_t method,
                               int32_t *res);
// size: *res is the size in bytes, -1 when unknown.
typedef void (*MpegStreamSize)(void *user, void *context, int32_t *res);

// Prepares the library; returns 1 (true) when ready, 0 with "LastError" 1 otherwise. Calling the
// other functions without "init" is allowed: the first of them prepares the library.
MPEGDLL_API int32_t init(void);
// Stops and closes everything and releases the sound system; "init" may follow.
MPEGDLL_API void deinit(void);
// Opens a stream, closing the previous one. File mode (streamMode 0): `fileName` is the path in
// the file system's encoding; the callbacks and `user` are ignored. Stream mode (1): the bytes
// come from the callbacks (`read` is required, the others may be null) and `fileName` is ignored.
// Fails with 3 when the input is missing, unreadable or does not start with MPEG audio frames.
MPEGDLL_API void Open(const char *fileName, int32_t streamMode, MpegOpenStream openCb,
                      MpegCloseStream closeCb, MpegRestartStream restartCb, MpegReadStream readCb,
                      MpegSeekStream seekCb, MpegStreamSize sizeCb, void *user);
// resume false: pauses at once (mode 4); true: continues from the last sample heard (mode 3).
// Fails with 2 unless playing or paused.
MPEGDLL_API void Pause(int32_t resume);
// Plays the open stream again from the start of the range given to "Play", or from the position
// of a "Seek" made since playback stopped; clears the end byte. Fails with 2 before any "Play".
MPEGDLL_API void Restart(void);
// Stops playback (mode 2); a PCM file is completed with what has been written. Fails with 2 when
// nothing has been started.
MPEGDLL_API void Stop(void);
// Decoding thread priority as a Windows thread priority level: -15 idle, -2 lowest, -1 below
// normal, 0 normal, 1 above normal, 2 highest, 15 time critical. Applied at once and to every
// later playback; a level the process may not take is lowered to the highest it may. Never fails.
MPEGDLL_API void SetPriority(int32_t level);
// Where the next "Play" or "Restart" sends the audio: 0 the sound output; 2 a WAV file named by
// `fileName`, written as fast as decoding allows and complete on disc before the end byte is set.
// Other codes, or code 2 without a name, fail with 5.
MPEGDLL_API void SetOutputDevice(int32_t device, const char *fileName);
// Starts playback from `startMs` up to `endMs` (0: the end of the stream). `endByte` (may be
// null) is cleared now and set to 1 once the last sample has been played. Returns 0 when started;
// otherwise non-zero with "LastError" 2 (nothing open, or already playing), 3 (the stream cannot
// be read again), 4 (a start past 0 on a stream that cannot seek) or 5 (no sound device, or the
// WAV file cannot be created).
MPEGDLL_API int32_t Play(int32_t startMs, int32_t endMs, unsigned char *endByte);
// Stops playback and closes the stream (mode 1). Stream mode calls the close callback.
MPEGDLL_API void Close(void);
// Sampling frequency of the open stream in Hz.
MPEGDLL_API int32_t GetFrequency(void);
// Bit rate in bit/s: the frames' rate for constant bit rate, the average for variable bit rate.
MPEGDLL_API int32_t GetBitrate(void);
// Channel mode of the MPEG header: 0 stereo, 1 joint stereo, 2 dual channel, 3 single channel.
MPEGDLL_API int32_t GetStereoMode(void);
// MPEG layer, 1 to 3.
MPEGDLL_API int32_t GetLayer(void);
// The player mode (above). Also reports (once) a sound device lost during play (5).
MPEGDLL_API int32_t GetPlayerMode(void);
// The position being heard in ms: never ahead of the sound, never backwards while playing. In
// PCM-file mode the position written. Also reports (once) a sound device lost during play (5).
MPEGDLL_API int32_t GetCurrentPos(void);
// Length of the open stream in ms, exact (gapless, by the LAME/Xing header or a scan).
MPEGDLL_API int32_t GetLength(void);
// Stops playback and rewinds: mode 0 when a stream is open, else 1. Never fails.
MPEGDLL_API void ResetPlayerMode(void);
// Moves to `ms` (clamped to the stream), exactly to the sample, while playing, paused or not
// started; when not playing, the next "Play" or "Restart" starts there. Fails with 4 on a
// stream that cannot seek, 2 when nothing is open.
MPEGDLL_API void Seek(int32_t ms);
// Sound device for the next start: 0 (or negative) the default output; n > 0 the n-th output
// device the sound system lists (the sound server's n-th sink, or without a server the n-th
// SDL_GetAudioDeviceName(n - 1, 0)). A number beyond the list fails at "Play" with 5.
MPEGDLL_API void SetSndDevice(int32_t device);
// The code of the last failure (table above).
MPEGDLL_API int32_t LastError(void);
