#pragma once
// TJumpListF: what the two jump dialogs share, a list of file names to choose one from with OK
// ("OK", BitBtn1) and "Отмена" (BitBtn2). A double click on an entry closes it with OK.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class TJumpListF : public QDialog {
    Q_OBJECT
public:
    // Replaces the list by entries, one line each (empty entries as empty lines).
    void SetEntries(const QStringList &entries);
    // The entry chosen; -1 when none is.
    int Chosen() const;
    void Choose(int row);

    QPushButton *BitBtn1; // OK
    QPushButton *BitBtn2; // "Отмена"

protected:
    // formName, caption: the dialog's; listName, listRole: its list box's object and accessible
    // names.
    TJumpListF(const char *formName, const QString &caption, const char *listName,
               const QString &listRole, QWidget *parent);

    QListWidget *fList;
};
