#include "app/mainf.h"

#include "platform/errorreport.h"
#include "app/mainf_controls.h"
#include "app/pagehost.h"
#include "app/playhost.h"
#include "app/songstree.h"
#include "playback/mpegplayer.h"
#include "transport/playcontrol.h"
#include "views/albumcoverpage.h"
#include "views/contentpage.h"
#include "views/clipspage.h"
#include "views/historypage.h"
#include "views/htmlpage.h"
#include "views/infopage.h"
#include "views/photospage.h"
#include "views/pictureactions.h"
#include "views/reviewpage.h"
#include "views/songtextpage.h"
#include "views/textpage.h"
#include "views/volumepage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSlider>
#include <QSplitter>
#include <QStyle>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const PageCaptions[TMainF::PageCount] = {
    "Обложка альбома", "Фотографии", "Текст песни", "Рецензия", "История",
    "HTML",            "Клипы",      "Информация",  "Громкость"};
// The pages' icons on their tabs and View items.
const QStyle::StandardPixmap PageIcons[TMainF::PageCount] = {
    QStyle::SP_DriveCDIcon,        QStyle::SP_DesktopIcon,
    QStyle::SP_FileIcon,           QStyle::SP_FileDialogContentsView,
    QStyle::SP_FileDialogInfoView, QStyle::SP_DirLinkIcon,
    QStyle::SP_MediaPlay,          QStyle::SP_MessageBoxInformation,
    QStyle::SP_MediaVolume};

} // namespace

TMainF::TMainF(const TMainFOptions &options, QWidget *parent)
    : QMainWindow(parent), fOptions(options), fPlayer(std::make_unique<TMPEGPlayer>()),
      fHost(std::make_unique<TMainPlayHost>(*this)),
      fPageHost(std::make_unique<TMainPageHost>(*this)), fControls(std::make_unique<TControls>())
{
    if (fOptions.ProgramFile.isEmpty())
        fOptions.ProgramFile = QCoreApplication::applicationFilePath();
    setObjectName("MainF");
    setWindowTitle("Lorvanta 2.0");
    CreateControls();
    FormCreate();
}

TMainF::~TMainF() { FormDestroy(); }

QString TMainF::ProgramFolder() const
{
    return QFileInfo(fOptions.ProgramFile).absolutePath() + '/';
}

TExpandedSong *TMainF::CurrentSong()
{
    const int index = fPlayControl->SongIndex;
    return ExpandedSongs.IsValidIndex(index) ? &ExpandedSongs[index] : nullptr;
}

void TMainF::CreateControls()
{
    SongsLst = new TSongsTree(this);
    CreateActions(); // the pages take theirs
    CreatePages();
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->addWidget(SongsLst);
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setSizes({Settings.SongsListWidth, 600});

    fPlayControl = std::make_unique<TPlayControl>(*fPlayer, ExpandedSongs, *SongsLst, Settings,
                                                  *fHost, *this);
    CreatePlayerBar();
    CreateMenus();
    CreatePopupMenu();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ControlBar1);
    layout->addWidget(Splitter1, 1);
    setCentralWidget(central);
    setStatusBar(fPlayControl->StBar);
    resize(960, 600);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        RunReporting(this, [this] {
            PageControl1Change();
            if (auto *page = qobject_cast<TContentPage *>(PageControl1->currentWidget()))
                page->PageShown();
        });
    });
    qApp->installEventFilter(this);
    connect(SongsLst, &TSongsTree::Activated, this,
            [this] { RunReporting(this, [this] { fPlayControl->SongsLstDblClick(); }); });
    connect(SongsLst, &TSongsTree::PopupRequested, this, [this](const QPoint &at) {
        PopupMenu1Popup();
        PopupMenu1->popup(at);
    });
    ApplyPageVisibility();
}

void TMainF::CreatePages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setMinimumSize(315, 315);
    InfoTS = new TInfoPage(PageControl1);
    PictureActions = new TPictureActions(this);
    AlbumPicTS = new TAlbumCoverPage(*PictureActions, CoverCache, *fPageHost);
    SongPicTS = new TPhotosPage(*PictureActions, PhotoList, Settings.SongPicIdx, *fPageHost);
    SongTextTS = new TSongTextPage(*fPageHost);
    RetsTS = new TReviewPage(*fPageHost);
    HistoryTS = new THistoryPage(*fPageHost);
    tsHTML = new THtmlPage(DiscPaths.HTMLFile, {ActionNamed("HTMLBack"), ActionNamed("HTMLFwd"),
                                                ActionNamed("HTMLHome"), ActionNamed("HTMLView")});
    QWidget *pages[PageCount] = {AlbumPicTS, SongPicTS,      SongTextTS, RetsTS,      HistoryTS,
                                 tsHTML,     new TClipsPage, InfoTS,     new TVolumePage};
    for (int page = 0; page < PageCount; ++page)
        PageControl1->addTab(pages[page], style()->standardIcon(PageIcons[page]),
                             PageCaptions[page]);
}

void TMainF::CreatePlayerBar()
{
    PlayerTBar = new QToolBar(this);
    PlayerTBar->setObjectName("PlayerTBar");
    PlayerTBar->setMovable(false);
    for (QToolButton *button :
         {fPlayControl->PrevTB, fPlayControl->PlayTB, fPlayControl->PauseTB, fPlayControl->StopTB,
          fPlayControl->NextTB, fPlayControl->PrevAlbTB, fPlayControl->NextAlbTB,
          fPlayControl->ShuffleTB, fPlayControl->RepeatTB})
        PlayerTBar->addWidget(button);
    auto *openTB = new QToolButton(PlayerTBar);
    openTB->setObjectName("OpenTB");
    openTB->setDefaultAction(ActionNamed("Open"));
    openTB->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    openTB->setToolButtonStyle(Qt::ToolButtonIconOnly);
    openTB->setAutoRaise(true);
    PlayerTBar->addWidget(openTB);

    // The bar's layout keeps the slider as wide as the bar.
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName("ControlBar1");
    auto *layout = new QVBoxLayout(ControlBar1);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(0);
    layout->addWidget(PlayerTBar);
    layout->addWidget(fPlayControl->Slider);
}

QWidget *TMainF::Page(TPage page) const { return PageControl1->widget(page); }

bool TMainF::PageVisible(TPage page) const { return PageControl1->isTabVisible(page); }

void TMainF::SetPageVisible(TPage page, bool visible)
{
    PageControl1->setTabVisible(page, visible);
}

void TMainF::ShowPage(TPage page)
{
    PageControl1->setCurrentIndex(page);
    PageControl1Change();
}

QAction *TMainF::ViewItem(TPage page) const { return fControls->ViewItems[size_t(page)]; }

QAction *TMainF::ActionNamed(const QString &name) const
{
    return findChild<QAction *>(name);
}

// Showing a text page brings its view's word wrap to the check mark.
void TMainF::PageControl1Change()
{
    const auto *text = qobject_cast<const TTextPage *>(PageControl1->currentWidget());
    fControls->WordWrapMI->setEnabled(text);
    if (text)
        fControls->WordWrapMI->setChecked(text->WordWrap());
    const int page = PageControl1->currentIndex();
    if (page >= 0 && page < PageCount)
        fControls->ViewItems[size_t(page)]->setChecked(true);
}

// The item has turned its check mark already.
void TMainF::WordWrapMIClick()
{
    if (auto *text = qobject_cast<TTextPage *>(PageControl1->currentWidget()))
        text->SetWordWrap(fControls->WordWrapMI->isChecked());
}

void TMainF::closeEvent(QCloseEvent *event)
{
    if (fReadingList) {
        // The reader fills the library right now; the window closes once it has finished.
        fCloseAfterRead = true;
        event->ignore();
        return;
    }
    if (!fSkipCloseQuery && !fShutDown) {
        bool mayClose = false;
        RunReporting(this, [&] { mayClose = FormCloseQuery(); });
        if (!mayClose) {
            event->ignore();
            return;
        }
    }
    FormDestroy();
    event->accept();
}

void TMainF::CloseWithoutQuery()
{
    fSkipCloseQuery = true;
    close();
}

void TMainF::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        RunReporting(this, [this] { FormShow(); });
    // A window manager may never activate the window (a bare X server): the first show then
    // stands in for the first activation, once the event loop runs.
    if (!Activated)
        QTimer::singleShot(0, this, [this] { RunReporting(this, [this] { FormActivate(); }); });
}

void TMainF::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !Activated)
        RunReporting(this, [this] { FormActivate(); });
}

void TMainF::FormShow() { PictureActions->AsItIs->trigger(); }

bool TMainF::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != this)
        return false;
    const QString text = static_cast<QKeyEvent *>(event)->text();
    QAction *action = text == u"*"   ? PictureActions->BestFit
                      : text == u"+" ? PictureActions->ZoomIn
                      : text == u"-" ? PictureActions->ZoomOut
                      : text == u"/" ? PictureActions->AsItIs
                                     : nullptr;
    if (!action)
        return false;
    action->trigger();
    return true;
}

void TMainF::FormActivate()
{
    if (Activated)
        return;
    BuildPhotoAndClipLists();
    Activated = true;
}
