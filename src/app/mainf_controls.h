#pragma once
// The controls TMainF keeps typed references to, besides those of its public interface.

#include "app/mainf.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>

struct TMainF::TControls {
    std::array<QAction *, TMainF::PageCount> ViewItems{};
    QActionGroup *ViewGroup = nullptr;
    QAction *FileInfoMI = nullptr;
    QAction *N17 = nullptr; // the tree menu's "О композиции..."
    QAction *CloseTreePMI = nullptr;
    QAction *ExpandPMI = nullptr;
    QAction *WordWrapMI = nullptr;
    QMenu *miHTMLService = nullptr;
    QMenu *miClipService = nullptr;
};
