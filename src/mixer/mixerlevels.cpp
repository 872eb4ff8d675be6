#include "mixer/mixerlevels.h"

#include <algorithm>

double VolumeOf(const TChannelLevels &levels)
{
    return std::max(levels.Left, levels.Right);
}

double BalanceOf(const TChannelLevels &levels, double fallback)
{
    const double volume = VolumeOf(levels);
    if (volume <= 0) return fallback;
    if (levels.Left >= levels.Right) return -(1 - levels.Right / volume);
    return 1 - levels.Left / volume;
}

TChannelLevels LevelsFor(double volume, double balance)
{
    volume = std::clamp(volume, 0.0, 1.0);
    balance = std::clamp(balance, -1.0, 1.0);
    return {volume * std::min(1.0, 1 - balance), volume * std::min(1.0, 1 + balance)};
}
