#pragma once
// Small WMF and EMF files made record by record, for cases no drawing program writes.

#include <QByteArray>
#include <QRect>
#include <initializer_list>

// Little-endian fields appended to a byte array.
QByteArray Le16(std::initializer_list<int> values);
QByteArray Le32(std::initializer_list<qint64> values);

class TWmfBuilder {
public:
    // A record of the function with its parameter bytes (padded to whole words).
    TWmfBuilder &Add(int function, const QByteArray &params = {});
    // The file: with a placeable header of box and inch when box is valid, else plain.
    QByteArray File(const QRect &box = {}, int inch = 1440) const;

private:
    QByteArray fRecords;
};

class TEmfBuilder {
public:
    TEmfBuilder &Add(quint32 type, const QByteArray &params = {});
    // The file whose frame is given in hundredths of a millimetre; the reference device has 96
    // pixels an inch.
    QByteArray File(const QRect &frame) const;

private:
    QByteArray fRecords;
    int fCount = 0;
};
