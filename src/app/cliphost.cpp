#include "app/cliphost.h"

#include "app/mainf.h"
#include "transport/playcontrol.h"

#include <QSlider>

void TMainClipHost::StopSong()
{
    fWindow.PlayControl().StopTBClick();
}

void TMainClipHost::SetSliderRange(int maximum)
{
    QSlider &slider = *fWindow.PlayControl().Slider;
    slider.setValue(0);
    slider.setMaximum(maximum);
}

int TMainClipHost::SliderMaximum() const
{
    return fWindow.PlayControl().Slider->maximum();
}

// The slider never moves under the person's drag.
void TMainClipHost::ShowSliderPosition(int position)
{
    if (!fWindow.PlayControl().SeekTracking) fWindow.PlayControl().Slider->setValue(position);
}
