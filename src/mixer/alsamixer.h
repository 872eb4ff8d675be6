#pragma once
// ALSA's simple mixer of the "default" control device (on a desktop with a sound server, the
// server's own, through alsa-plugins), watched through its poll descriptors so that changes
// made elsewhere arrive at once.

#include "mixer/linebackend.h"

#include <QObject>
#include <alsa/asoundlib.h>
#include <memory>
#include <vector>

class QSocketNotifier;

class TAlsaMixer : public QObject {
    Q_OBJECT
public:
    // The default mixer, or null when the machine has none.
    static std::unique_ptr<TAlsaMixer> OpenDefault();
    ~TAlsaMixer() override;

    // The simple element of that name with a playback volume, or null.
    std::unique_ptr<TLineBackend> Element(const QString &name);

    std::function<void()> OnLost; // the mixer failed (its card or server went away)

private:
    explicit TAlsaMixer(snd_mixer_t *mixer);
    void Watch();
    void HandleEvents();

    snd_mixer_t *fMixer;
    std::vector<std::unique_ptr<QSocketNotifier>> fNotifiers;
};
