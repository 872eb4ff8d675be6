#pragma once
// The character set of an HTML file: a byte-order mark first, then the first <meta charset=...>
// or <meta http-equiv content="...; charset=..."> naming a set we read, else Windows-1251, the
// code page of discs made on Windows.

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

enum class THtmlCharset { Cp1251, Utf8, Utf16LE, Utf16BE, Latin1, Cp866, Koi8R };

// The set a charset label names (without regard to case), or nothing for a label we do not read.
std::optional<THtmlCharset> HtmlCharsetByName(QStringView label);

THtmlCharset DetectHtmlCharset(QByteArrayView bytes);

// The text of an HTML file in its detected character set, without its byte-order mark.
QString DecodeHtml(QByteArrayView bytes);
