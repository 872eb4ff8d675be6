#include "views/picturepage.h"

#include "views/pictureactions.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>

namespace {

class TNotifyingBox : public TPictureScrollBox {
public:
    TNotifyingBox(std::function<void()> resized, QWidget *parent)
        : TPictureScrollBox(parent), fResized(std::move(resized))
    {
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        TPictureScrollBox::resizeEvent(event);
        fResized();
    }

private:
    std::function<void()> fResized;
};

} // namespace

TPicturePage::TPicturePage(TPictureActions &actions, TPageHost &host, const char *pageName,
                           const char *boxName, const char *pictureName, QWidget *parent)
    : TContentPage(parent), fActions(actions), fHost(host),
      fBox(new TNotifyingBox([this] { BoxResized(); }, this)), fLayout(new QVBoxLayout(this))
{
    setObjectName(QLatin1String(pageName));
    fBox->setObjectName(QLatin1String(boxName));
    fBox->Control()->setObjectName(QLatin1String(pictureName));
    fBox->setAccessibleName(QStringLiteral("Картинка"));
    fLayout->setContentsMargins(0, 0, 0, 0);
    fLayout->setSpacing(0);
    fLayout->addWidget(fBox, 1);
    connect(fBox->Control(), &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        fActions.PopupMenu3->popup(fBox->Control()->mapToGlobal(at));
    });
    connect(actions.ZoomIn, &QAction::triggered, this, [this] {
        if (Active())
            fBox->Zoom(1.25);
    });
    connect(actions.ZoomOut, &QAction::triggered, this, [this] {
        if (Active())
            fBox->Zoom(0.75);
    });
    connect(actions.Stretch, &QAction::triggered, this,
            [this] { WhenActive(&TPictureScrollBox::Stretch); });
    connect(actions.BestFit, &QAction::triggered, this,
            [this] { WhenActive(&TPictureScrollBox::BestFit); });
    connect(actions.AsItIs, &QAction::triggered, this, [this] {
        if (Active())
            AsItIsClick();
    });
}

QToolBar *TPicturePage::AddToolBar(const char *name, std::initializer_list<QAction *> actions)
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QLatin1String(name));
    bar->setIconSize(QSize(16, 16));
    for (QAction *action : actions) {
        if (action)
            bar->addAction(action);
        else
            bar->addSeparator();
    }
    fLayout->insertWidget(0, bar);
    return bar;
}

void TPicturePage::AsItIsClick()
{
    fBox->SetNaturalSize();
    NaturalSizeSet();
    fBox->ShowBarsForPicture();
    fBox->Center();
}

void TPicturePage::BoxResized()
{
    if (!Active())
        return;
    fBox->ShowBarsForPicture();
    fBox->Center();
}

void TPicturePage::WhenActive(void (TPictureScrollBox::*operation)())
{
    if (Active())
        (fBox->*operation)();
}
