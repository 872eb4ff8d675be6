#pragma once
// Reading RTF into a document or plain text, and looking at what came out.

#include <QByteArray>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <memory>

// The plain text of the bytes (DocumentPlainText).
QString Plain(const QByteArray &bytes);
std::unique_ptr<QTextDocument> Document(const QByteArray &bytes);
// The format of the first character of the first place text stands in the document; fails the
// test when it is not there.
QTextCharFormat CharFormatOf(const QTextDocument &document, const QString &text);
QTextBlockFormat BlockFormatOf(const QTextDocument &document, const QString &text);
// A file of tests/data/richtext.
QByteArray Fixture(const char *name);
