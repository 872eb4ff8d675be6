// The clips page: its controls, the clip list, opening a clip and laying out its picture.
#include "views/clipspage.h"

#include "library/mediascan.h"
#include "platform/errorreport.h"
#include "playback/titleformat.h"
#include "views/cliplayout.h"
#include "views/scandirf.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace {

struct TPanelLook {
    const char *Role;
    int Width; // 0: takes the rest of the bar
};
const TPanelLook PanelLooks[TClipsPage::PanelCount] = {
    {"Размер клипа", 70}, {"Размер на экране", 80}, {"Длительность", 50},
    {"Позиция", 50},      {"Осталось", 55},         {"Файл клипа", 0}};

QString SizeText(int width, int height)
{
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

} // namespace

TClipsPage::TClipsPage(QStringList &clipList, int &clipIdx, TPageHost &pageHost,
                       TClipHost &clipHost, QWidget *parent)
    : TContentPage(parent), cbClips(new QWidget(this)), ToolBar4(new QToolBar(cbClips)),
      pDisplay(new QWidget(this)), sbClips(new QStatusBar(this)), mpClips(new TMediaPlayer(this)),
      tmClips(new QTimer(this)), fClips(clipList), fIndex(clipIdx), fPageHost(pageHost),
      fClipHost(clipHost)
{
    setObjectName("tsClips");
    cbClips->setObjectName("cbClips");
    ToolBar4->setObjectName("ToolBar4");
    ToolBar4->setIconSize(QSize(16, 16));
    pDisplay->setObjectName("pDisplay");
    pDisplay->setAccessibleName(QStringLiteral("Клип"));
    CreateActions();
    CreateStatusBar();
    mpClips->setObjectName("mpClips");
    mpClips->AutoRewind = false;
    mpClips->SetDisplay(pDisplay);
    tmClips->setObjectName("tmClips");
    tmClips->setInterval(1000);
    connect(tmClips, &QTimer::timeout, this,
            [this] { RunReporting(this, [this] { tmClipsTimer(); }); });
}

void TClipsPage::CreateStatusBar()
{
    sbClips->setObjectName("sbClips");
    sbClips->setSizeGripEnabled(false);
    for (int i = 0; i < PanelCount; ++i) {
        Panels[i] = new QLabel(sbClips);
        Panels[i]->setAccessibleName(QString::fromUtf8(PanelLooks[i].Role));
        Panels[i]->setTextFormat(Qt::PlainText);
        if (PanelLooks[i].Width > 0) {
            Panels[i]->setFixedWidth(PanelLooks[i].Width);
            Panels[i]->setAlignment(Qt::AlignCenter);
        }
        sbClips->addWidget(Panels[i], PanelLooks[i].Width > 0 ? 0 : 1);
    }
}

QString TClipsPage::PanelText(int index) const
{
    return Panels[index]->text();
}

void TClipsPage::SetPanel(int index, const QString &text)
{
    Panels[index]->setText(text);
}

void TClipsPage::ClearPanels()
{
    for (QLabel *panel : Panels)
        panel->clear();
}

void TClipsPage::BuildClipList(const QString &clipsFolder)
{
    fClips.clear();
    if (clipsFolder.isEmpty()) return;
    TScanWindowScope scanning;
    TScanDirF &scanWindow = scanning.Window();
    scanWindow.setWindowTitle(QStringLiteral("Составление списка файлов видеоклипов"));
    scanWindow.Image1->hide();
    scanWindow.Image2->hide();
    scanWindow.Image3->show();
    scanWindow.repaint();
    ScanClipFolder(clipsFolder, fClips, ReportScannedFolder);
    // A stored index below 0 (a hand-edited setting) would name no clip at all.
    if (!fClips.isEmpty()) fIndex = std::clamp(fIndex, 0, int(fClips.size()) - 1);
}

void TClipsPage::CloseClip()
{
    mpClips->Close();
    ClipOpen = false;
    // A clock left running would move the song's slider back to the closed clip's 0.
    tmClips->stop();
}

void TClipsPage::SeekClip(int ms)
{
    mpClips->Seek(ms);
    if (tmClips->isActive()) mpClips->Play();
}

void TClipsPage::OpenCurrentClip()
{
    const QString file = fClips.value(fIndex);
    mpClips->FileName = file;
    ClipOpen = true;
    mpClips->Wait = true;
    mpClips->Open();
    if (mpClips->Error() != mciNoError) return FailOpen(mpClips->ErrorMessage());
    mpClips->SetTimeFormat(TMPTimeFormats::tfMilliseconds);
    fClipHost.StopSong();
    const int seconds = mpClips->Length() / 1000;
    fClipHost.SetSliderRange(seconds);
    SetPanel(2, FormatTime(seconds));
    if (tmClips->isActive()) {
        clPlayExecute();
    } else {
        SetPanel(3, QStringLiteral("0:00"));
        SetPanel(4, QStringLiteral("-") + PanelText(2));
    }
    SetPanel(5, file);
    pDisplay->repaint();
    const TRect natural = mpClips->DisplayRect();
    ClipWidth = natural.Width();
    ClipHeight = natural.Height();
    SetPanel(0, SizeText(ClipWidth, ClipHeight));
    LayoutClipDisplay();
}

// The page is made consistent before the box appears: the box waits for the person, and the
// clock must not tick on meanwhile.
void TClipsPage::FailOpen(const QString &message)
{
    ClipOpen = false;
    ClearPanels();
    tmClips->stop();
    mpClips->Close();
    ReportError(window(), message);
}

QRect TClipsPage::DisplayArea() const
{
    const int top = cbClips->height();
    return {0, top, width(), std::max(0, height() - top - sbClips->height())};
}

void TClipsPage::FillDisplayArea()
{
    pDisplay->setGeometry(DisplayArea());
}

// The tool bar's band across the top, the status bar across the bottom, at their natural heights.
void TClipsPage::PlaceBars()
{
    cbClips->setGeometry(0, 0, width(), ToolBar4->sizeHint().height());
    ToolBar4->setGeometry(cbClips->rect());
    const int statusHeight = sbClips->sizeHint().height();
    sbClips->setGeometry(0, height() - statusHeight, width(), statusHeight);
}

void TClipsPage::resizeEvent(QResizeEvent *)
{
    PlaceBars();
    if (fDisplayFills) FillDisplayArea();
    if (fPageHost.IsActivePage(this)) RunReporting(this, [this] { LayoutClipDisplay(); });
}

void TClipsPage::LayoutClipDisplay()
{
    if (!ClipOpen) return;
    PlaceBars();
    const QSize clip(ClipWidth, ClipHeight);
    if (clFullscreen->isChecked()) {
        const TRect bounds =
            ProportionalClipRect(size(), cbClips->height(), sbClips->height(), clip);
        SetPanel(1, SizeText(bounds.Width(), bounds.Height()));
        fDisplayFills = false;
        pDisplay->setGeometry(bounds.Left, bounds.Top, std::max(0, bounds.Width()),
                              std::max(0, bounds.Height()));
        mpClips->SetDisplayRect({0, 0, pDisplay->width(), pDisplay->height()});
    } else {
        fDisplayFills = true;
        FillDisplayArea();
        mpClips->SetDisplayRect(NaturalClipRect(pDisplay->size(), clip));
        SetPanel(1, QStringLiteral("Исх.размер"));
    }
}
