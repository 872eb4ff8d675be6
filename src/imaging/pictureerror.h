#pragma once
// The picture component's failure: a file or data it cannot read, with a message to show.

#include <QString>
#include <stdexcept>

class EPictureError : public std::runtime_error {
public:
    explicit EPictureError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};
