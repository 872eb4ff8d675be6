#include "library/listtext.h"

#include "platform/atomicfile.h"

#include <algorithm>

namespace {
constexpr qsizetype kFlushSize = 1 << 20;
constexpr TTextEncoding kEncodings[] = {TTextEncoding::Cp1251, TTextEncoding::Utf8};

bool EndsLine(QChar c) { return c == u'\r' || c == u'\n' || c == u'\0'; }
bool IsOneLine(QStringView text) { return std::none_of(text.begin(), text.end(), EndsLine); }

} // namespace

QString OneLineText(const QString &text)
{
    if (IsOneLine(text))
        return text;
    QString line = text;
    std::replace_if(line.begin(), line.end(), EndsLine, u' ');
    return line;
}

TListTextSink::TListTextSink(TTextEncoding encoding, TNonAscii nonAscii, TFlush flush)
    : fEncoding(encoding), fNonAscii(nonAscii), fFlush(std::move(flush))
{
    if (fEncoding == TTextEncoding::Utf8)
        fBuffer.append(kUtf8Bom);
    if (fFlush)
        fBuffer.reserve(kFlushSize + 4096);
}

void TListTextSink::Text(QStringView text)
{
    if (!IsOneLine(text)) {
        Text(OneLineText(text.toString()));
        return;
    }
    if (fEncoding == TTextEncoding::Utf8) {
        fBuffer.append(text.toUtf8());
        return;
    }
    const qsizetype start = fBuffer.size();
    if (!AppendCp1251(fBuffer, text))
        fLossy = true;
    // Texts are separated by ASCII, so each can be checked for UTF-8 on its own; once the
    // answer is known, the rest needs no look.
    const bool decided = fNonAscii == TNonAscii::Utf8 ? fSawNonAscii : !fReadableAsUtf8;
    if (!decided) {
        const TUtf8Shape shape = Utf8Shape(QByteArrayView(fBuffer).sliced(start));
        fReadableAsUtf8 = fReadableAsUtf8 && shape != TUtf8Shape::Invalid;
        fSawNonAscii = fSawNonAscii || shape != TUtf8Shape::Ascii;
    }
}

void TListTextSink::EndLine()
{
    fBuffer.append("\r\n", 2);
    if (fFlush && fBuffer.size() >= kFlushSize) {
        fFlush(fBuffer);
        fBuffer.resize(0); // keeps the allocation for the next piece
    }
}

void TListTextSink::Finish()
{
    if (fFlush && !fBuffer.isEmpty()) {
        fFlush(fBuffer);
        fBuffer.resize(0);
    }
}

QByteArray ListText(const TListProducer &produce, TNonAscii nonAscii)
{
    for (const TTextEncoding encoding : kEncodings) {
        TListTextSink sink(encoding, nonAscii);
        produce(sink);
        if (!sink.NeedsUtf8())
            return std::move(sink.Bytes());
    }
    return {}; // not reached: UTF-8 holds every text
}

void SaveListText(const QString &fileName, const TListProducer &produce, TNonAscii nonAscii)
{
    for (const TTextEncoding encoding : kEncodings) {
        TAtomicFileWriter file(fileName);
        TListTextSink sink(encoding, nonAscii, [&file](QByteArrayView piece) { file.Write(piece); });
        produce(sink);
        sink.Finish();
        if (sink.NeedsUtf8())
            continue; // the abandoned writer leaves the target as it was
        file.Commit();
        return;
    }
}
