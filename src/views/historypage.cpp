#include "views/historypage.h"

#include "library/expandedsong.h"

THistoryPage::THistoryPage(TPageHost &host, QWidget *parent)
    : TSongDocumentPage(host, &TExpandedSong::History, TWithoutFile::Keep, "HistoryTS",
                        "HistoryRE", QStringLiteral("История"), true, true, parent),
      HistoryRE(View())
{
}
