#include "richtext/richtext.h"

#include "richtext/documentsink.h"
#include "richtext/rtfreader.h"

#include <QTextCursor>
#include <QTextDocument>

void ReadTextDocument(QByteArrayView bytes, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // also clears the history
    document.clear();
    const QByteArrayView rtf = RtfDocumentBytes(bytes);
    if (rtf.isEmpty()) {
        document.setPlainText(DocumentPlainText(bytes));
    } else {
        QTextCursor edit(&document);
        edit.beginEditBlock(); // one change for the views and layout, not one per run
        TRtfReader reader(rtf);
        TDocumentSink sink(document, reader.Tables());
        reader.Read(sink);
        edit.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
}

void LoadTextDocument(const QString &fileName, QTextDocument &document)
{
    document.clear();
    ReadTextDocument(ReadDocumentFile(fileName), document);
}
