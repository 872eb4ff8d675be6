#pragma once
// SongTextTS: the text of the current song, editable (changes are never saved), without word
// wrap at first: verses keep their lines.

#include "views/songdocumentpage.h"

class TSongTextPage : public TSongDocumentPage {
    Q_OBJECT
public:
    explicit TSongTextPage(TPageHost &host, QWidget *parent = nullptr);

    QTextEdit *const SongTextRE;
    const QString &ShownTextFile() const { return ShownFile(); }
    void LoadSongText() { LoadForCurrentSong(); }
};
