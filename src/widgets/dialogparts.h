#pragma once
// Pieces the program's dialogs are built from: captioned controls that a
// screen reader names by their captions, a label that reports clicks, and placing a dialog.

#include <QLabel>

class QDialog;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRect;

// A caption as a screen reader says it: without the accelerator mark, its lines joined by blanks.
QString SpokenText(const QString &caption);

QPushButton *NewPushButton(const QString &caption, const char *objectName);
// The default button "OK", which accepts dialog, and "Отмена", which rejects it.
QPushButton *NewOkButton(QDialog *dialog, const char *objectName);
QPushButton *NewCancelButton(QDialog *dialog, const char *objectName);
QGroupBox *NewGroupBox(const QString &title, const char *objectName);
QLineEdit *NewLineEdit(const char *objectName);

// Names label objectName. With a buddy, the label's accelerator moves the focus to the buddy,
// and a screen reader names the buddy by the label's caption.
void SetUpLabel(QLabel *label, const char *objectName, QWidget *buddy = nullptr);

// A label and its edit in a new row of grid; the label's accelerator moves the focus to the edit.
QLineEdit *AddEditRow(QGridLayout *grid, QLabel *&label, const QString &caption,
                      const char *labelName, const char *editName);

// Moves dialog so that its centre is the centre of area.
void CentreIn(QWidget &dialog, const QRect &area);

// A label that tells of a click with the left mouse button on it.
class TClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
