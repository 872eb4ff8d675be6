#pragma once
// Controls the editor's dialogs make alike: captioned buttons and labelled edits, each with the
// name a screen reader says (its caption without the accelerator mark).

#include <QString>

class QBoxLayout;
class QDialog;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What a screen reader says for a caption: its text without the accelerator mark.
QString SpokenCaption(QString caption);

QPushButton *CreateButton(const QString &caption, const char *objectName);

// A label and its edit in row of grid; the label's accelerator moves the focus to the edit.
QLineEdit *AddLabelledEdit(QGridLayout *grid, int row, QLabel *&label, const char *labelName,
                           const QString &caption, const char *editName);

QGroupBox *CreateGroup(const QString &title, const char *objectName);

// The row of the OK button ("BitBtn1", the default, accepting dialog) and the Cancel button
// ("BitBtn2", rejecting it) at the right of a dialog.
QBoxLayout *CreateOkCancel(QDialog *dialog, QPushButton *&ok, QPushButton *&cancel,
                           const QString &cancelCaption);
