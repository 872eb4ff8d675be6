#pragma once
// TPicJumpF: "Переход к картинке", the photo list to choose a picture from.

#include "views/jumplistf.h"

class TPicJumpF : public TJumpListF {
    Q_OBJECT
public:
    explicit TPicJumpF(QWidget *parent = nullptr);

    // Replaces the list by photos, one line per entry (empty entries as empty lines).
    void SetPhotos(const QStringList &photos) { SetEntries(photos); }

    QListWidget *const lbPics;
};
