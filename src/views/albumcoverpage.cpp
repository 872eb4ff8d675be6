#include "views/albumcoverpage.h"

TAlbumCoverPage::TAlbumCoverPage(QWidget *parent) : QWidget(parent) { setObjectName("AlbumPicTS"); }
