#include "mixer/audioline.h"

#include "mixer/linebackend.h"
#include "mixer/mixerdevice.h"
#include "mixer/programstreams.h"

TMMAudioLine::TMMAudioLine(TMMMixerDevice *device, TMMLineType type, QObject *parent)
    : QObject(parent), fDevice(device), fType(type)
{
    connect(device, &TMMMixerDevice::Opened, this, &TMMAudioLine::Resolve);
    connect(device, &TMMMixerDevice::Closing, this, [this] {
        if (fFromDevice) Drop();
    });
    Resolve();
}

TMMAudioLine::~TMMAudioLine() = default;

void TMMAudioLine::Resolve()
{
    auto element = fDevice->Element(fType == TMMLineType::Speakers ? QStringLiteral("Master")
                                                                   : QStringLiteral("PCM"));
    if (!element && fBackend && !fFromDevice)
        return; // the sound server's streams serve on; the mixer that opened adds nothing
    fBackend = std::move(element);
    fFromDevice = fBackend != nullptr;
    if (!fBackend && fType == TMMLineType::WaveOut) fBackend = TProgramStreams::Connect();
    if (fBackend) {
        fBackend->OnChanged = [this] { emit Changed(); };
        fBackend->OnLost = [this] { Drop(); };
    }
    emit Changed();
}

void TMMAudioLine::Drop()
{
    if (!fBackend) return;
    fBackend.reset();
    emit Changed();
}

QString TMMAudioLine::Name() const
{
    return fBackend ? fBackend->Name() : QString();
}

QString TMMAudioLine::Problem() const
{
    if (fBackend) return QString();
    if (!fDevice->IsOpen() && fType == TMMLineType::Speakers)
        return QStringLiteral("Микшер не найден");
    if (fType == TMMLineType::Speakers) return QStringLiteral("В микшере нет линии «Master»");
    return QStringLiteral("Нет ни линии «PCM» в микшере, ни звукового сервера");
}

TChannelLevels TMMAudioLine::Levels() const
{
    return fBackend ? fBackend->Levels() : TChannelLevels();
}

void TMMAudioLine::SetLevels(const TChannelLevels &levels)
{
    if (fBackend) fBackend->SetLevels(levels);
}

bool TMMAudioLine::Stereo() const
{
    return fBackend && fBackend->Stereo();
}

bool TMMAudioLine::HasMute() const
{
    return fBackend && fBackend->HasMute();
}

bool TMMAudioLine::Mute() const
{
    return fBackend && fBackend->Mute();
}

void TMMAudioLine::SetMute(bool mute)
{
    if (fBackend) fBackend->SetMute(mute);
}
