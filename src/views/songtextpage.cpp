#include "views/songtextpage.h"

#include "library/expandedsong.h"

TSongTextPage::TSongTextPage(TPageHost &host, QWidget *parent)
    : TSongDocumentPage(host, &TExpandedSong::Text, TWithoutFile::Empty, "SongTextTS",
                        "SongTextRE", QStringLiteral("Текст песни"), true, false, parent),
      SongTextRE(View())
{
}
