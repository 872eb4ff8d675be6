#include "richtext/bmpheader.h"

void AppendLittleEndian(QByteArray &out, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray BmpFileHeader(quint32 fileSize, quint32 bitsOffset)
{
    QByteArray header("BM");
    AppendLittleEndian(header, fileSize, 4);
    AppendLittleEndian(header, 0, 4);
    AppendLittleEndian(header, bitsOffset, 4);
    return header;
}
