#include "views/volumepage.h"

#include "mixer/audioline.h"
#include "mixer/mixerblock.h"
#include "mixer/mixerblockslider.h"
#include "mixer/mixercontrol.h"
#include "mixer/mixerdevice.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <algorithm>

struct TVolumePage::TGroupNames {
    const char *Group;
    const char *Caption;
    const char *Block;
    const char *Balance;
    const char *Volume;
    const char *Mute;
};

TVolumePage::TVolumePage(QWidget *parent)
    : QWidget(parent), MMMixerDevice1(new TMMMixerDevice(this))
{
    setObjectName("VolSheet");
    MMMixerDevice1->setObjectName("MMMixerDevice1");
    MMMixerDevice1->Open();
    MasterLine = new TMMAudioLine(MMMixerDevice1, TMMLineType::Speakers, this);
    MasterVol = new TMMMixerControl(MasterLine, this);
    WaveOut = new TMMAudioLine(MMMixerDevice1, TMMLineType::WaveOut, this);
    WaveCtrl = new TMMMixerControl(WaveOut, this);
    MasterGr = AddGroup(
        {"MasterGr", "Общая", "MasterBlock", "MMMixerBlockSlider1", "MasterSlider", "MasterCB"},
        GroupLeft, MasterLine, MasterVol, MasterBlock);
    WaveGr =
        AddGroup({"WaveGr", "Волновая", "WaveBlock", "MMMixerBlockSlider2", "WaveSlider", "WaveCB"},
                 2 * GroupLeft + GroupWidth, WaveOut, WaveCtrl, WaveBlock);
}

QGroupBox *TVolumePage::AddGroup(const TGroupNames &names, int left, TMMAudioLine *line,
                                 TMMMixerControl *control, TMMMixerBlock *&block)
{
    auto *group = new QGroupBox(QString::fromUtf8(names.Caption), this);
    group->setObjectName(QLatin1String(names.Group));
    group->setGeometry(left, GroupTop, GroupWidth, 0);
    block = new TMMMixerBlock(group);
    block->setObjectName(QLatin1String(names.Block));
    block->BalanceSlider()->setObjectName(QLatin1String(names.Balance));
    block->VolumeSlider()->setObjectName(QLatin1String(names.Volume));
    block->MuteCheck()->setObjectName(QLatin1String(names.Mute));
    block->setGeometry(BlockLeft, BlockTop, GroupWidth - 2 * BlockLeft, 0);
    block->SetLine(line);
    block->SetControl(control);
    return group;
}

void TVolumePage::VolSheetResize()
{
    const QFontMetrics metrics(MasterGr->font());
    const int groupHeight = height() - 2 * MasterGr->y() - 4;
    const int blockHeight = groupHeight - 2 * MasterBlock->y() + metrics.height();
    // A page too small for them leaves the groups empty rather than of negative height.
    for (QWidget *group : {MasterGr, WaveGr})
        group->resize(group->width(), std::max(0, groupHeight));
    for (QWidget *block : {MasterBlock, WaveBlock})
        block->resize(block->width(), std::max(0, blockHeight));
}

void TVolumePage::resizeEvent(QResizeEvent *)
{
    VolSheetResize();
}
