#include "richtext/documenttext.h"

#include "platform/codepage.h"
#include "platform/ioerror.h"
#include "richtext/plaintextsink.h"
#include "richtext/rtfreader.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Reads the RTF document into sink; true when it ended before its group closed.
bool ReadRtf(QByteArrayView rtf, TPlainTextSink &sink)
{
    TRtfReader reader(rtf);
    reader.Read(sink);
    return reader.EndedEarly();
}

} // namespace

QByteArrayView RtfDocumentBytes(QByteArrayView bytes)
{
    QByteArrayView rest = WithoutBom(bytes);
    while (!rest.isEmpty() && (rest.front() == ' ' || rest.front() == '\t' ||
                               rest.front() == '\r' || rest.front() == '\n'))
        rest = rest.sliced(1);
    return rest.startsWith("{\\rtf") ? rest : QByteArrayView();
}

bool IsRtf(QByteArrayView bytes)
{
    return !RtfDocumentBytes(bytes).isEmpty();
}

QString DocumentPlainText(QByteArrayView bytes)
{
    const QByteArrayView rtf = RtfDocumentBytes(bytes);
    if (rtf.isEmpty()) {
        QString text = DecodeListText(bytes);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return text;
    }
    TPlainTextSink sink;
    ReadRtf(rtf, sink);
    return sink.Text();
}

bool IsCutRtf(QByteArrayView bytes)
{
    const QByteArrayView rtf = RtfDocumentBytes(bytes);
    TPlainTextSink sink;
    return !rtf.isEmpty() && ReadRtf(rtf, sink);
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
