#include "views/clipspage.h"

TClipsPage::TClipsPage(QWidget *parent) : QWidget(parent) { setObjectName("tsClips"); }
