#pragma once
// How one volume and one balance spread over a line's left and right channels, and back.
// Levels are fractions of a channel's range, 0 to 1.

struct TChannelLevels {
    double Left = 0;
    double Right = 0;
    bool operator==(const TChannelLevels &) const = default;
};

// The louder channel's level.
double VolumeOf(const TChannelLevels &levels);

// -1 only the left channel sounds, 0 both alike, 1 only the right; fallback when both are
// silent, since silence has no balance.
double BalanceOf(const TChannelLevels &levels, double fallback);

// The louder channel gets the volume, the other as much less as the balance leans away from it.
TChannelLevels LevelsFor(double volume, double balance);
