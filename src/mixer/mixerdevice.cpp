#include "mixer/mixerdevice.h"

#include "mixer/alsamixer.h"

TMMMixerDevice::TMMMixerDevice(QObject *parent) : QObject(parent) {}

TMMMixerDevice::~TMMMixerDevice()
{
    Close();
}

bool TMMMixerDevice::Open()
{
    Close();
    fAlsa = TAlsaMixer::OpenDefault();
    if (!fAlsa) return false;
    fAlsa->OnLost = [this] { Lost(); };
    emit Opened();
    return true;
}

void TMMMixerDevice::Close()
{
    if (!fAlsa) return;
    emit Closing();
    fAlsa.reset();
}

void TMMMixerDevice::Lost()
{
    emit Closing();
    fAlsa.release()->deleteLater(); // it is still handling its events
}

std::unique_ptr<TLineBackend> TMMMixerDevice::Element(const QString &name)
{
    return fAlsa ? fAlsa->Element(name) : nullptr;
}
