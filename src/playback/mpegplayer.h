#pragma once
// TMPEGPlayer: plays MPEG audio files through the decoder library mpegdll.so, loaded at run time
// and bound by name. It keeps a state machine around the library, turns every library failure
// into TMPEGError, and polls the library with a Qt timer on the owner's thread: OnPosUpdate
// reports (position, length) in milliseconds, OnPlayEnd the end of the stream.

#include "library/expandedsong.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>

class QTimer;

// A failure of the player or the library; ErrorCode as the library's "LastError" gives it,
// 0 for "library not loaded", 254 for a missing stream name.
class TMPEGError : public std::runtime_error {
public:
    TMPEGError(const QString &message, uint8_t code);
    uint8_t ErrorCode;
    QString Message() const { return QString::fromUtf8(what()); }
};

// Texts of the library's error codes 0 to 5.
extern const char *const ErrorMessages[6];

enum class TPlayPriority { Idle, Lowest, BelowNormal, Normal, AboveNormal, Highest, TimeCritical };
enum class TOutputDevice { wavemapper, pcmfile };

class TMPEGPlayer : public QObject, public TSongPlayer {
    Q_OBJECT
public:
    explicit TMPEGPlayer(QObject *parent = nullptr);
    ~TMPEGPlayer() override;

    // Loads PathToDLL + "mpegdll.so" (empty PathToDLL: the program's folder, then the system's
    // library search), binds the 21 entries, calls "init", creates the timer.
    void LoadDecoder();
    bool Loaded() const;

    void Open();
    void Play() override;
    void SetPaused(bool value);
    bool Paused() const;
    void Stop();
    void Restart();
    void Close();
    void Seek(int ms);
    void SetSoundDevice(int device);

    int Frequency() override;
    int Bitrate() override;
    int StereoMode() override;
    int Layer() override;
    int PlayerMode(); // 0 opened, 1 ready, 2 stopped, 3 playing, 4 paused
    int CurrentPos(); // ms
    int StreamLength() const override;
    int PlayedXTimes() const;
    int LastErrorCode() const;

    // Published properties.
    bool Seekable = true;
    bool FromStream = false;
    bool AutoPlay = false;
    int WaveDeviceNum = 0;
    QString OutFilename;
    QString PathToDLL;
    int StartPos = 0;
    int EndPos = 0;

    TPlayPriority PlayerPriority() const;
    void SetPlayerPriority(TPlayPriority priority);
    bool UseTimer() const;
    void SetUseTimer(bool on);
    int TimerFreq() const;
    void SetTimerFreq(int ms);
    QString StreamName() const;
    void SetStreamName(const QString &name) override;
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
    std::function<void(void *context, void *buffer, int toRead, int &read, bool &res)>
        OnReadStream;

protected:
    virtual void TimerTick();

private:
    struct Library;
    Library *fLib = nullptr; // bound entries; null while not loaded
    // (further private state lives in the implementation)
};
