#include "mixer/mixercontrol.h"

#include "mixer/audioline.h"

#include <algorithm>
#include <cmath>

TMMMixerControl::TMMMixerControl(TMMAudioLine *line, QObject *parent) : QObject(parent), fLine(line)
{
    connect(line, &TMMAudioLine::Changed, this, [this] {
        Remember();
        emit Changed();
    });
    Remember();
}

void TMMMixerControl::Remember()
{
    fBalance = BalanceOf(fLine->Levels(), fBalance);
}

bool TMMMixerControl::Available() const
{
    return fLine->Available();
}

int TMMMixerControl::Volume() const
{
    return int(std::lround(VolumeOf(fLine->Levels()) * 100));
}

int TMMMixerControl::Balance() const
{
    return int(std::lround(BalanceOf(fLine->Levels(), fBalance) * 100));
}

void TMMMixerControl::SetVolume(int volume)
{
    fLine->SetLevels(LevelsFor(std::clamp(volume, 0, 100) / 100.0, fBalance));
}

void TMMMixerControl::SetBalance(int balance)
{
    fBalance = std::clamp(balance, -100, 100) / 100.0;
    fLine->SetLevels(LevelsFor(VolumeOf(fLine->Levels()), fBalance));
}
