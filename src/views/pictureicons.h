#pragma once
// The program's own small pictures for the picture commands and the scanning window, drawn
// with QPainter (no artwork from elsewhere).

#include <QIcon>
#include <QPixmap>
#include <QString>

// The tool bar icon of a picture action by its name ("ZoomIn" ... "SlideShow"); a null icon for
// other names.
QIcon PictureActionIcon(const QString &actionName);

// The scanning window's 24x24 icons.
enum class TScanIcon { Photos, Playlist, Clips };
QPixmap ScanIcon(TScanIcon kind);
