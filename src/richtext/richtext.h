#pragma once
// Song texts, reviews, histories and the disc description as the text pages show them: an RTF
// file formatted (fonts with their code pages, styles, colours, paragraphs, tables, pictures
// through the decoder of picturedecoder.h), any other file as plain text, Windows-1251 unless it
// is valid UTF-8 (a UTF-8 byte-order mark is dropped).

#include "richtext/documenttext.h"

class QTextDocument;

// Replaces the document's content with the bytes, RTF or plain text (plain text keeps the
// document's default font, the view's). The document's undo history is cleared.
void ReadTextDocument(QByteArrayView bytes, QTextDocument &document);

// Loads a document file into document (see ReadTextDocument). On failure the document is left
// empty and EIOError (platform/ioerror.h) raised with a message for the user.
void LoadTextDocument(const QString &fileName, QTextDocument &document);
