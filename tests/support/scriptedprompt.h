#pragma once
// A prompt for tests: answers every modal question from a queue of scripted answers and records
// what was asked. An unexpected question fails the test instead of blocking.

#include "platform/prompt.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <variant>

class TScriptedPrompt : public TPrompt {
public:
    TScriptedPrompt();  // installs itself
    ~TScriptedPrompt() override; // restores the previous prompt

    // One scripted answer, consumed in order by the next question of a matching kind.
    void AnswerFile(const QString &fileName, int filterIndex); // an open or save dialog
    void CancelFile();
    // An answer to OpenFiles: the files chosen, or nullopt for a cancelled dialog.
    void AnswerFiles(std::optional<QStringList> files);
    void AnswerMessage(TAnswer answer);
    void AnswerInput(std::optional<QString> value);
    void AnswerFolder(std::optional<QString> folder);
    // Runs inspect on the dialog, then closes it with result.
    void AnswerModal(std::function<void(QWidget *)> inspect, int result);

    // Every question asked, as "kind: text" (file dialogs give their filter).
    QStringList Asked;
    // The texts of the messages shown, in order.
    QStringList Messages;
    // Every OpenFiles request, in order.
    QList<TOpenRequest> OpenRequests;
    bool Exhausted() const { return fAnswers.empty(); }

    std::optional<TFileChoice> OpenFile(QWidget *, const QString &filter, int filterIndex,
                                        bool mustExist) override;
    std::optional<QStringList> OpenFiles(QWidget *, const TOpenRequest &request) override;
    std::optional<TFileChoice> SaveFile(QWidget *, const QString &filter, int filterIndex,
                                        bool confirmOverwrite) override;
    TAnswer Message(QWidget *, TKind kind, const QString &text, TButtons buttons) override;
    std::optional<QString> Input(QWidget *, const QString &caption, const QString &label,
                                 const QString &value) override;
    std::optional<QString> ChooseFolder(QWidget *, const QString &caption,
                                        const QString &startFolder) override;
    int ShowModal(QWidget *dialog) override;

private:
    struct TFileAnswer {
        bool Cancelled = true;
        TFileChoice Choice;
    };
    struct TFilesAnswer {
        std::optional<QStringList> Files;
    };
    struct TMessageAnswer {
        TAnswer Answer;
    };
    struct TInputAnswer {
        std::optional<QString> Value;
    };
    struct TFolderAnswer {
        std::optional<QString> Folder;
    };
    struct TModalAnswer {
        std::function<void(QWidget *)> Inspect;
        int Result;
    };
    using TAnswerVariant =
        std::variant<TFileAnswer, TFilesAnswer, TMessageAnswer, TInputAnswer, TFolderAnswer,
                     TModalAnswer>;
    template <class T> T Next(const QString &question);
    static std::optional<TFileChoice> FileResult(const TFileAnswer &answer);

    std::deque<TAnswerVariant> fAnswers;
    TPrompt *fPrevious = nullptr;
};
