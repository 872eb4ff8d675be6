#pragma once
// TMediaPlayer: plays one video clip at a time, with the commands and queries of the multimedia
// control interface the clips page relies on, over QMediaPlayer (GStreamer) drawing into a
// QVideoWidget inside the display window.
//
// Every command leaves an error code behind (Error, 0 = success) with its text (ErrorMessage).
// Play, Pause, Stop, Seek and Length raise EMCIDeviceError "No MCI device open" on a closed
// device; Mode and Position never raise. Times are milliseconds from the clip's start, whatever
// clock the file's own time stamps start at.
//
// Opening with Wait set returns once the clip's first picture is decoded (its natural size
// known) or the file failed, within OpenLimitMs plus ProbeLimitMs; meanwhile only non-input
// events are processed, and the mode reads mpNotReady. Everything runs on the owner's thread;
// there are no notifications: the owner polls Mode and Position.

#include "views/mcierror.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

class QEventLoop;
class QMediaPlayer;
class QVideoFrame;
class QVideoWidget;

// The modes a device reports. This player reports mpNotReady (closed or still opening),
// mpStopped, mpPlaying and mpPaused; the others belong to devices that record or have a door.
enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

// Time formats; clips are measured in milliseconds only.
enum class TMPTimeFormats { tfMilliseconds };

// A rectangle as the page computes it: Right and Bottom lie just past the picture, so the width
// is Right - Left. A destination with Right and Bottom 0 means the natural size at Left, Top.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect &) const = default;
};

class TMediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit TMediaPlayer(QObject *parent = nullptr);
    ~TMediaPlayer() override;

    QString FileName;        // the file the next Open opens
    bool Wait = false;       // the next command waits until done; cleared by every command
    bool AutoRewind = false; // Play at the end of the clip starts it again from the beginning

    // The window the picture is drawn in (not owned; null: the picture is decoded, not shown).
    void SetDisplay(QWidget *display);
    QWidget *Display() const { return fDisplay; }

    // Opens FileName, closing a device that is still open first. Leaves the clip stopped at its
    // start; on failure the device stays closed and Error tells why.
    void Open();
    void Close();            // stops and closes; nothing happens when closed
    void Play();             // from the current position; resumes a pause
    void Stop();             // stays at the current position
    void Pause();            // pauses playing, resumes paused; nothing in other modes
    void Seek(int position); // stops at position (ms); outside [0, Length]: mciErrOutOfRange

    void SetTimeFormat(TMPTimeFormats format);
    TMPTimeFormats TimeFormat() const { return TMPTimeFormats::tfMilliseconds; }
    int Length() const;   // ms; estimates made from the file grow to where it really ends
    int Position() const; // ms, 0 <= Position <= Length; 0 when closed
    TMPModes Mode() const;
    bool IsOpen() const { return fPlayer != nullptr; }

    // Where the picture is drawn inside the display window. After Open: the natural size at 0, 0
    // (0, 0, 0, 0 for a file without a picture, or when closed).
    TRect DisplayRect() const;
    void SetDisplayRect(const TRect &rect);

    int Error() const { return fError; }
    QString ErrorMessage() const;

    static constexpr int OpenLimitMs = 1200; // loading the file and decoding its first picture
    static constexpr int ProbeLimitMs = 500; // naming the GStreamer modules a failed file lacks

private:
    enum class TLoad { Loading, Loaded, Failed };

    void CreatePlayer();
    void FrameArrived(const QVideoFrame &frame);
    void StatusChanged();
    void PlayerError(int error, const QString &text);
    void LoadFailed(int code, const QString &detail);
    bool LoadSettled() const; // loading ended: failed, or loaded with its first picture
    void Settle();
    bool WaitForLoad(); // false when the device was closed meanwhile
    void FinishOpen();
    void RequireOpen();
    void Succeed() { SetError(mciNoError); }
    void SetError(int code, const QString &detail = QString());
    bool AtEnd() const;
    void PlaceVideo();

    QPointer<QWidget> fDisplay;
    QPointer<QVideoWidget> fVideo;   // child of fDisplay
    QMediaPlayer *fPlayer = nullptr; // null while closed
    QEventLoop *fWaitLoop = nullptr; // while Open waits
    TLoad fLoad = TLoad::Loading;
    TMPModes fMode = TMPModes::mpNotReady;
    int fLoadError = mciNoError;
    QString fLoadDetail;
    QSize fNatural;
    qint64 fOrigin = 0;      // the framework's position at the clip's start
    qint64 fEndPosition = 0; // where the clip really ended, once it did
    TRect fDest;
    int fError = mciNoError;
    QString fErrorDetail;
};
