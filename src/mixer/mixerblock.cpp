#include "mixer/mixerblock.h"

#include "mixer/audioline.h"
#include "mixer/mixerblockslider.h"
#include "mixer/mixercontrol.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

TMMMixerBlock::TMMMixerBlock(QWidget *parent)
    : QWidget(parent), fBalance(new TMMMixerBlockSlider(Qt::Horizontal, 3, 2, this)),
      fVolume(new TMMMixerBlockSlider(Qt::Vertical, 7, 6, this)),
      fMute(new QCheckBox(QStringLiteral("Выкл."), this))
{
    fBalance->setRange(-100, 100);
    fBalance->setPageStep(10);
    fBalance->setTickPosition(QSlider::TicksBelow);
    fBalance->setAccessibleName(QStringLiteral("Баланс"));
    fVolume->setRange(0, 100);
    fVolume->setPageStep(10);
    fVolume->setTickPosition(QSlider::TicksBothSides);
    fVolume->setAccessibleName(QStringLiteral("Громкость"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fBalance);
    layout->addWidget(fVolume, 1, Qt::AlignHCenter);
    layout->addWidget(fMute, 0, Qt::AlignHCenter);
    connect(fBalance, &QSlider::valueChanged, this, [this](int value) {
        if (fControl) fControl->SetBalance(value);
    });
    connect(fVolume, &QSlider::valueChanged, this, [this](int value) {
        if (fControl) fControl->SetVolume(value);
    });
    connect(fMute, &QCheckBox::toggled, this, [this](bool on) {
        if (fLine) fLine->SetMute(on);
    });
    ShowValues();
}

void TMMMixerBlock::SetLine(TMMAudioLine *line)
{
    if (fLine) disconnect(fLine, nullptr, this, nullptr);
    fLine = line;
    if (line) connect(line, &TMMAudioLine::Changed, this, &TMMMixerBlock::ShowValues);
    ShowValues();
}

void TMMMixerBlock::SetControl(TMMMixerControl *control)
{
    if (fControl) disconnect(fControl, nullptr, this, nullptr);
    fControl = control;
    if (control) connect(control, &TMMMixerControl::Changed, this, &TMMMixerBlock::ShowValues);
    ShowValues();
}

void TMMMixerBlock::ShowValues()
{
    if (!fLine || !fControl) return ShowUnavailable(QStringLiteral("Микшер не найден"));
    if (!fLine->Available()) return ShowUnavailable(fLine->Problem());
    const QSignalBlocker blockBalance(fBalance), blockVolume(fVolume), blockMute(fMute);
    setEnabled(true);
    setToolTip(QString());
    fBalance->setEnabled(fLine->Stereo());
    fBalance->setValue(fControl->Balance());
    fBalance->setToolTip(QStringLiteral("Баланс"));
    fVolume->setValue(fControl->Volume());
    fVolume->setToolTip(QStringLiteral("Громкость: %1%").arg(fControl->Volume()));
    fMute->setEnabled(fLine->HasMute());
    fMute->setChecked(fLine->Mute());
}

void TMMMixerBlock::ShowUnavailable(const QString &why)
{
    const QSignalBlocker blockBalance(fBalance), blockVolume(fVolume), blockMute(fMute);
    setEnabled(false);
    setToolTip(why);
    fBalance->setToolTip(why);
    fVolume->setToolTip(why);
    fVolume->setValue(0);
    fBalance->setValue(0);
    fMute->setChecked(false);
}
