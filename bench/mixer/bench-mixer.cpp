// Figures for the mixer components, on a PulseAudio null sink of its own whose volume ALSA shows
// as "Master": the time from starting `amixer set Master N%` (another program changing the
// overall volume) until the mixer block's volume slider shows N, which includes amixer's own
// start; and the time from another mixer handle writing "Master" until the block shows it. The
// block learns of changes from the mixer's descriptors, not by polling.

#include "mixer/audioline.h"
#include "mixer/mixerblock.h"
#include "mixer/mixerblockslider.h"
#include "mixer/mixercontrol.h"
#include "mixer/mixerdevice.h"
#include "pulsesink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <alsa/asoundlib.h>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Runs the event loop until the block shows percent (2 s at most); the milliseconds it took
// from starting `change`.
qint64 TimeUntilShown(TMMMixerControl &control, TMMMixerBlock &block, int percent,
                      const std::function<void()> &change)
{
    QEventLoop loop;
    QElapsedTimer clock;
    // The block shows the control's changes before this hears of them.
    const auto shown = QObject::connect(&control, &TMMMixerControl::Changed, &loop, [&] {
        if (block.VolumeSlider()->value() == percent) loop.quit();
    });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    clock.start();
    change();
    if (block.VolumeSlider()->value() != percent) loop.exec();
    QObject::disconnect(shown);
    return clock.elapsed();
}

void Report(const char *what, std::vector<qint64> times)
{
    std::sort(times.begin(), times.end());
    std::printf("mixer block shows %s (%zu changes): median %lld ms, max %lld ms "
                "(target: under 100 ms)\n",
                what, times.size(), static_cast<long long>(times[times.size() / 2]),
                static_cast<long long>(times.back()));
}

// "Master" through a mixer handle of its own, as another mixer program holds one.
snd_mixer_elem_t *OtherMaster(snd_mixer_t *&mixer)
{
    snd_mixer_selem_id_t *id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_name(id, "Master");
    if (snd_mixer_open(&mixer, 0) < 0 || snd_mixer_attach(mixer, "default") < 0 ||
        snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 || snd_mixer_load(mixer) < 0)
        return nullptr;
    return snd_mixer_find_selem(mixer, id);
}

} // namespace

int main(int argc, char **argv)
{
    PulseSink sink(BENCH_RUNTIME);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMMMixerDevice device;
    if (!sink.running() || !device.Open()) {
        std::printf("no PulseAudio null sink or no mixer on it\n");
        return 1;
    }
    TMMAudioLine master(&device, TMMLineType::Speakers);
    TMMMixerControl control(&master);
    TMMMixerBlock block;
    block.SetLine(&master);
    block.SetControl(&control);

    std::vector<qint64> amixer, handle;
    snd_mixer_t *other = nullptr;
    snd_mixer_elem_t *otherMaster = OtherMaster(other);
    long min = 0, max = 0;
    if (otherMaster) snd_mixer_selem_get_playback_volume_range(otherMaster, &min, &max);
    for (int i = 0; i < 20; ++i) {
        const int percent = 30 + (i % 2) * 40 + i;
        amixer.push_back(TimeUntilShown(control, block, percent, [percent] {
            QProcess::startDetached(QStringLiteral("amixer"),
                                    {QStringLiteral("-q"), QStringLiteral("set"),
                                     QStringLiteral("Master"), QStringLiteral("%1%").arg(percent)});
        }));
        if (!otherMaster) continue;
        handle.push_back(TimeUntilShown(control, block, percent + 1, [&] {
            snd_mixer_selem_set_playback_volume_all(otherMaster,
                                                    min + (max - min) * (percent + 1) / 100);
        }));
    }
    Report("`amixer set Master`", amixer);
    if (!handle.empty()) Report("another mixer handle's change of \"Master\"", handle);
    if (other) snd_mixer_close(other);
    return 0;
}
