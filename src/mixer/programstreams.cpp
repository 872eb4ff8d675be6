#include "mixer/programstreams.h"

#include "mixer/pulseloop.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>
#include <pulse/volume.h>

namespace {

double Fraction(pa_volume_t volume)
{
    return std::min(1.0, double(volume) / PA_VOLUME_NORM);
}

} // namespace

TProgramStreams::TProgramStreams() : fLoop(std::make_unique<TPulseLoop>()) {}

TProgramStreams::~TProgramStreams()
{
    if (fContext) {
        pa_context_set_state_callback(fContext, nullptr, nullptr);
        pa_context_set_subscribe_callback(fContext, nullptr, nullptr);
        pa_context_disconnect(fContext);
        pa_context_unref(fContext);
    }
}

std::unique_ptr<TLineBackend> TProgramStreams::Connect()
{
    std::unique_ptr<TProgramStreams> streams(new TProgramStreams);
    if (!streams->Start()) return nullptr;
    return streams;
}

bool TProgramStreams::Start()
{
    const QByteArray name = QCoreApplication::applicationName().toUtf8() + " mixer";
    fContext = pa_context_new(fLoop->Api(), name.constData());
    if (!fContext) return false;
    pa_context_set_state_callback(fContext, &TProgramStreams::StateChanged, this);
    if (pa_context_connect(fContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    return fLoop->RunUntil([this] { return fListed || fFailed; }, ConnectLimitMs) && !fFailed;
}

void TProgramStreams::StateChanged(pa_context *context, void *self)
{
    auto *streams = static_cast<TProgramStreams *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        pa_context_set_subscribe_callback(context, &TProgramStreams::Event, self);
        pa_operation_unref(
            pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SINK_INPUT, nullptr, nullptr));
        pa_operation_unref(
            pa_context_get_sink_input_info_list(context, &TProgramStreams::StreamInfo, self));
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        streams->fFailed = true;
        // Whoever learns of the loss frees us: not while the loop is dispatching.
        if (streams->fListed)
            QTimer::singleShot(0, streams->fLoop.get(), [streams] {
                if (streams->OnLost) streams->OnLost();
            });
        break;
    default:
        break;
    }
}

void TProgramStreams::Event(pa_context *context, pa_subscription_event_type_t type, uint32_t index,
                            void *self)
{
    auto *streams = static_cast<TProgramStreams *>(self);
    if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE) {
        streams->fStreams.erase(index);
        return;
    }
    pa_operation_unref(
        pa_context_get_sink_input_info(context, index, &TProgramStreams::StreamInfo, self));
}

void TProgramStreams::StreamInfo(pa_context *, const pa_sink_input_info *info, int eol, void *self)
{
    auto *streams = static_cast<TProgramStreams *>(self);
    if (eol) {
        streams->fListed = true;
        return;
    }
    const char *pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
    if (pid && QByteArray(pid) == QByteArray::number(QCoreApplication::applicationPid()))
        streams->Seen(*info);
}

// A stream of ours appeared or changed.
void TProgramStreams::Seen(const pa_sink_input_info &info)
{
    const bool fresh = fStreams.emplace(info.index, info.channel_map).second;
    if (!fKnown) {
        Adopt(info);
    } else if (fresh) {
        Apply(info.index);
    } else if (fPending == 0 && Differs(info)) {
        Adopt(info); // changed elsewhere: the others follow
        ApplyAll();
    }
}

bool TProgramStreams::Differs(const pa_sink_input_info &info) const
{
    if (bool(info.mute) != fMute ||
        std::abs(Fraction(pa_cvolume_max(&info.volume)) - VolumeOf(fLevels)) > 0.005)
        return true;
    return pa_channel_map_can_balance(&info.channel_map) &&
           std::abs(pa_cvolume_get_balance(&info.volume, &info.channel_map) -
                    BalanceOf(fLevels, 0)) > 0.01;
}

void TProgramStreams::Adopt(const pa_sink_input_info &info)
{
    const double balance = pa_channel_map_can_balance(&info.channel_map)
                               ? pa_cvolume_get_balance(&info.volume, &info.channel_map)
                               : BalanceOf(fLevels, 0);
    fLevels = LevelsFor(Fraction(pa_cvolume_max(&info.volume)), balance);
    fMute = info.mute;
    fKnown = true;
    if (OnChanged) OnChanged();
}

void TProgramStreams::Apply(uint32_t index)
{
    const pa_channel_map &map = fStreams[index];
    pa_cvolume volume;
    pa_cvolume_set(&volume, map.channels,
                   pa_volume_t(std::lround(VolumeOf(fLevels) * PA_VOLUME_NORM)));
    if (pa_channel_map_can_balance(&map))
        pa_cvolume_set_balance(&volume, &map, float(BalanceOf(fLevels, 0)));
    fPending += 2;
    pa_operation_unref(pa_context_set_sink_input_volume(fContext, index, &volume,
                                                        &TProgramStreams::Confirmed, this));
    pa_operation_unref(
        pa_context_set_sink_input_mute(fContext, index, fMute, &TProgramStreams::Confirmed, this));
}

void TProgramStreams::Confirmed(pa_context *, int, void *self)
{
    --static_cast<TProgramStreams *>(self)->fPending;
}

void TProgramStreams::ApplyAll()
{
    for (const auto &stream : fStreams)
        Apply(stream.first);
}

void TProgramStreams::SetLevels(const TChannelLevels &levels)
{
    fLevels = levels;
    fKnown = true;
    ApplyAll();
    if (OnChanged) OnChanged();
}

void TProgramStreams::SetMute(bool mute)
{
    fMute = mute;
    fKnown = true;
    ApplyAll();
    if (OnChanged) OnChanged();
}

QString TProgramStreams::Name() const
{
    return QStringLiteral("Звук программы");
}
