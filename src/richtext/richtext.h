#pragma once
// Song texts, reviews, histories and the disc description as the text pages show them: an RTF
// file formatted (fonts with their code pages, styles, colours, paragraphs, tables, pictures
// through the picture decoder of picturedecoder.h), any other file as plain text, Windows-1251
// unless it is valid UTF-8 (a UTF-8 byte-order mark is dropped).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Files larger than this are not read as documents.
inline constexpr qint64 kMaxDocumentFileSize = 256 * 1024 * 1024;

// Whether bytes are an RTF document: "{\rtf" after an optional UTF-8 byte-order mark and blanks.
bool IsRtf(QByteArrayView bytes);

// Replaces the document's content with the bytes, RTF or plain text. Turns the document's undo
// history off while it builds and clears it.
void ReadTextDocument(QByteArrayView bytes, QTextDocument &document);

// The text of the bytes as the document shows it: each paragraph ends in "\n" (so does a line
// break), table cells are separated by a tab and each table row is one line, pictures leave
// nothing. Plain text comes with its line ends made "\n".
QString DocumentPlainText(QByteArrayView bytes);

// The bytes of a document file. Raises EIOError (platform/ioerror.h) with a message for the user
// when the file is missing, a folder or not a regular file, unreadable, or larger than
// kMaxDocumentFileSize.
QByteArray ReadDocumentFile(const QString &fileName);

// Loads a document file into document (see ReadTextDocument). On failure the document is left
// empty and EIOError raised.
void LoadTextDocument(const QString &fileName, QTextDocument &document);
