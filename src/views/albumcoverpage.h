#pragma once
// The album cover of the current song. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class TAlbumCoverPage : public QWidget {
    Q_OBJECT
public:
    explicit TAlbumCoverPage(QWidget *parent = nullptr);
};
