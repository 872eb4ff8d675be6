#pragma once
// A mixer block bound to one line of the default mixer, on the test's own sound server with
// "Master" at full volume and sounding.

#include "mixer/audioline.h"
#include "mixer/mixerblock.h"
#include "mixer/mixercontrol.h"
#include "mixer/mixerdevice.h"
#include "pulsesink.h"
#include "soundserver.h"

#include <gtest/gtest.h>

template <TMMLineType Type> class TServerLine : public testing::Test {
protected:
    static void SetUpTestSuite() { TestSoundServer(); }
    void SetUp() override
    {
        if (!TestSoundServer().running()) GTEST_SKIP() << "no PulseAudio daemon";
        RunCommand(QStringLiteral("amixer -q set Master 100% unmute"));
        ASSERT_TRUE(device.Open());
        block.SetLine(&line);
        block.SetControl(&control);
    }
    TMMMixerDevice device;
    TMMAudioLine line{&device, Type};
    TMMMixerControl control{&line};
    TMMMixerBlock block;
};
