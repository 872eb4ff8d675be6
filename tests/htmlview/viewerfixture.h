#pragma once
// A shown TFrameViewer with the desktop's "open" replaced by a list, and its signals recorded.

#include "htmlview/frame.h"
#include "htmlview/frameviewer.h"
#include "htmlview/shellopen.h"
#include "pagefolder.h"

#include <QApplication>
#include <QStringList>
#include <QUrl>
#include <gtest/gtest.h>

class ViewerTest : public testing::Test {
protected:
    void SetUp() override
    {
        fPreviousOpener = SetShellOpener([this](const QUrl &url) { Opened << url; });
        QObject::connect(&Viewer, &TFrameViewer::HistoryChange, [this] { ++HistoryChanges; });
        QObject::connect(&Viewer, &TFrameViewer::HotSpotTargetCovered,
                         [this](const QString &target, const QString &url) {
                             Hovers << QStringList{target, url};
                         });
        Viewer.resize(800, 600);
        Viewer.show();
        QApplication::setActiveWindow(&Viewer); // focus moves between frames as on a desktop
    }
    void TearDown() override { SetShellOpener(fPreviousOpener); }

    // The demo disc's shape: a menu frame whose links open into the main frame.
    QString WriteMenuAndMain()
    {
        Pages.Write("menu.htm", "<p><a href=\"veter.htm\" target=\"main\">Северный ветер</a></p>"
                                "<p><a href=\"lesnaya.htm\" target=\"main\">Анна Лесная</a></p>");
        Pages.Write("main.htm", "<h2>Демонстрационный диск</h2>");
        Pages.Write("veter.htm", "<h2>Ветер</h2>");
        Pages.Write("lesnaya.htm", "<h2>Лесная</h2>");
        return Pages.Write("index.htm", "<html><head><title>Диск</title></head>"
                                        "<frameset cols=\"30%,*\">"
                                        "<frame name=\"menu\" src=\"menu.htm\">"
                                        "<frame name=\"main\" src=\"main.htm\">"
                                        "</frameset></html>");
    }

    // The frame (root included) that shows file, nullptr when none does.
    TFrame *FrameShowing(const QString &file)
    {
        for (TFrame *frame : Viewer.findChildren<TFrame *>())
            if (frame->File() == file) return frame;
        return nullptr;
    }

    TPageFolder Pages;
    TFrameViewer Viewer;
    QList<QUrl> Opened;
    int HistoryChanges = 0;
    QList<QStringList> Hovers;

private:
    TShellOpener fPreviousOpener;
};
