#pragma once
// TMPEGPlayer: plays MPEG audio files through the decoder library mpegdll.so, loaded at run time
// and bound by name. It keeps a state machine around the library, turns every library failure
// into TMPEGError, and polls the library with a Qt timer on the owner's thread: OnPosUpdate
// reports (position, length) in milliseconds, OnPlayEnd the end of the stream.
//
// The library exports plain C functions taking and returning int32_t; Booleans travel as int32
// (low byte significant). File names are handed to it in the file system's 8-bit encoding
// (QFile::encodeName, UTF-8 here); the limits of 511 bytes for StreamName and 259 bytes for
// OutFilename count bytes of that encoding, and longer names are refused before any library call.
//
// Threads: everything here runs on the owner's thread. The library plays on a thread of its own
// and shares one datum with us, the end byte handed to "Play", which it sets at the end of the
// stream; it is read and cleared atomically. In stream mode (FromStream) the library may call the
// stream events from its thread.

#include "library/expandedsong.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

class QTimer;
struct TDecoderEntries;

// A failure of the player or the library. ErrorCode is the library's "LastError" code (codes
// above 255 read as 255), 0 when the library is not loaded or refused to start playback, 254 for
// a missing or unusable stream name. The message is UTF-8.
class TMPEGError : public std::runtime_error {
public:
    TMPEGError(const QString &message, uint8_t code);
    uint8_t ErrorCode;
    QString Message() const { return QString::fromUtf8(what()); }
};

// Texts of the library's error codes 0 to 5.
extern const char *const ErrorMessages[6];

// The text for a "LastError" code; codes outside the table get a text naming the code.
QString ErrorMessageFor(int code);

enum class TPlayPriority { Idle, Lowest, BelowNormal, Normal, AboveNormal, Highest, TimeCritical };
enum class TOutputDevice { wavemapper, pcmfile };

class TMPEGPlayer : public QObject, public TSongPlayer {
    Q_OBJECT
public:
    explicit TMPEGPlayer(QObject *parent = nullptr);
    ~TMPEGPlayer() override;

    // Loads PathToDLL + "mpegdll.so" (empty PathToDLL: see OpenDecoderLibrary), binds the 21
    // entries, calls "init", creates the timer.
    void LoadDecoder();
    bool Loaded() const;

    void Open() override;       // opens StreamName (or the stream events); AutoPlay starts it
    void Play() override;       // starts, resumes a pause, or restarts after a stop or the end
    void SetPaused(bool value); // true pauses, false continues
    bool Paused() const;
    void Stop();
    void Restart(); // plays the open stream from its start
    void Close();
    void Seek(int ms);
    void SetSoundDevice(int device);

    int Frequency() override;  // Hz
    int Bitrate() override;    // bit/s
    int StereoMode() override; // 3 = single channel
    int Layer() override;
    int PlayerMode();                  // 0 opened, 1 ready, 2 stopped, 3 playing, 4 paused
    int CurrentPos();                  // ms
    int StreamLength() const override; // ms, read at Open; 0 before
    int PlayedXTimes() const;          // 0 after Close, 1 after Open, +1 per start
    int LastErrorCode() const;         // result of the last "LastError"

    // Published properties (defaults as the main window uses them).
    bool Seekable = true; // stored only
    bool FromStream = false;
    bool AutoPlay = false;
    int WaveDeviceNum = 0;
    QString OutFilename; // PCM output file for TOutputDevice::pcmfile
    QString PathToDLL;   // folder of mpegdll.so; empty: see OpenDecoderLibrary
    int StartPos = 0;    // passed to "Play" unchanged
    int EndPos = 0;      // passed to "Play" unchanged

    TPlayPriority PlayerPriority() const;
    void SetPlayerPriority(TPlayPriority priority); // sent to the library at once when loaded
    bool UseTimer() const;
    void SetUseTimer(bool on);
    int TimerFreq() const;
    void SetTimerFreq(int ms); // <= 0 stores 0 and switches UseTimer off; used by LoadDecoder
    QString StreamName() const;
    void SetStreamName(const QString &name) override; // closes an open stream
    TOutputDevice OutputDevice() const;
    void SetOutputDevice(TOutputDevice device);

    // Notifications, called on the owner's thread.
    std::function<void(int pos, int len)> OnPosUpdate;
    std::function<void(TMPEGPlayer *sender)> OnPlayEnd;

    // Stream mode events (FromStream); may be called from the library's thread.
    std::function<void(bool &nonseekable, void *&context)> OnOpenStream;
    std::function<void(void *context)> OnCloseStream;
    std::function<void(void *context, bool &res)> OnRestartStream;
    std::function<void(void *context, int &res)> OnGetStreamSize;
    std::function<void(void *context, int numbytes, int moveMethod, int &res)> OnSeekStream;
    std::function<void(void *context, void *buffer, int toRead, int &read, bool &res)> OnReadStream;

protected:
    // One poll: reports the position and, once the library has set the end byte, the end.
    virtual void TimerTick();

private:
    void RequireLoaded() const;
    void CheckResult();
    template <typename Entry, typename... Args>
    auto Call(Entry TDecoderEntries::*entry, Args... args);
    void StartFirstPlay();
    void StartTimer();
    void StopTimer();
    void TimerEvent();
    bool EndReached() const;
    void ClearEndReached();

    std::unique_ptr<TDecoderEntries> fLib; // bound entries; null while not loaded
    QTimer *fTimer = nullptr;              // created by LoadDecoder
    bool fOpened = false;
    bool fPlaying = false;
    bool fPaused = false;
    unsigned char fEndReached = 0; // written by the library's thread
    int32_t fThreadPriority = 0;
    int32_t fDeviceCode = 0;
    int fStreamLength = 0;
    int fPlayedXTimes = 0;
    int32_t fLastErrorCode = 0;
    bool fUseTimer = true;
    int fTimerFreq = 500;
    QString fStreamName;
};
