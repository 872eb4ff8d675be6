#pragma once
// The desktop's "open": a web address, a mail address or a file handed to the program the
// desktop chooses for it. One seam, so that tests see what would have been opened.

#include <QUrl>
#include <functional>

using TShellOpener = std::function<void(const QUrl &url)>;

// Hands url to the installed opener (by default QDesktopServices::openUrl; its result ignored).
void ShellOpen(const QUrl &url);
// Installs opener (an empty one restores the desktop's) and returns the previous one.
TShellOpener SetShellOpener(TShellOpener opener);
