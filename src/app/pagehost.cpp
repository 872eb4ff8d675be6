#include "app/pagehost.h"

#include "app/mainf.h"
#include "app/songstree.h"

#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>

const TExpandedSong *TMainPageHost::CurrentSong() const { return fWindow.CurrentSong(); }

bool TMainPageHost::IsActivePage(const QWidget *page) const
{
    return fWindow.PageControl1->currentWidget() == page;
}

void TMainPageHost::ShowPage(QWidget *page)
{
    const int index = fWindow.PageControl1->indexOf(page);
    if (index >= 0)
        fWindow.ShowPage(TMainF::TPage(index));
}

// The window's frame is the window manager's: what is sized here is the window's inside, whose
// menu bar the page control's height does not count.
void TMainPageHost::GrowWindowForPicture(QSize picture, int extraHeight)
{
    if (fWindow.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    const QTabWidget *pages = fWindow.PageControl1;
    const int width = fWindow.SongsLst->width() + fWindow.Splitter1->handleWidth() +
                      picture.width() + 8;
    const int height = fWindow.menuBar()->height() + pages->height() -
                       pages->currentWidget()->height() + picture.height() + extraHeight +
                       fWindow.ControlBar1->height() + fWindow.statusBar()->height() + 8;
    fWindow.resize(width, height);
}

void TMainPageHost::SetAlbumThumbnail(const QIcon &image)
{
    TSongsTree &tree = *fWindow.SongsLst;
    QTreeWidgetItem *node = tree.Selected();
    if (TSongsTree::Level(node) == 2)
        node = node->parent();
    const int index = tree.AddImage(image);
    if (TSongsTree::Level(node) == 1)
        tree.SetNodeImage(node, index, index);
}
