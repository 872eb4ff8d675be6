#include "playback/mpegplayer.h"

#include "playback/decoderentries.h"

#include <QFile>
#include <QTimer>
#include <QtDebug>

#include <atomic>
#include <dlfcn.h>
#include <type_traits>

const char *const ErrorMessages[6] = {
    "MPEG library not loaded", "Internal decoder error",       "Incorrect mode",
    "Input stream error",      "Input stream is non-seekable", "Output device failure",
};

QString ErrorMessageFor(int code)
{
    if (code >= 0 && code < 6)
        return QString::fromLatin1(ErrorMessages[code]);
    return QStringLiteral("Unknown decoder error (code %1)").arg(code);
}

TMPEGError::TMPEGError(const QString &message, uint8_t code)
    : std::runtime_error(message.toUtf8().toStdString()), ErrorCode(code)
{
}

namespace {

constexpr int kStreamNameLimit = 511; // bytes, as the library's 512-byte buffer holds
constexpr int kOutFilenameLimit = 259;
constexpr uint8_t kNoStreamCode = 254;
constexpr uint8_t kOutputDeviceCode = 5;

// The library's thread priority levels, indexed by TPlayPriority.
constexpr int32_t kThreadPriorities[] = {-15, -2, -1, 0, 1, 2, 15};

TMPEGError ErrorForCode(int32_t code)
{
    return TMPEGError(ErrorMessageFor(code), static_cast<uint8_t>(qBound(0, code, 255)));
}

// The name as the library takes it; refused when it does not fit the library's buffer.
QByteArray EncodedName(const QString &name, int limit, const QString &what, uint8_t code)
{
    const QByteArray bytes = QFile::encodeName(name);
    if (bytes.size() > limit)
        throw TMPEGError(QStringLiteral("%1 is longer than %2 bytes").arg(what).arg(limit), code);
    if (bytes.contains('\0'))
        throw TMPEGError(QStringLiteral("%1 contains a zero character").arg(what), code);
    return bytes;
}

// ---- Stream callbacks: the library hands back the player as user data ----

TMPEGPlayer &PlayerOf(void *user) { return *static_cast<TMPEGPlayer *>(user); }

void OpenStream(void *user, unsigned char *nonseekable, void **context)
{
    *context = nullptr;
    if (!PlayerOf(user).OnOpenStream)
        return;
    bool flag = *nonseekable != 0;
    PlayerOf(user).OnOpenStream(flag, *context);
    *nonseekable = flag ? 1 : 0;
}

void CloseStream(void *user, void *context)
{
    if (PlayerOf(user).OnCloseStream)
        PlayerOf(user).OnCloseStream(context);
}

void RestartStream(void *user, void *context, unsigned char *res)
{
    bool ok = false;
    if (PlayerOf(user).OnRestartStream)
        PlayerOf(user).OnRestartStream(context, ok);
    *res = ok ? 1 : 0;
}

void ReadStream(void *user, void *context, void *buffer, int32_t toRead, int32_t *read,
                unsigned char *res)
{
    bool ok = false;
    if (PlayerOf(user).OnReadStream) {
        int count = *read;
        PlayerOf(user).OnReadStream(context, buffer, toRead, count, ok);
        *read = count;
    }
    *res = ok ? 1 : 0;
}

void SeekStream(void *user, void *context, int32_t numbytes, int32_t moveMethod, int32_t *res)
{
    int result = -1;
    if (PlayerOf(user).OnSeekStream)
        PlayerOf(user).OnSeekStream(context, numbytes, moveMethod, result);
    *res = result;
}

void StreamSize(void *user, void *context, int32_t *res)
{
    int result = -1;
    if (PlayerOf(user).OnGetStreamSize)
        PlayerOf(user).OnGetStreamSize(context, result);
    *res = result;
}

} // namespace

TMPEGPlayer::TMPEGPlayer(QObject *parent) : QObject(parent) {}

// The library stays loaded for the life of the process. An open stream is closed, since the
// library keeps the address of our end byte (and of us, in stream mode) until then.
TMPEGPlayer::~TMPEGPlayer()
{
    if (fLib && fOpened) {
        fLib->close();
        fLib->lastError();
    }
}

void TMPEGPlayer::RequireLoaded() const
{
    if (!fLib)
        throw ErrorForCode(0);
}

void TMPEGPlayer::CheckResult()
{
    fLastErrorCode = fLib->lastError();
    if (fLastErrorCode > 0)
        throw ErrorForCode(fLastErrorCode);
}

// Calls one entry of the library and checks "LastError" after it.
template <typename Entry, typename... Args>
auto TMPEGPlayer::Call(Entry TDecoderEntries::*entry, Args... args)
{
    RequireLoaded();
    Entry function = fLib.get()->*entry;
    if constexpr (std::is_void_v<std::invoke_result_t<Entry, Args...>>) {
        function(args...);
        CheckResult();
    } else {
        auto result = function(args...);
        CheckResult();
        return result;
    }
}

void TMPEGPlayer::LoadDecoder()
{
    fLib.reset();
    void *handle = OpenDecoderLibrary(PathToDLL);
    if (!handle) {
        qWarning("mpegdll.so: %s", dlerror());
        throw TMPEGError(QStringLiteral("Can't load MPEG library"), 0);
    }
    auto lib = std::make_unique<TDecoderEntries>();
    if (!lib->BindAll(handle)) {
        dlclose(handle);
        throw ErrorForCode(0);
    }
    if ((lib->init() & 0xFF) == 0) {
        fLastErrorCode = lib->lastError(); // the library stays loaded
        throw ErrorForCode(fLastErrorCode);
    }
    fLib = std::move(lib);
    if (!fTimer) {
        fTimer = new QTimer(this);
        connect(fTimer, &QTimer::timeout, this, &TMPEGPlayer::TimerEvent);
    }
    fTimer->stop();
    fTimer->setInterval(fUseTimer ? fTimerFreq : 0);
    fStreamLength = 0;
}

bool TMPEGPlayer::Loaded() const { return fLib != nullptr; }

void TMPEGPlayer::Open()
{
    RequireLoaded();
    if (fOpened)
        Close();
    fOpened = false;
    if (FromStream) {
        Call(&TDecoderEntries::open, static_cast<const char *>(nullptr), int32_t{1}, &OpenStream,
             &CloseStream, &RestartStream, &ReadStream, &SeekStream, &StreamSize,
             static_cast<void *>(this));
    } else {
        if (fStreamName.isEmpty())
            throw TMPEGError(QStringLiteral("Can't play non-specified stream"), kNoStreamCode);
        const QByteArray name = EncodedName(fStreamName, kStreamNameLimit,
                                            QStringLiteral("Stream name"), kNoStreamCode);
        Call(&TDecoderEntries::open, name.constData(), int32_t{0}, TOpenStreamCallback{},
             TCloseStreamCallback{}, TRestartStreamCallback{}, TReadStreamCallback{},
             TSeekStreamCallback{}, TStreamSizeCallback{}, static_cast<void *>(nullptr));
    }
    fOpened = true;
    fPlayedXTimes = 1;
    fStreamLength = Call(&TDecoderEntries::getLength);
    if (AutoPlay)
        Play();
}

void TMPEGPlayer::Play()
{
    RequireLoaded();
    if (fPaused) {
        SetPaused(false);
        return;
    }
    if (fPlaying)
        return;
    if (!fOpened) {
        Open();
        // AutoPlay has already started it; starting again would restart it at once.
        if (!fOpened || fPlaying)
            return;
    }
    if (fPlayedXTimes > 1) {
        Restart();
        return;
    }
    StartFirstPlay();
    fPlaying = true;
    ++fPlayedXTimes;
    StartTimer();
}

// The full sequence for a freshly opened stream: priority, output, sound device, "Play".
void TMPEGPlayer::StartFirstPlay()
{
    const QByteArray outFile = EncodedName(OutFilename, kOutFilenameLimit,
                                           QStringLiteral("Output file name"), kOutputDeviceCode);
    Call(&TDecoderEntries::setPriority, fThreadPriority);
    Call(&TDecoderEntries::setOutputDevice, fDeviceCode, outFile.constData());
    SetSoundDevice(WaveDeviceNum);
    // An end left over from the previous stream must not end this one at the first tick.
    ClearEndReached();
    const int32_t result = fLib->play(StartPos, EndPos, &fEndReached);
    fLastErrorCode = fLib->lastError();
    if (fLastErrorCode > 0)
        throw ErrorForCode(fLastErrorCode);
    if (result != 0)
        throw TMPEGError(QStringLiteral("The decoder could not start playback"), 0);
}

void TMPEGPlayer::StartTimer()
{
    if (!fUseTimer || !fTimer || fTimer->interval() == 0)
        return;
    fTimer->start();
    TimerTick();
}

void TMPEGPlayer::StopTimer()
{
    if (fTimer)
        fTimer->stop();
}

void TMPEGPlayer::Restart()
{
    RequireLoaded();
    if (!fOpened)
        throw ErrorForCode(2);
    ClearEndReached();
    Call(&TDecoderEntries::restart);
    fPlaying = true;
    ++fPlayedXTimes;
    StartTimer();
}

void TMPEGPlayer::SetPaused(bool value)
{
    RequireLoaded();
    if (!fPlaying || EndReached()) {
        fPaused = false;
        if (value)
            throw ErrorForCode(2);
        return;
    }
    Call(&TDecoderEntries::pause, int32_t{value ? 0 : 1});
    fPaused = value;
}

bool TMPEGPlayer::Paused() const { return fPaused; }

void TMPEGPlayer::Stop()
{
    if (!fPlaying || EndReached())
        throw ErrorForCode(2);
    RequireLoaded();
    Call(&TDecoderEntries::stop);
    fPlaying = false;
    fPaused = false;
}

void TMPEGPlayer::Close()
{
    RequireLoaded();
    fOpened = false;
    fPaused = false;
    fPlaying = false;
    fPlayedXTimes = 0;
    Call(&TDecoderEntries::close);
}

void TMPEGPlayer::Seek(int ms) { Call(&TDecoderEntries::seek, int32_t{ms}); }
void TMPEGPlayer::SetSoundDevice(int device)
{
    Call(&TDecoderEntries::setSndDevice, int32_t{device});
}

int TMPEGPlayer::Frequency() { return Call(&TDecoderEntries::getFrequency); }
int TMPEGPlayer::Bitrate() { return Call(&TDecoderEntries::getBitrate); }
int TMPEGPlayer::StereoMode() { return Call(&TDecoderEntries::getStereoMode); }
int TMPEGPlayer::Layer() { return Call(&TDecoderEntries::getLayer); }
int TMPEGPlayer::PlayerMode() { return Call(&TDecoderEntries::getPlayerMode); }
int TMPEGPlayer::CurrentPos() { return Call(&TDecoderEntries::getCurrentPos); }
int TMPEGPlayer::StreamLength() const { return fStreamLength; }
int TMPEGPlayer::PlayedXTimes() const { return fPlayedXTimes; }
int TMPEGPlayer::LastErrorCode() const { return fLastErrorCode; }

TPlayPriority TMPEGPlayer::PlayerPriority() const
{
    for (int level = 0; level < 7; ++level) {
        if (kThreadPriorities[level] == fThreadPriority)
            return static_cast<TPlayPriority>(level);
    }
    return TPlayPriority::Normal;
}

void TMPEGPlayer::SetPlayerPriority(TPlayPriority priority)
{
    // A level read from the settings may be out of range: it counts as Normal.
    const int level = static_cast<int>(priority);
    fThreadPriority = level >= 0 && level < 7 ? kThreadPriorities[level] : 0;
    if (fLib)
        Call(&TDecoderEntries::setPriority, fThreadPriority);
}

bool TMPEGPlayer::UseTimer() const { return fUseTimer; }
void TMPEGPlayer::SetUseTimer(bool on) { fUseTimer = on; }
int TMPEGPlayer::TimerFreq() const { return fTimerFreq; }

void TMPEGPlayer::SetTimerFreq(int ms)
{
    fTimerFreq = qMax(0, ms);
    if (fTimerFreq == 0)
        fUseTimer = false;
}

QString TMPEGPlayer::StreamName() const { return fStreamName; }

void TMPEGPlayer::SetStreamName(const QString &name)
{
    fStreamName = name;
    if (fOpened)
        Close();
}

TOutputDevice TMPEGPlayer::OutputDevice() const
{
    return fDeviceCode != 0 ? TOutputDevice::pcmfile : TOutputDevice::wavemapper;
}

void TMPEGPlayer::SetOutputDevice(TOutputDevice device)
{
    fDeviceCode = device == TOutputDevice::pcmfile ? 2 : 0;
}

bool TMPEGPlayer::EndReached() const
{
    return std::atomic_ref<unsigned char>(const_cast<unsigned char &>(fEndReached)).load() != 0;
}

void TMPEGPlayer::ClearEndReached() { std::atomic_ref<unsigned char>(fEndReached).store(0); }

void TMPEGPlayer::TimerTick()
{
    if (!fOpened || !fPlaying) {
        StopTimer();
        return;
    }
    int pos = CurrentPos();
    if (pos > fStreamLength)
        pos = 0;
    if (OnPosUpdate)
        OnPosUpdate(pos, fStreamLength);
    if (EndReached()) {
        StopTimer();
        fPlaying = false;
        if (OnPlayEnd) {
            ClearEndReached();
            OnPlayEnd(this);
        }
    }
}

// A failure inside a timer event has no caller to go to; it must not unwind through the event
// loop. The next tick tries again.
void TMPEGPlayer::TimerEvent()
{
    try {
        TimerTick();
    } catch (const std::exception &error) {
        qWarning("Player tick failed: %s", error.what());
    }
}
