#pragma once
// Test failures show texts as text. Every test file includes this, so that all agree on it.

#include <QString>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
