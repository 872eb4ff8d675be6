#pragma once
// The general error handler: a failure that no handler caught ends the command that raised it
// and is shown in an error box with its message text. Every handler the main window connects
// runs through RunReporting.

#include <QString>
#include <exception>
#include <functional>

class QWidget;

// The message text of an exception (texts are UTF-8 throughout the program).
QString ErrorText(const std::exception &error);

// Shows text in an error box through the prompt seam.
void ReportError(QWidget *parent, const QString &text);

// Runs handler; an exception escaping it is reported and swallowed. Returns false then.
bool RunReporting(QWidget *parent, const std::function<void()> &handler);
