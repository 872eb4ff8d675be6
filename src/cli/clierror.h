#pragma once
// Bad input for lorvanta-list: the message becomes the one line on standard error (exit status 1).

#include <QString>
#include <stdexcept>

class ECliError : public std::runtime_error {
public:
    explicit ECliError(const QString &message) : std::runtime_error(message.toStdString()) {}
};
