#pragma once
// VolSheet: two lines of the system's mixer, side by side: "Общая", the speakers (the mixer's
// "Master"), and "Волновая", the wave output through which songs and clips sound. Each group
// holds a mixer block (balance, volume, mute "Выкл.") bound to its line when the page is made;
// the blocks show and write the mixer's values themselves, so the page only lays them out. A
// machine without a mixer, or without one of the lines, gets that block disabled, its hint saying
// why; nothing else depends on the mixer.

#include <QWidget>

class QGroupBox;
class TMMAudioLine;
class TMMMixerBlock;
class TMMMixerControl;
class TMMMixerDevice;

class TVolumePage : public QWidget {
    Q_OBJECT
public:
    explicit TVolumePage(QWidget *parent = nullptr);

    // Group heights from the page's, block heights from the groups' (widths and horizontal
    // places are fixed; the blocks arrange their own controls).
    void VolSheetResize();

    TMMMixerDevice *MMMixerDevice1; // the default mixer, opened with the page
    TMMAudioLine *MasterLine;       // speakers
    TMMMixerControl *MasterVol;
    TMMAudioLine *WaveOut; // wave output
    TMMMixerControl *WaveCtrl;
    QGroupBox *MasterGr;
    QGroupBox *WaveGr;
    TMMMixerBlock *MasterBlock;
    TMMMixerBlock *WaveBlock;

    // The fixed geometry: groups at GroupTop from the page's top, GroupWidth wide, GroupLeft
    // from the page's left and each other; blocks at BlockLeft, BlockTop inside their group.
    static constexpr int GroupLeft = 8;
    static constexpr int GroupTop = 8;
    static constexpr int GroupWidth = 140;
    static constexpr int BlockLeft = 8;
    static constexpr int BlockTop = 20;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct TGroupNames;
    // A group box at left holding a mixer block for line and control.
    QGroupBox *AddGroup(const TGroupNames &names, int left, TMMAudioLine *line,
                        TMMMixerControl *control, TMMMixerBlock *&block);
};
