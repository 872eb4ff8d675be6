#pragma once
// The wave-output line on a desktop with a sound server (PulseAudio, or PipeWire speaking its
// protocol): this program's own playback streams, whose volume the desktop keeps per program.
// The line's levels and mute go to every stream of this process, and to each new one as it
// starts (the next song, a clip), so they all follow; a change made to one of them elsewhere
// (the desktop's volume control) becomes the line's. Until the person sets it or a stream of
// ours is seen, the line reads full and streams keep what the server gave them.

#include "mixer/linebackend.h"

#include <map>
#include <memory>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>

class TPulseLoop;

class TProgramStreams : public TLineBackend {
public:
    // Connects to the sound server; null when none answers within ConnectLimitMs.
    static std::unique_ptr<TLineBackend> Connect();
    ~TProgramStreams() override;

    QString Name() const override;
    bool Stereo() const override { return true; }
    TChannelLevels Levels() const override { return fLevels; }
    void SetLevels(const TChannelLevels &levels) override;
    bool HasMute() const override { return true; }
    bool Mute() const override { return fMute; }
    void SetMute(bool mute) override;

    static constexpr int ConnectLimitMs = 1000;

private:
    TProgramStreams();
    bool Start();
    static void StateChanged(pa_context *context, void *self);
    static void Event(pa_context *context, pa_subscription_event_type_t type, uint32_t index,
                      void *self);
    static void StreamInfo(pa_context *context, const pa_sink_input_info *info, int eol,
                           void *self);
    static void Confirmed(pa_context *context, int success, void *stream);
    void Seen(const pa_sink_input_info &info);
    bool Differs(const pa_sink_input_info &info) const;
    void Adopt(const pa_sink_input_info &info);
    void Apply(uint32_t index);
    void ApplyAll();

    std::unique_ptr<TPulseLoop> fLoop;
    pa_context *fContext = nullptr;
    std::map<uint32_t, pa_channel_map> fStreams; // ours, by the server's index
    int fPending = 0; // our own changes the server has not confirmed yet: their echoes are stale
    TChannelLevels fLevels{1, 1};
    bool fMute = false;
    bool fKnown = false;  // the levels came from the person or a stream of ours
    bool fListed = false; // the streams that existed at connection are known
    bool fFailed = false;
};
