#include "mixer/alsamixer.h"

#include <QSocketNotifier>
#include <cmath>

namespace {

// One simple-mixer element with a playback volume.
class TAlsaElement : public TLineBackend {
public:
    explicit TAlsaElement(snd_mixer_elem_t *element) : fElement(element)
    {
        snd_mixer_selem_get_playback_volume_range(element, &fMin, &fMax);
        snd_mixer_elem_set_callback_private(element, this);
        snd_mixer_elem_set_callback(element, &TAlsaElement::Event);
    }
    ~TAlsaElement() override { snd_mixer_elem_set_callback(fElement, nullptr); }

    QString Name() const override { return QString::fromUtf8(snd_mixer_selem_get_name(fElement)); }
    bool Stereo() const override { return !snd_mixer_selem_is_playback_mono(fElement); }
    TChannelLevels Levels() const override;
    void SetLevels(const TChannelLevels &levels) override;
    bool HasMute() const override { return snd_mixer_selem_has_playback_switch(fElement); }
    bool Mute() const override;
    void SetMute(bool mute) override { snd_mixer_selem_set_playback_switch_all(fElement, !mute); }

private:
    static int Event(snd_mixer_elem_t *element, unsigned int mask);
    double Level(snd_mixer_selem_channel_id_t channel) const;

    snd_mixer_elem_t *fElement;
    long fMin = 0;
    long fMax = 0;
};

bool IsLeft(snd_mixer_selem_channel_id_t channel)
{
    return channel == SND_MIXER_SCHN_FRONT_LEFT || channel == SND_MIXER_SCHN_REAR_LEFT ||
           channel == SND_MIXER_SCHN_SIDE_LEFT;
}

bool IsRight(snd_mixer_selem_channel_id_t channel)
{
    return channel == SND_MIXER_SCHN_FRONT_RIGHT || channel == SND_MIXER_SCHN_REAR_RIGHT ||
           channel == SND_MIXER_SCHN_SIDE_RIGHT;
}

double TAlsaElement::Level(snd_mixer_selem_channel_id_t channel) const
{
    long value = fMin;
    snd_mixer_selem_get_playback_volume(fElement, channel, &value);
    return fMax > fMin ? double(value - fMin) / double(fMax - fMin) : 0;
}

TChannelLevels TAlsaElement::Levels() const
{
    if (!Stereo()) {
        const double level = Level(SND_MIXER_SCHN_MONO);
        return {level, level};
    }
    return {Level(SND_MIXER_SCHN_FRONT_LEFT), Level(SND_MIXER_SCHN_FRONT_RIGHT)};
}

void TAlsaElement::SetLevels(const TChannelLevels &levels)
{
    const auto raw = [this](double level) { return fMin + std::lround(level * (fMax - fMin)); };
    if (!Stereo()) {
        snd_mixer_selem_set_playback_volume_all(fElement, raw(VolumeOf(levels)));
        return;
    }
    for (int i = 0; i <= SND_MIXER_SCHN_LAST; ++i) {
        const auto channel = snd_mixer_selem_channel_id_t(i);
        if (!snd_mixer_selem_has_playback_channel(fElement, channel)) continue;
        const double level = IsLeft(channel)    ? levels.Left
                             : IsRight(channel) ? levels.Right
                                                : VolumeOf(levels);
        snd_mixer_selem_set_playback_volume(fElement, channel, raw(level));
    }
}

bool TAlsaElement::Mute() const
{
    for (int i = 0; i <= SND_MIXER_SCHN_LAST; ++i) {
        int on = 0;
        const auto channel = snd_mixer_selem_channel_id_t(i);
        if (snd_mixer_selem_has_playback_channel(fElement, channel) &&
            snd_mixer_selem_get_playback_switch(fElement, channel, &on) == 0 && on)
            return false;
    }
    return true;
}

int TAlsaElement::Event(snd_mixer_elem_t *element, unsigned int mask)
{
    auto *self = static_cast<TAlsaElement *>(snd_mixer_elem_get_callback_private(element));
    const auto report = mask == SND_CTL_EVENT_MASK_REMOVE ? self->OnLost : self->OnChanged;
    if (report) report();
    return 0;
}

} // namespace

std::unique_ptr<TAlsaMixer> TAlsaMixer::OpenDefault()
{
    snd_mixer_t *mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0) return nullptr;
    if (snd_mixer_attach(mixer, "default") < 0 ||
        snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 || snd_mixer_load(mixer) < 0) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    std::unique_ptr<TAlsaMixer> result(new TAlsaMixer(mixer));
    result->Watch();
    return result;
}

TAlsaMixer::TAlsaMixer(snd_mixer_t *mixer) : fMixer(mixer) {}

TAlsaMixer::~TAlsaMixer()
{
    fNotifiers.clear();
    snd_mixer_close(fMixer);
}

void TAlsaMixer::Watch()
{
    std::vector<pollfd> descriptors(std::max(0, snd_mixer_poll_descriptors_count(fMixer)));
    const int count = snd_mixer_poll_descriptors(fMixer, descriptors.data(), descriptors.size());
    for (int i = 0; i < count; ++i) {
        const auto type =
            descriptors[i].events & POLLOUT ? QSocketNotifier::Write : QSocketNotifier::Read;
        auto notifier = std::make_unique<QSocketNotifier>(descriptors[i].fd, type);
        connect(notifier.get(), &QSocketNotifier::activated, this, &TAlsaMixer::HandleEvents);
        fNotifiers.push_back(std::move(notifier));
    }
}

void TAlsaMixer::HandleEvents()
{
    if (snd_mixer_handle_events(fMixer) >= 0) return;
    fNotifiers.clear(); // a failed mixer stays readable: stop listening before anything else
    if (OnLost) OnLost();
}

std::unique_ptr<TLineBackend> TAlsaMixer::Element(const QString &name)
{
    snd_mixer_selem_id_t *id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_name(id, name.toUtf8().constData());
    snd_mixer_elem_t *element = snd_mixer_find_selem(fMixer, id);
    if (!element || !snd_mixer_selem_has_playback_volume(element)) return nullptr;
    return std::make_unique<TAlsaElement>(element);
}
