// Lines and encoding read from a device in chunks agree with the whole-text readers, wherever
// the chunk boundaries fall.

#include "platform/devicelines.h"
#include "platform/textlines.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr qsizetype kChunk = 64 * 1024;

struct TWalk {
    QList<QByteArray> Lines;
    QList<qint64> Positions;
};

// Every line with its position, stepping back once after every third line, as the list reader
// does after a look-ahead.
template <class TCursor> TWalk Walk(TCursor &cursor)
{
    TWalk walk;
    for (int step = 1; !cursor.AtEnd(); ++step) {
        walk.Lines << cursor.Line().toByteArray();
        walk.Positions << qint64(cursor.Position());
        cursor.Next();
        if (step % 3 == 0 && !cursor.AtEnd()) {
            cursor.Back();
            cursor.Next();
        }
    }
    return walk;
}

TWalk DeviceWalk(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TDeviceLineCursor cursor(buffer, 0);
    return Walk(cursor);
}

TWalk WholeWalk(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    TLineCursor<QByteArrayView> cursor(nul < 0 ? bytes : bytes.first(nul));
    return Walk(cursor);
}

void ExpectSameWalk(const QByteArray &bytes)
{
    const TWalk device = DeviceWalk(bytes);
    const TWalk whole = WholeWalk(bytes);
    EXPECT_EQ(device.Lines, whole.Lines);
    EXPECT_EQ(device.Positions, whole.Positions);
}

TDeviceText Scan(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return ScanListText(buffer);
}

} // namespace

TEST(DeviceLineCursor, LineEndsOnEitherSideOfAChunkBoundary)
{
    for (const char *end : {"\r\n", "\n", "\r"}) {
        for (qsizetype shift = -3; shift <= 3; ++shift) {
            const QByteArray bytes = QByteArray(kChunk + shift, 'a') + end + "b" + end + end + "c";
            ExpectSameWalk(bytes);
        }
    }
}

TEST(DeviceLineCursor, RandomTextsOverManyChunks)
{
    QRandomGenerator random(7);
    const char pieces[] = {'\r', '\n', 'x', 'y', '='};
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes;
        const qsizetype size = random.bounded(3 * int(kChunk));
        while (bytes.size() < size) {
            // Mostly long runs of text, so that lines straddle chunks.
            const char c = pieces[random.bounded(5)];
            bytes.append(c == 'x' ? random.bounded(20000) : 1, c);
        }
        ExpectSameWalk(bytes);
    }
}

TEST(DeviceLineCursor, LinesOfSeveralMegabytes)
{
    const QByteArray bytes = QByteArray(3 * 1024 * 1024, 'a') + "\r\n" + "\r\nb\r" +
                             QByteArray(2 * 1024 * 1024, 'c');
    ExpectSameWalk(bytes);
}

TEST(DeviceLineCursor, StopsAtTheFirstNulInAnyChunk)
{
    ExpectSameWalk(QByteArray(kChunk + 5, 'a') + "\nb\nc" + QByteArray(1, '\0') + "d\ne\n");
    ExpectSameWalk(QByteArray("a\n") + QByteArray(1, '\0') + "b\n");
    EXPECT_TRUE(DeviceWalk(QByteArray(1, '\0') + "a").Lines.isEmpty());
}

TEST(DeviceLineCursor, EmptyDeviceHasNoLines)
{
    EXPECT_TRUE(DeviceWalk({}).Lines.isEmpty());
    EXPECT_EQ(DeviceWalk("\r\n").Lines, QList<QByteArray>{""});
}

TEST(ScanListText, AgreesWithTheWholeTextDetection)
{
    const QByteArray cyrillicUtf8 = "\xD0\x96"; // Ж in UTF-8
    const QByteArray cyrillic1251 = "\xC6";     // Ж in Windows-1251
    for (qsizetype shift = -2; shift <= 2; ++shift) {
        // A UTF-8 sequence cut by the chunk boundary is still one sequence.
        const QByteArray split = QByteArray(kChunk - 1 + shift, 'a') + cyrillicUtf8 + "b";
        EXPECT_EQ(Scan(split).Encoding, DetectListEncoding(split)) << shift;
        EXPECT_EQ(Scan(split).Encoding, TTextEncoding::Utf8) << shift;
    }
    const QByteArray late1251 = QByteArray(3 * kChunk, 'a') + cyrillicUtf8 + cyrillic1251;
    EXPECT_EQ(Scan(late1251).Encoding, TTextEncoding::Cp1251);
    const QByteArray cut = QByteArray(kChunk, 'a') + cyrillicUtf8.first(1);
    EXPECT_EQ(Scan(cut).Encoding, TTextEncoding::Cp1251);
    EXPECT_EQ(Scan("plain ascii").Encoding, TTextEncoding::Cp1251);
    // What follows a NUL is never read.
    const QByteArray beforeNul = cyrillicUtf8 + QByteArray(1, '\0') + cyrillic1251;
    EXPECT_EQ(Scan(beforeNul).Encoding, TTextEncoding::Utf8);
}

TEST(ScanListText, ByteOrderMarkDecidesAndIsSkipped)
{
    const TDeviceText text = Scan(QByteArray(kUtf8Bom) + "\xC6");
    EXPECT_EQ(text.Encoding, TTextEncoding::Utf8);
    EXPECT_EQ(text.Start, 3);
}
