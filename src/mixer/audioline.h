#pragma once
// TMMAudioLine: one line of the default mixer. The speakers line is the element "Master"; the
// wave-output line, through which this program's songs and clips sound, is the element "PCM"
// where the card has one, and otherwise this program's own playback streams on the sound
// server (the volume a desktop keeps for each program). A line that cannot be found is
// unavailable and says why in Problem.

#include "mixer/mixerlevels.h"

#include <QObject>
#include <QString>
#include <memory>

class TLineBackend;
class TMMMixerDevice;

enum class TMMLineType { Speakers, WaveOut };

class TMMAudioLine : public QObject {
    Q_OBJECT
public:
    TMMAudioLine(TMMMixerDevice *device, TMMLineType type, QObject *parent = nullptr);
    ~TMMAudioLine() override;

    TMMLineType Type() const { return fType; }
    bool Available() const { return fBackend != nullptr; }
    QString Name() const;    // what it stands on: "Master", "PCM", the program's streams
    QString Problem() const; // why it is unavailable, a hint for the person; empty when it is

    // The two channels' levels, 0 to 1; both 0 when unavailable. A mono line has them alike.
    TChannelLevels Levels() const;
    void SetLevels(const TChannelLevels &levels);
    bool Stereo() const;
    bool HasMute() const;
    bool Mute() const;
    void SetMute(bool mute);

signals:
    void Changed(); // levels, mute or availability changed, by this program or another

private:
    void Resolve();
    void Drop();

    TMMMixerDevice *fDevice;
    TMMLineType fType;
    std::unique_ptr<TLineBackend> fBackend;
    bool fFromDevice = false; // an element of the device, gone when it closes
};
