#include "views/picjumpf.h"

TPicJumpF::TPicJumpF(QWidget *parent)
    : TJumpListF("PicJumpF", "Переход к картинке", "lbPics", "Картинки", parent), lbPics(fList)
{
}
