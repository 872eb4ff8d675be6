#include "library/listtext.h"

namespace {
constexpr qsizetype kFlushSize = 1 << 20;
}

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
    else
        AppendCp1251(fBuffer, text);
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
        fBuffer.resize(0); // keeps the allocation for the next piece
    }
}
