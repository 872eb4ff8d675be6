#pragma once
// RetsTS: the review of the current song's album, read-only, word-wrapped at first. A song whose
// album has no review leaves the previous review on the page.

#include "views/songdocumentpage.h"

class TReviewPage : public TSongDocumentPage {
    Q_OBJECT
public:
    explicit TReviewPage(TPageHost &host, QWidget *parent = nullptr);

    QTextEdit *const RetsRE;
    const QString &ShownReviewFile() const { return ShownFile(); }
    void LoadReview() { LoadForCurrentSong(); }
    // An album node activated on this page: the album's review (none: nothing changes).
    void ShowAlbumReview(const QString &fileName) { ShowNodeFile(fileName); }
};
