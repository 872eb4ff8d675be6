#include "richtext/richtext.h"

#include "platform/codepage.h"
#include "platform/ioerror.h"
#include "richtext/documentsink.h"
#include "richtext/plaintextsink.h"
#include "richtext/rtfreader.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The document from its "{" on, or empty when the bytes are not RTF.
QByteArrayView RtfBody(QByteArrayView bytes)
{
    QByteArrayView rest = WithoutBom(bytes);
    while (!rest.isEmpty() && (rest.front() == ' ' || rest.front() == '\t' ||
                               rest.front() == '\r' || rest.front() == '\n'))
        rest = rest.sliced(1);
    return rest.startsWith("{\\rtf") ? rest : QByteArrayView();
}

QString PlainText(QByteArrayView bytes)
{
    QString text = DecodeListText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

bool IsRtf(QByteArrayView bytes)
{
    return !RtfBody(bytes).isEmpty();
}

void ReadTextDocument(QByteArrayView bytes, QTextDocument &document)
{
    document.setUndoRedoEnabled(false);
    document.clear();
    const QByteArrayView rtf = RtfBody(bytes);
    if (rtf.isEmpty()) {
        document.setPlainText(PlainText(bytes));
    } else {
        QTextCursor edit(&document);
        edit.beginEditBlock();
        TRtfReader reader(rtf);
        TDocumentSink sink(document, reader.Tables());
        reader.Read(sink);
        edit.endEditBlock();
    }
    document.setUndoRedoEnabled(true);
}

QString DocumentPlainText(QByteArrayView bytes)
{
    const QByteArrayView rtf = RtfBody(bytes);
    if (rtf.isEmpty())
        return PlainText(bytes);
    TRtfReader reader(rtf);
    TPlainTextSink sink;
    reader.Read(sink);
    return sink.Text();
}

QByteArray ReadDocumentFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw EIOError(QStringLiteral("Файл не найден: ") + fileName);
    if (info.isDir())
        throw EIOError(QStringLiteral("Это папка, а не файл: ") + fileName);
    if (!info.isFile())
        throw EIOError(QStringLiteral("Это не обычный файл: ") + fileName);
    if (info.size() > kMaxDocumentFileSize)
        throw EIOError(QStringLiteral("Файл слишком велик: ") + fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EIOError(QStringLiteral("Не удается открыть файл %1: %2")
                           .arg(fileName, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EIOError(QStringLiteral("Не удается прочитать файл %1: %2")
                           .arg(fileName, file.errorString()));
    return bytes;
}

void LoadTextDocument(const QString &fileName, QTextDocument &document)
{
    document.clear();
    ReadTextDocument(ReadDocumentFile(fileName), document);
}
