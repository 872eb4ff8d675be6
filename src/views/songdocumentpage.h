#pragma once
// A text page that follows the current song: its song text, its album's review or its artist's
// history. The page remembers the file it shows, across list rebuilds too, so that a song naming
// the same file does not load it again (the scroll position and any edits stay). Only the active
// page follows song changes; a page that was hidden catches up when it is shown. A file that
// cannot be loaded is reported in an error box and tried again at the next show or song change.

#include "views/textpage.h"

#include <QString>

class TExpandedSong;

class TSongDocumentPage : public TTextPage {
    Q_OBJECT
public:
    // The file shown, as the list names it; empty when none.
    const QString &ShownFile() const { return fShownFile; }

    void SongChanged(const TExpandedSong &song) override;
    void PageShown() override;

protected:
    // Which file of a song the page shows.
    using TFileOf = QString (TExpandedSong::*)() const;
    // What a song without such a file does to the page: empties it (song texts belong to one
    // song), or keeps the previous document (an album without a review keeps the last one).
    enum class TWithoutFile { Empty, Keep };

    TSongDocumentPage(TPageHost &host, TFileOf fileOf, TWithoutFile withoutFile,
                      const char *pageName, const char *viewName, const QString &caption,
                      bool editable, bool wordWrap, QWidget *parent);
    // LoadSongText, LoadReview, LoadHistory: the current song's file, unless it is shown.
    void LoadForCurrentSong();
    // Shows fileName for a node of the tree (an artist's history, an album's review) unless it
    // is shown. A failure is reported and the view keeps what it showed.
    void ShowNodeFile(const QString &fileName);

private:
    void Load(const QString &fileName);

    TPageHost &fHost;
    const TFileOf fFileOf;
    const TWithoutFile fWithoutFile;
    QString fShownFile;
};
