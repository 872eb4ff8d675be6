#pragma once
// TMMMixerBlock: the controls of one mixer line, top to bottom: a horizontal balance slider
// with a scale of 3 ticks below it (the two ends long), a vertical volume slider with a scale
// of 7 ticks on both sides (the two ends long) whose hint tells the volume, and the mute check
// "Выкл.". They show the line's current values, also when something else changes them, and
// write every change the person makes at once. Without a line, or with an unavailable one, the
// block is disabled and its hints say why.

#include <QWidget>

class QCheckBox;
class TMMAudioLine;
class TMMMixerBlockSlider;
class TMMMixerControl;

class TMMMixerBlock : public QWidget {
    Q_OBJECT
public:
    explicit TMMMixerBlock(QWidget *parent = nullptr);

    // The line whose mute the check switches, and the control the sliders move.
    void SetLine(TMMAudioLine *line);
    void SetControl(TMMMixerControl *control);
    TMMAudioLine *Line() const { return fLine; }
    TMMMixerControl *Control() const { return fControl; }

    TMMMixerBlockSlider *BalanceSlider() const { return fBalance; }
    TMMMixerBlockSlider *VolumeSlider() const { return fVolume; }
    QCheckBox *MuteCheck() const { return fMute; }

private:
    void ShowValues();
    void ShowUnavailable(const QString &why);

    TMMAudioLine *fLine = nullptr;
    TMMMixerControl *fControl = nullptr;
    TMMMixerBlockSlider *fBalance;
    TMMMixerBlockSlider *fVolume;
    QCheckBox *fMute;
};
