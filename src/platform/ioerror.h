#pragma once
// The core's one failure type for files and folders: a message ready to show to the user.

#include <QString>
#include <stdexcept>

class EIOError : public std::runtime_error {
public:
    explicit EIOError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};
