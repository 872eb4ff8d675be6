#include "views/songtextpage.h"

TSongTextPage::TSongTextPage(QWidget *parent) : QWidget(parent) { setObjectName("SongTextTS"); }
