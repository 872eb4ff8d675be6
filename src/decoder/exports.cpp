// The exported entries: each hands its call to the one player.

#include "decoder/mpegdll.h"
#include "decoder/player.h"

using mpegdll::Player;

namespace {

// Booleans arrive as 32-bit values of which only the low byte counts.
bool lowByte(int32_t value) { return (value & 0xFF) != 0; }

} // namespace

int32_t init(void) { return Player::instance().init(); }
void deinit(void) { Player::instance().deinit(); }

void Open(const char *fileName, int32_t streamMode, MpegOpenStream openCb,
          MpegCloseStream closeCb, MpegRestartStream restartCb, MpegReadStream readCb,
          MpegSeekStream seekCb, MpegStreamSize sizeCb, void *user)
{
    const mpegdll::StreamCallbacks callbacks{openCb, closeCb, restartCb, readCb,
                                             seekCb, sizeCb,  user};
    Player::instance().open(fileName, streamMode, callbacks);
}

void Pause(int32_t resume) { Player::instance().pause(lowByte(resume)); }
void Restart(void) { Player::instance().restart(); }
void Stop(void) { Player::instance().stop(); }
void SetPriority(int32_t level) { Player::instance().setPriority(level); }
void SetOutputDevice(int32_t device, const char *fileName)
{
    Player::instance().setOutputDevice(device, fileName);
}
int32_t Play(int32_t startMs, int32_t endMs, unsigned char *endByte)
{
    return Player::instance().play(startMs, endMs, endByte);
}
void Close(void) { Player::instance().close(); }
int32_t GetFrequency(void) { return Player::instance().frequency(); }
int32_t GetBitrate(void) { return Player::instance().bitrate(); }
int32_t GetStereoMode(void) { return Player::instance().stereoMode(); }
int32_t GetLayer(void) { return Player::instance().layer(); }
int32_t GetPlayerMode(void) { return Player::instance().mode(); }
int32_t GetCurrentPos(void) { return Player::instance().currentPos(); }
int32_t GetLength(void) { return Player::instance().length(); }
void ResetPlayerMode(void) { Player::instance().resetMode(); }
void Seek(int32_t ms) { Player::instance().seek(ms); }
void SetSndDevice(int32_t device) { Player::instance().setSoundDevice(device); }
int32_t LastError(void) { return Player::instance().lastError(); }
