#include "views/photospage.h"

TPhotosPage::TPhotosPage(QWidget *parent) : QWidget(parent) { setObjectName("SongPicTS"); }
