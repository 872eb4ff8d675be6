#pragma once
// The text of song texts, reviews, histories and the disc description without a document: what
// lorvanta-list prints. QtCore only, so it needs no display. RTF is read as the text pages read
// it (richtext.h); any other file is plain text, Windows-1251 unless it is valid UTF-8 (a UTF-8
// byte-order mark is dropped).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Files larger than this are not read as documents.
inline constexpr qint64 kMaxDocumentFileSize = 256 * 1024 * 1024;

// The RTF document in bytes, from its "{\rtf" on (after an optional UTF-8 byte-order mark and
// blanks); empty when the bytes are not RTF.
QByteArrayView RtfDocumentBytes(QByteArrayView bytes);
bool IsRtf(QByteArrayView bytes);

// The text of the bytes as the document shows it: each paragraph ends in "\n" (so does a line
// break), a table row is one line with a tab between cells (a paragraph break inside a cell is a
// blank), pictures leave nothing. Plain text comes with its line ends made "\n".
QString DocumentPlainText(QByteArrayView bytes);

// Whether the bytes are an RTF document that ends before its outermost group closes (a file cut
// short, a closing brace missing): the text pages show what was read, the rest is lost.
bool IsCutRtf(QByteArrayView bytes);

// The bytes of a document file. Raises EIOError (platform/ioerror.h) with a message for the user
// when the file is missing, a folder or not a regular file, unreadable, or larger than
// kMaxDocumentFileSize.
QByteArray ReadDocumentFile(const QString &fileName);
