#include "platform/errorreport.h"

#include "platform/prompt.h"

QString ErrorText(const std::exception &error) { return QString::fromUtf8(error.what()); }

void ReportError(QWidget *parent, const QString &text)
{
    Prompt().Message(parent, TPrompt::TKind::Error, text, TPrompt::TButtons::Ok);
}

bool RunReporting(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &error) {
        ReportError(parent, ErrorText(error));
    } catch (...) {
        ReportError(parent, QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}
