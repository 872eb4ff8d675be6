#pragma once
// The prompt seam: every modal question of the program (file dialogs, message boxes, the input
// box, the folder chooser, the program's own modal dialogs) goes through one interface. The
// application installs the implementation that shows Qt dialogs; tests install one that answers
// from a script, so nothing ever blocks waiting for a person.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

class TPrompt {
public:
    virtual ~TPrompt() = default;

    enum class TButtons { Ok, YesNo, YesNoCancel };
    enum class TAnswer { Ok, Yes, No, Cancel };
    enum class TKind { Information, Warning, Error, Confirmation };

    // A file dialog's result: the chosen file and the chosen filter, counted from 1.
    struct TFileChoice {
        QString FileName;
        int FilterIndex = 1;
    };

    // An open dialog set up by its caller: the editor's dialog keeps its folder and file name
    // between uses and chooses one file or several.
    struct TOpenRequest {
        QString Title;         // empty: the dialog's own title
        QString Filter;        // "Description|*.a;*.b|..." as below
        int FilterIndex = 1;
        QString InitialFolder; // empty: the dialog's default folder
        QString FileName;      // preset file name; empty: none
        bool MultiSelect = false;
        // For one file: false accepts a name that does not exist yet.
        bool MustExist = true;
        // For one file: an existing file is chosen only after the person agreed to replace it.
        bool ConfirmOverwrite = false;
    };

    // filter uses the "Description|*.a;*.b|Description|*.c" form; filterIndex counts from 1.
    virtual std::optional<TFileChoice> OpenFile(QWidget *parent, const QString &filter,
                                                int filterIndex, bool mustExist) = 0;
    // The existing files chosen, full paths in the order the dialog gives them; nullopt when the
    // dialog is cancelled.
    virtual std::optional<QStringList> OpenFiles(QWidget *parent, const TOpenRequest &request) = 0;
    virtual std::optional<TFileChoice> SaveFile(QWidget *parent, const QString &filter,
                                                int filterIndex, bool confirmOverwrite) = 0;
    virtual TAnswer Message(QWidget *parent, TKind kind, const QString &text,
                            TButtons buttons) = 0;
    virtual std::optional<QString> Input(QWidget *parent, const QString &caption,
                                         const QString &label, const QString &value) = 0;
    virtual std::optional<QString> ChooseFolder(QWidget *parent, const QString &caption,
                                                const QString &startFolder) = 0;
    // Shows one of the program's own dialogs modally; returns its result code (accepted = 1).
    virtual int ShowModal(QWidget *dialog) = 0;
};

// The installed prompt; the application sets it before the main window is created.
TPrompt &Prompt();
// Installs prompt (not owned) and returns the previous one.
TPrompt *SetPrompt(TPrompt *prompt);
