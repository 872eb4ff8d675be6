#include "metafilebuilder.h"

QByteArray Le16(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int value : values)
        out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
    return out;
}

QByteArray Le32(std::initializer_list<qint64> values)
{
    QByteArray out;
    for (const qint64 value : values)
        for (int i = 0; i < 4; ++i)
            out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

TWmfBuilder &TWmfBuilder::Add(int function, const QByteArray &params)
{
    QByteArray padded = params;
    if (padded.size() % 2) padded.append('\0');
    fRecords += Le32({3 + padded.size() / 2}) + Le16({function}) + padded;
    return *this;
}

QByteArray TWmfBuilder::File(const QRect &box, int inch) const
{
    QByteArray file;
    if (box.isValid())
        file += Le32({0x9AC6CDD7}) +
                Le16({0, box.left(), box.top(), box.right() + 1, box.bottom() + 1, inch}) +
                Le32({0}) + Le16({0});
    const QByteArray eof = Le32({3}) + Le16({0});
    file += Le16({1, 9, 0x0300}) + Le32({(18 + fRecords.size() + eof.size()) / 2}) + Le16({64}) +
            Le32({0}) + Le16({0});
    return file + fRecords + eof;
}

TEmfBuilder &TEmfBuilder::Add(quint32 type, const QByteArray &params)
{
    fRecords += Le32({type, 8 + params.size()}) + params;
    ++fCount;
    return *this;
}

QByteArray TEmfBuilder::File(const QRect &frame) const
{
    const QByteArray eof = Le32({14, 20, 0, 16, 20});
    const int size = 108 + fRecords.size() + eof.size();
    const QByteArray header =
        Le32({1, 108, 0, 0, 100, 100, frame.left(), frame.top(), frame.right(), frame.bottom(),
              0x464D4520, 0x10000, size, fCount + 2}) +
        Le16({16, 0}) + Le32({0, 0, 0, 960, 960, 254, 254, 0, 0, 0, 254000, 254000});
    return header + fRecords + eof;
}
