#pragma once
// What an audio line stands on: an ALSA mixer element, or this program's streams on the sound
// server. Changes made by anyone are reported through OnChanged; a backend whose source went
// away reports OnLost and is not used again.

#include "mixer/mixerlevels.h"

#include <QString>
#include <functional>

class TLineBackend {
public:
    virtual ~TLineBackend() = default;
    virtual QString Name() const = 0;
    virtual bool Stereo() const = 0; // left and right can differ
    virtual TChannelLevels Levels() const = 0;
    virtual void SetLevels(const TChannelLevels &levels) = 0;
    virtual bool HasMute() const = 0;
    virtual bool Mute() const = 0;
    virtual void SetMute(bool mute) = 0;

    std::function<void()> OnChanged;
    std::function<void()> OnLost;
};
