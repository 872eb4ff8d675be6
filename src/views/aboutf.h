#pragma once
// The about box: the program's picture, name, description and version.

#include <QDialog>

class QLabel;
class QPixmap;
class QPushButton;

class TAboutF : public QDialog {
    Q_OBJECT
public:
    explicit TAboutF(QWidget *parent = nullptr);

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Comments;
    QLabel *Version;
    QPushButton *SpdBtn;

private:
    QLayout *CreateTextColumn();
};

// The program's picture, side by side pixels: a disc with a note over it.
QPixmap ProgramPicture(int side = 128);
