#pragma once
// What the clips page asks of the main window: the song's stop command and the main position
// slider, answered by the play control.

#include "views/clipspage.h"

class TMainF;

class TMainClipHost : public TClipHost {
public:
    explicit TMainClipHost(TMainF &window) : fWindow(window) {}
    virtual ~TMainClipHost() = default;

    void StopSong() override;
    void SetSliderRange(int maximum) override;
    int SliderMaximum() const override;
    void ShowSliderPosition(int position) override;

private:
    TMainF &fWindow;
};
