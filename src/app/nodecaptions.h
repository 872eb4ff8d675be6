#pragma once
// The captions of the tree's nodes from the node formats ("%" and a letter).

#include "library/model.h"

#include <QString>

// What one node stands for: the artist always, the album for album and song nodes, the song for
// song nodes; position is the node's index among its siblings.
struct TNodeSubject {
    const TArtistItem *Artist = nullptr;
    const TAlbItem *Album = nullptr;
    const TSongItem *Song = nullptr;
    int Position = 0;
};

// The format expanded for the node: %I artist, %A album, %Y year, %S title, %F file, %C comment
// (each where the node's level has it, any letter case), %N position + 1 with a leading "0"
// below 10, %n position + 1, %T the program's name. Anything else stays as written.
QString NodeCaption(const QString &format, const TNodeSubject &subject);
