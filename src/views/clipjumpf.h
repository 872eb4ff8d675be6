#pragma once
// TClipJumpF: "Переход к клипу", the clip list to choose a clip from.

#include "views/jumplistf.h"

class TClipJumpF : public TJumpListF {
    Q_OBJECT
public:
    explicit TClipJumpF(QWidget *parent = nullptr);

    QListWidget *const lbClips;
};
