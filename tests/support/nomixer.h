#pragma once
// A machine without any mixer and without a sound server, for the process that calls it before
// anything opens ALSA or the sound server: ALSA reads a configuration without a card
// (nocard.conf beside this file), and the sound server's address leads nowhere.

#include <cstdlib>

inline void UseMachineWithoutMixer()
{
    setenv("PULSE_SERVER", "unix:/nonexistent/pulse/native", 1);
    setenv("ALSA_CONFIG_PATH", LORVANTA_NO_CARD_CONFIG, 1);
}
