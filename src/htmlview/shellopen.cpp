#include "htmlview/shellopen.h"

#include <QDesktopServices>
#include <utility>

namespace {

TShellOpener &Installed()
{
    static TShellOpener opener;
    return opener;
}

} // namespace

void ShellOpen(const QUrl &url)
{
    if (Installed())
        Installed()(url);
    else
        QDesktopServices::openUrl(url);
}

TShellOpener SetShellOpener(TShellOpener opener)
{
    return std::exchange(Installed(), std::move(opener));
}
