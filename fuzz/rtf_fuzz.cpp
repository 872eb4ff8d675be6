// RTF reader on arbitrary bytes: the plain text, whether the document is cut short, the document
// and its layout at a page's width.
// Bytes that do not start as RTF are read as the body of a document, so that every input reaches
// the reader.
#include "richtext/richtext.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Qt's font database and fontconfig keep their caches for the life of the process, which leak
// detection would take for leaks of each input.
extern "C" const char *__lsan_default_options()
{
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts for the layout
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!IsRtf(bytes))
        bytes.prepend("{\\rtf1 ");
    DocumentPlainText(bytes);
    IsCutRtf(bytes);
    QTextDocument document;
    ReadTextDocument(bytes, document);
    document.setTextWidth(400);
    document.documentLayout()->documentSize();
    return 0;
}
