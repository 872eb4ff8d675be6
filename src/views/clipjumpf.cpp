#include "views/clipjumpf.h"

TClipJumpF::TClipJumpF(QWidget *parent)
    : TJumpListF("ClipJumpF", "Переход к клипу", "lbClips", "Клипы", parent), lbClips(fList)
{}
