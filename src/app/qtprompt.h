#pragma once
// The prompt of the running program: real Qt dialogs, with Russian button texts.

#include "platform/prompt.h"

#include <QStringList>

class TQtPrompt : public TPrompt {
public:
    // From now on no dialog waits for a person: messages go to standard error with their default
    // answer (OK, No, Cancel), every other question is cancelled. For a close by signal.
    void SetUnattended() { fUnattended = true; }

    std::optional<TFileChoice> OpenFile(QWidget *parent, const QString &filter, int filterIndex,
                                        bool mustExist) override;
    std::optional<QStringList> OpenFiles(QWidget *parent, const TOpenRequest &request) override;
    std::optional<TFileChoice> SaveFile(QWidget *parent, const QString &filter, int filterIndex,
                                        bool confirmOverwrite) override;
    TAnswer Message(QWidget *parent, TKind kind, const QString &text, TButtons buttons) override;
    std::optional<QString> Input(QWidget *parent, const QString &caption, const QString &label,
                                 const QString &value) override;
    std::optional<QString> ChooseFolder(QWidget *parent, const QString &caption,
                                        const QString &startFolder) override;
    int ShowModal(QWidget *dialog) override;

private:
    bool fUnattended = false;
};

class QFileDialog;

// "Description|*.a;*.b|Other|*.c" as Qt's name filters: "Description (*.a *.b)", "Other (*.c)".
// A trailing description without patterns is dropped.
QStringList QtNameFilters(const QString &filter);
// Gives dialog the filters of filter, shown by their descriptions exactly, with the filter at
// filterIndex (from 1) chosen.
void SetUpFileDialog(QFileDialog &dialog, const QString &filter, int filterIndex);
// Sets dialog up as request asks: title, filters, folder, preset file name, one file or several.
void SetUpOpenDialog(QFileDialog &dialog, const TPrompt::TOpenRequest &request);
// The filter chosen in dialog, counted from 1.
int ChosenFilterIndex(const QFileDialog &dialog);
