#include "scriptedprompt.h"

#include <QWidget>
#include <gtest/gtest.h>

TScriptedPrompt::TScriptedPrompt() : fPrevious(SetPrompt(this)) {}

TScriptedPrompt::~TScriptedPrompt() { SetPrompt(fPrevious); }

void TScriptedPrompt::AnswerFile(const QString &fileName, int filterIndex)
{
    fAnswers.push_back(TFileAnswer{false, TFileChoice{fileName, filterIndex}});
}

void TScriptedPrompt::CancelFile() { fAnswers.push_back(TFileAnswer{}); }

void TScriptedPrompt::AnswerFiles(std::optional<QStringList> files)
{
    fAnswers.push_back(TFilesAnswer{std::move(files)});
}

void TScriptedPrompt::AnswerMessage(TAnswer answer) { fAnswers.push_back(TMessageAnswer{answer}); }

void TScriptedPrompt::AnswerInput(std::optional<QString> value)
{
    fAnswers.push_back(TInputAnswer{std::move(value)});
}

void TScriptedPrompt::AnswerFolder(std::optional<QString> folder)
{
    fAnswers.push_back(TFolderAnswer{std::move(folder)});
}

void TScriptedPrompt::AnswerModal(std::function<void(QWidget *)> inspect, int result)
{
    fAnswers.push_back(TModalAnswer{std::move(inspect), result});
}

std::optional<TPrompt::TFileChoice> TScriptedPrompt::FileResult(const TFileAnswer &answer)
{
    if (answer.Cancelled)
        return std::nullopt;
    return answer.Choice;
}

template <class T> T TScriptedPrompt::Next(const QString &question)
{
    Asked << question;
    if (fAnswers.empty() || !std::holds_alternative<T>(fAnswers.front())) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return T{};
    }
    T answer = std::get<T>(fAnswers.front());
    fAnswers.pop_front();
    return answer;
}

std::optional<TPrompt::TFileChoice> TScriptedPrompt::OpenFile(QWidget *, const QString &filter,
                                                              int, bool)
{
    return FileResult(Next<TFileAnswer>("open: " + filter));
}

std::optional<QStringList> TScriptedPrompt::OpenFiles(QWidget *, const TOpenRequest &request)
{
    OpenRequests << request;
    return Next<TFilesAnswer>("open files: " + request.Title).Files;
}

std::optional<TPrompt::TFileChoice> TScriptedPrompt::SaveFile(QWidget *, const QString &filter,
                                                              int, bool)
{
    return FileResult(Next<TFileAnswer>("save: " + filter));
}

TPrompt::TAnswer TScriptedPrompt::Message(QWidget *, TKind, const QString &text, TButtons buttons)
{
    Messages << text;
    if (buttons == TButtons::Ok) {
        Asked << "message: " + text; // a plain notice needs no scripted answer
        return TAnswer::Ok;
    }
    return Next<TMessageAnswer>("question: " + text).Answer;
}

std::optional<QString> TScriptedPrompt::Input(QWidget *, const QString &, const QString &label,
                                              const QString &)
{
    return Next<TInputAnswer>("input: " + label).Value;
}

std::optional<QString> TScriptedPrompt::ChooseFolder(QWidget *, const QString &caption,
                                                     const QString &)
{
    return Next<TFolderAnswer>("folder: " + caption).Folder;
}

int TScriptedPrompt::ShowModal(QWidget *dialog)
{
    TModalAnswer answer = Next<TModalAnswer>("modal: " + QString(dialog->metaObject()->className()));
    if (answer.Inspect)
        answer.Inspect(dialog);
    return answer.Result;
}
