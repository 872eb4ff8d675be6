#include "editor/buildprogress.h"

#include "views/scandirf.h"

#include <QCoreApplication>
#include <QLabel>

TBuildProgress::TBuildProgress(int intervalMs) : fIntervalMs(intervalMs) {}

TBuildProgress::~TBuildProgress() = default;

TScanDirF *TBuildProgress::Window() const
{
    return fScope ? &fScope->Window() : nullptr;
}

void TBuildProgress::Report(const QString &folder)
{
    if (!fScope) {
        fScope = std::make_unique<TScanWindowScope>();
        TScanDirF &window = fScope->Window();
        window.setWindowTitle("Создание списка воспроизведения...");
        window.Image1->hide();
        window.Image2->show();
        window.lPath->clear();
        window.repaint();
        Show(folder);
    } else if (fSinceShown.elapsed() >= fIntervalMs) {
        Show(folder);
    }
}

void TBuildProgress::Show(const QString &folder)
{
    fScope->Window().ShowPath(folder);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    fSinceShown.start();
}
