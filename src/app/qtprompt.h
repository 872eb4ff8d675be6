#pragma once
// The prompt of the running program: real Qt dialogs, with Russian button texts.

#include "platform/prompt.h"

#include <QStringList>

class TQtPrompt : public TPrompt {
public:
    std::optional<TFileChoice> OpenFile(QWidget *parent, const QString &filter, int filterIndex,
                                        bool mustExist) override;
    std::optional<TFileChoice> SaveFile(QWidget *parent, const QString &filter, int filterIndex,
                                        bool confirmOverwrite) override;
    TAnswer Message(QWidget *parent, TKind kind, const QString &text, TButtons buttons) override;
    std::optional<QString> Input(QWidget *parent, const QString &caption, const QString &label,
                                 const QString &value) override;
    std::optional<QString> ChooseFolder(QWidget *parent, const QString &caption,
                                        const QString &startFolder) override;
    int ShowModal(QWidget *dialog) override;
};

// "Description|*.a;*.b|Other|*.c" as Qt's name filters: "Description (*.a *.b)", "Other (*.c)".
// A trailing description without patterns is dropped.
QStringList QtNameFilters(const QString &filter);
