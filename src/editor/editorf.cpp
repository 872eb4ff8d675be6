// The editor's construction and layout, its pop-up menu, help and status line.

#include "editor/editorf.h"

#include "views/songdialogs.h"
#include "widgets/zvbrowsefolderdialog.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit *NewEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// A "..." button: its name for a screen reader is what it browses for.
QToolButton *NewBrowseButton(const char *name, const QString &what, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText("...");
    button->setToolTip("Обзор: " + what);
    button->setAccessibleName("Обзор: " + what);
    return button;
}

QLabel *NewLabel(const char *name, const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TEditorF::TEditorF(QWidget *parent, const TEditorNodeImages &images) : QDialog(parent)
{
    setObjectName("EditorF");
    setWindowTitle("Редактор списка воспроизведения");
    setMinimumWidth(420);
    resize(760, 540);
    Songs = new TEditorTree(images, this);
    CreateToolBar();
    auto *splitter = new QSplitter(this);
    splitter->setObjectName("Splitter1");
    splitter->addWidget(Songs);
    auto *scrollBox = new QScrollArea(splitter);
    scrollBox->setObjectName("ScrollBox1");
    scrollBox->setWidgetResizable(true);
    scrollBox->setWidget(CreateDetailPanel());
    splitter->addWidget(scrollBox);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 480});
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(splitter, 1);
    layout->addWidget(CreateBottomPanel());
    layout->addWidget(StatusBar1);
    CreatePopupMenu();

    zvbfDial = new TzvBrowseFolderDialog(this);
    zvbfDial->SetCaption("Папка с фотографиями");
    zvbfDial->SetText("Выберите папку с фотографиями (будут также включены поддиректории)");
    zvbfDial->SetShowCurrentPath(true);
    ODial.Filter = "*.*|*.*";
    ConnectHandlers();
    ShowNoNode();
    Songs->setFocus();
}

void TEditorF::CreateToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    const auto add = [this](const char *name, const QString &hint, const QIcon &icon) {
        QAction *action = ToolBar1->addAction(icon, hint);
        action->setObjectName(name);
        action->setStatusTip(hint);
        // Reached by Tab like every other control of the window.
        ToolBar1->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
        return action;
    };
    const auto icon = [this](const QIcon &own, QStyle::StandardPixmap standard) {
        return own.isNull() ? style()->standardIcon(standard) : own;
    };
    NewArtistBtn = add("NewArtistBtn", "Добавить исполнителя",
                       icon(Songs->LevelImage(TEditorNode::ArtistLevel), QStyle::SP_DirIcon));
    NewAlbumBtn = add("NewAlbumBtn", "Добавить альбом",
                      icon(Songs->LevelImage(TEditorNode::AlbumLevel), QStyle::SP_DriveCDIcon));
    NewSongBtn = add("NewSongBtn", "Добавить песню",
                     icon(Songs->LevelImage(TEditorNode::SongLevel), QStyle::SP_MediaVolume));
    AddSongsBtn =
        add("AddSongsBtn", "Добавить файл(ы)", style()->standardIcon(QStyle::SP_DialogOpenButton));
    ToolBar1->addSeparator();
    MoveUpBtn = add("MoveUpBtn", "Переместить вверх", style()->standardIcon(QStyle::SP_ArrowUp));
    MoveDownBtn =
        add("MoveDownBtn", "Переместить вниз", style()->standardIcon(QStyle::SP_ArrowDown));
    ToolBar1->addSeparator();
    DelBtn = add("DelBtn", "Удалить элемент", style()->standardIcon(QStyle::SP_TrashIcon));
    ClearBtn =
        add("ClearBtn", "Очистить дерево", style()->standardIcon(QStyle::SP_DialogResetButton));
}

QWidget *TEditorF::CreateDetailPanel()
{
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    const auto row = [grid](QLabel *label, QWidget *edit, QWidget *button = nullptr) {
        const int at = grid->rowCount();
        grid->addWidget(label, at, 0);
        grid->addWidget(edit, at, 1);
        if (button)
            grid->addWidget(button, at, 2);
    };
    Edit1 = NewEdit("Edit1", panel);
    StaticText1 = NewLabel("StaticText1", "Название", Edit1, panel);
    row(StaticText1, Edit1);
    FNameEd1 = NewEdit("FNameEd1", panel);
    BrwsForFNMEd1 = NewBrowseButton("BrwsForFNMEd1", "файл", panel);
    StaticText2 = NewLabel("StaticText2", "Истори&я", FNameEd1, panel);
    row(StaticText2, FNameEd1, BrwsForFNMEd1);
    FNameEd2 = NewEdit("FNameEd2", panel);
    BrwsForFNMEd2 = NewBrowseButton("BrwsForFNMEd2", "картинка", panel);
    PictureLbl = NewLabel("PictureLbl", "&Картинка", FNameEd2, panel);
    row(PictureLbl, FNameEd2, BrwsForFNMEd2);
    FNameEd3 = NewEdit("FNameEd3", panel);
    BrwsForFNMEd3 = NewBrowseButton("BrwsForFNMEd3", "текст", panel);
    TextLbl = NewLabel("TextLbl", "&Текст", FNameEd3, panel);
    row(TextLbl, FNameEd3, BrwsForFNMEd3);
    YearEd = NewEdit("YearEd", panel);
    YearEd->setMaximumWidth(YearEd->fontMetrics().horizontalAdvance("00000") + 16);
    YearEd->installEventFilter(this);
    YearLbl = NewLabel("YearLbl", "&Год", YearEd, panel);
    row(YearLbl, YearEd);
    CommentEd = NewEdit("CommentEd", panel);
    CommentLbl = NewLabel("CommentLbl", "Комментари&й", CommentEd, panel);
    row(CommentLbl, CommentEd);
    GetTitleAndCommentBtn = new QPushButton("Из &файла", panel);
    GetTitleAndCommentBtn->setObjectName("GetTitleAndCommentBtn");
    ClearValuesBtn = new QPushButton("Очистить &значения", panel);
    ClearValuesBtn->setObjectName("ClearValuesBtn");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(GetTitleAndCommentBtn);
    buttons->addWidget(ClearValuesBtn);
    buttons->addStretch();
    grid->addLayout(buttons, grid->rowCount(), 1, 1, 2);

    auto *separator = new QFrame(panel);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, grid->rowCount(), 0, 1, 3);
    const auto discRow = [&](const char *editName, const char *buttonName, const QString &caption,
                             QLineEdit *&edit, QToolButton *&button) {
        edit = NewEdit(editName, panel);
        button = NewBrowseButton(buttonName, QString(caption).remove(u'&'), panel);
        row(NewLabel("", caption, edit, panel), edit, button);
    };
    discRow("edPhotoPath", "BrwsForPhoto", "&Фотографии", edPhotoPath, BrwsForPhoto);
    discRow("edHTML", "BrwsForHTML", "&HTML", edHTML, BrwsForHTML);
    discRow("edClips", "BrwsForClips", "К&липы", edClips, BrwsForClips);
    discRow("edAbout", "BrwsForAbout", "О &диске", edAbout, BrwsForAbout);
    grid->setRowStretch(grid->rowCount(), 1);
    return panel;
}

QWidget *TEditorF::CreateBottomPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName("Panel1");
    const auto button = [panel](const char *name, const QString &caption) {
        auto *created = new QPushButton(caption, panel);
        created->setObjectName(name);
        return created;
    };
    BitBtn1 = button("BitBtn1", "&Справка");
    BitBtn2 = button("BitBtn2", "&Из папок...");
    BitBtn2->setToolTip("Автоматическое создание списка воспроизведения из папок");
    BitBtn2->setStatusTip(BitBtn2->toolTip());
    OkBtn = button("OkBtn", "&OK");
    OkBtn->setDefault(true);
    CancelBtn = button("CancelBtn", "От&мена");
    auto *layout = new QHBoxLayout(panel);
    layout->addWidget(BitBtn1);
    layout->addWidget(BitBtn2);
    layout->addStretch();
    layout->addWidget(OkBtn);
    layout->addWidget(CancelBtn);
    return panel;
}

void TEditorF::CreatePopupMenu()
{
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    const auto item = [this](const char *name, const QString &caption) {
        QAction *action = PopupMenu2->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    NewArtMI = item("NewArtMI", "Добавить исполнителя");
    NewAlbMI = item("NewAlbMI", "Добавить альбом");
    NewSongMI = item("NewSongMI", "Добавить композицию");
    PopupMenu2->addSeparator()->setObjectName("N6");
    ChangeFileMI = item("ChangeFileMI", "Изменить звуковой файл...");
    ChangeRetsMI = item("ChangeRetsMI", "Изменить файл рецензии...");
    ChangePicMI = item("ChangePicMI", "Изменить картинку...");
    ChangeTextMI = item("ChangeTextMI", "Изменить файл текста...");
    GetInfoMI = item("GetInfoMI", "Извлечь из файла");
    SetTextsMI = item("SetTextsMI", "Задать тексты песен...");
    SetCovArtsMI = item("SetCovArtsMI", "Задать обложки альбомов...");
    SetRetsMI = item("SetRetsMI", "Задать рецензии...");
    PopupMenu2->addSeparator()->setObjectName("N12");
    ClearValMI = item("ClearValMI", "Очистить значения");
    UpMI = item("UpMI", "Вверх");
    DownMI = item("DownMI", "Вниз");
    PopupMenu2->addSeparator()->setObjectName("N15");
    DelMI = item("DelMI", "Удалить");
    ClearAllMI = item("ClearAllMI", "Очистить все");
}

void TEditorF::ConnectHandlers()
{
    const auto on = [this](auto *sender, auto signal, void (TEditorF::*handler)()) {
        connect(sender, signal, this, [this, handler] { (this->*handler)(); });
    };
    const std::pair<QAction *, void (TEditorF::*)()> actions[] = {
        {NewArtistBtn, &TEditorF::NewArtistBtnClick},
        {NewArtMI, &TEditorF::NewArtistBtnClick},
        {NewAlbumBtn, &TEditorF::NewAlbumBtnClick},
        {NewAlbMI, &TEditorF::NewAlbumBtnClick},
        {NewSongBtn, &TEditorF::NewSongBtnClick},
        {AddSongsBtn, &TEditorF::AddSongsBtnClick},
        {NewSongMI, &TEditorF::AddSongsBtnClick},
        {MoveUpBtn, &TEditorF::MoveUpBtnClick},
        {UpMI, &TEditorF::MoveUpBtnClick},
        {MoveDownBtn, &TEditorF::MoveDownBtnClick},
        {DownMI, &TEditorF::MoveDownBtnClick},
        {DelBtn, &TEditorF::DelBtnClick},
        {DelMI, &TEditorF::DelBtnClick},
        {ClearBtn, &TEditorF::ClearBtnClick},
        {ClearAllMI, &TEditorF::ClearBtnClick},
        {ClearValMI, &TEditorF::ClearValuesBtnClick},
        {GetInfoMI, &TEditorF::GetTitleAndCommentBtnClick},
        {ChangeFileMI, &TEditorF::BrwsForFNMEd1Click},
        {ChangeRetsMI, &TEditorF::BrwsForFNMEd1Click},
        {ChangePicMI, &TEditorF::BrwsForFNMEd2Click},
        {ChangeTextMI, &TEditorF::BrwsForFNMEd3Click},
        {SetTextsMI, &TEditorF::SetTextsMIClick},
        {SetCovArtsMI, &TEditorF::SetCovArtsMIClick},
        {SetRetsMI, &TEditorF::SetRetsMIClick}};
    for (const auto &[action, handler] : actions)
        on(action, &QAction::triggered, handler);
    const std::pair<QAbstractButton *, void (TEditorF::*)()> buttons[] = {
        {ClearValuesBtn, &TEditorF::ClearValuesBtnClick},
        {GetTitleAndCommentBtn, &TEditorF::GetTitleAndCommentBtnClick},
        {BrwsForFNMEd1, &TEditorF::BrwsForFNMEd1Click},
        {BrwsForFNMEd2, &TEditorF::BrwsForFNMEd2Click},
        {BrwsForFNMEd3, &TEditorF::BrwsForFNMEd3Click},
        {BrwsForPhoto, &TEditorF::BrwsForPhotoClick},
        {BrwsForHTML, &TEditorF::BrwsForHTMLClick},
        {BrwsForClips, &TEditorF::BrwsForClipsClick},
        {BrwsForAbout, &TEditorF::BrwsForAboutClick},
        {BitBtn1, &TEditorF::BitBtn1Click},
        {BitBtn2, &TEditorF::BitBtn2Click}};
    for (const auto &[button, handler] : buttons)
        on(button, &QAbstractButton::clicked, handler);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    const std::pair<QLineEdit *, void (TEditorF::*)()> edits[] = {
        {Edit1, &TEditorF::Edit1Change},       {FNameEd1, &TEditorF::FNameEd1Change},
        {FNameEd2, &TEditorF::FNameEd2Change}, {FNameEd3, &TEditorF::FNameEd3Change},
        {YearEd, &TEditorF::YearEdChange},     {CommentEd, &TEditorF::CommentEdChange}};
    for (const auto &[edit, handler] : edits)
        on(edit, &QLineEdit::textChanged, handler);
    connect(Songs, &QTreeWidget::currentItemChanged, this, [this] { SelectionChanged(); });
    connect(Songs, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem *node) { NodeRenamed(node); });
    connect(Songs, &TEditorTree::PopupRequested, this, [this](const QPoint &at) {
        PopupMenu2Popup();
        PopupMenu2->popup(at);
    });
}

void TEditorF::PopupMenu2Popup()
{
    const int level = SelectedLevel();
    NewArtMI->setVisible(NewArtistBtn->isEnabled());
    NewAlbMI->setVisible(NewAlbumBtn->isEnabled());
    NewSongMI->setVisible(NewSongBtn->isEnabled());
    ChangePicMI->setVisible(BrwsForFNMEd2->isEnabled());
    ChangeTextMI->setVisible(BrwsForFNMEd3->isEnabled());
    GetInfoMI->setVisible(GetTitleAndCommentBtn->isEnabled());
    ClearValMI->setVisible(ClearValuesBtn->isEnabled());
    UpMI->setVisible(MoveUpBtn->isEnabled());
    DownMI->setVisible(MoveDownBtn->isEnabled());
    DelMI->setVisible(DelBtn->isEnabled());
    ClearAllMI->setVisible(ClearBtn->isEnabled());
    const bool artist = level == TEditorNode::ArtistLevel;
    const bool album = level == TEditorNode::AlbumLevel;
    const bool song = level == TEditorNode::SongLevel;
    ChangeFileMI->setVisible(artist || song);
    ChangeFileMI->setText(artist ? "Изменить файл истории..." : "Изменить звуковой файл...");
    SetRetsMI->setVisible(artist);
    SetCovArtsMI->setVisible(artist);
    ChangeRetsMI->setVisible(album);
    SetTextsMI->setVisible(album);
}

void TEditorF::BitBtn1Click()
{
    ShowHelp(this, HelpEditorTopic);
}

bool TEditorF::event(QEvent *event)
{
    // The status line shows the hint of the control under the mouse.
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TEditorF::eventFilter(QObject *watched, QEvent *event)
{
    // The year takes no further character once it holds four, Backspace included; keys that do
    // not type (Delete, arrows, Tab, Enter) work as usual.
    if (watched == YearEd && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool types = key->key() == Qt::Key_Backspace ||
                           (!key->text().isEmpty() && key->text().front().isPrint());
        if (types && YearEd->text().size() > 3)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
