#pragma once
// TPicJumpF: "Переход к картинке", the photo list to choose a picture from. A double click on an
// entry closes it with OK.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class TPicJumpF : public QDialog {
    Q_OBJECT
public:
    explicit TPicJumpF(QWidget *parent = nullptr);

    // Replaces the list by photos, one line per entry (empty entries as empty lines).
    void SetPhotos(const QStringList &photos);

    QListWidget *lbPics;
    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // "Отмена"
};
