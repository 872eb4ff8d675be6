#pragma once
// HistoryTS: the history of the current song's artist, editable (changes are never saved),
// word-wrapped at first. A song whose artist has no history leaves the previous one on the page.

#include "views/songdocumentpage.h"

class THistoryPage : public TSongDocumentPage {
    Q_OBJECT
public:
    explicit THistoryPage(TPageHost &host, QWidget *parent = nullptr);

    QTextEdit *const HistoryRE;
    const QString &ShownHistoryFile() const { return ShownFile(); }
    void LoadHistory() { LoadForCurrentSong(); }
    // An artist node activated: the artist's history (none: nothing changes).
    void ShowArtistHistory(const QString &fileName) { ShowNodeFile(fileName); }
};
