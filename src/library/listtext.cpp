#include "library/listtext.h"

#include "platform/atomicfile.h"

namespace {
constexpr qsizetype kFlushSize = 1 << 20;
constexpr TTextEncoding kEncodings[] = {TTextEncoding::Cp1251, TTextEncoding::Utf8};
} // namespace

TListTextSink::TListTextSink(TTextEncoding encoding, TFlush flush)
    : fEncoding(encoding), fFlush(std::move(flush))
{
    if (fEncoding == TTextEncoding::Utf8)
        fBuffer.append(kUtf8Bom);
    if (fFlush)
        fBuffer.reserve(kFlushSize + 4096);
}

void TListTextSink::Text(QStringView text)
{
    if (fEncoding == TTextEncoding::Utf8)
        fBuffer.append(text.toUtf8());
    else if (!AppendCp1251(fBuffer, text))
        fLossy = true;
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

QByteArray ListText(const TListProducer &produce)
{
    for (const TTextEncoding encoding : kEncodings) {
        TListTextSink sink(encoding);
        produce(sink);
        if (!sink.Lossy())
            return std::move(sink.Bytes());
    }
    return {}; // not reached: UTF-8 holds every text
}

void SaveListText(const QString &fileName, const TListProducer &produce)
{
    for (const TTextEncoding encoding : kEncodings) {
        TAtomicFileWriter file(fileName);
        TListTextSink sink(encoding, [&file](QByteArrayView piece) { file.Write(piece); });
        produce(sink);
        sink.Finish();
        if (sink.Lossy())
            continue; // the abandoned writer leaves the target as it was
        file.Commit();
        return;
    }
}
