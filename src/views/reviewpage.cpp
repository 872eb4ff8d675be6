#include "views/reviewpage.h"

#include "library/expandedsong.h"

TReviewPage::TReviewPage(TPageHost &host, QWidget *parent)
    : TSongDocumentPage(host, &TExpandedSong::Retsenzia, TWithoutFile::Keep, "RetsTS", "RetsRE",
                        QStringLiteral("Рецензия"), false, true, parent),
      RetsRE(View())
{
}
