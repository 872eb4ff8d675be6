// Damaged, empty, truncated, mislabelled and hostile pictures: an error or a partial picture,
// never a crash, a hang or a huge allocation.
#include "imaging/picture.h"
#include "metafilebuilder.h"
#include "picturefiles.h"

#include <gtest/gtest.h>

namespace {

enum TOutcome { Fails, Loads, Either }; // Loads: perhaps a partial picture, which renders

struct TBadCase {
    const char *name;
    QByteArray bytes;
    const char *format;
    TOutcome outcome;
};

QByteArray Patched(QByteArray bytes, qsizetype at, const QByteArray &with)
{
    return bytes.replace(at, with.size(), with);
}

// A JPEG whose frame header claims width x height.
QByteArray JpegClaiming(int width, int height)
{
    QByteArray jpeg = ReadFixture("photo.jpg");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return Patched(jpeg, frame + 5, QByteArray(size, 4));
}

// count copies of a record.
QByteArray Repeated(const QByteArray &record, int count)
{
    QByteArray out;
    out.reserve(record.size() * count);
    for (int i = 0; i < count; ++i)
        out += record;
    return out;
}

std::vector<TBadCase> Cases()
{
    const QByteArray bmp = ReadFixture("gradient.bmp"), jpg = ReadFixture("photo.jpg");
    const QByteArray gif = ReadFixture("anim.gif"), wmf = ReadFixture("drawing.wmf");
    const QByteArray emf = ReadFixture("drawing.emf");
    const qsizetype emfFirst = qsizetype(quint8(emf[4])) | qsizetype(quint8(emf[5]))
                                                               << 8; // header size
    const QByteArray emfHeader = TEmfBuilder().File(QRect(0, 0, 2540, 2540));
    const QByteArray rectangle = Le32({43, 24, 10, 10, 50, 50});
    std::vector<TBadCase> cases = {
        {"empty BMP", {}, "BMP", Fails},
        {"empty JPEG", {}, "JPEG", Fails},
        {"empty GIF", {}, "GIF", Fails},
        {"empty WMF", {}, "WMF", Fails},
        {"empty EMF", {}, "EMF", Fails},
        {"garbage", QByteArray(5000, '\x5A'), "JPEG", Fails},
        {"JPEG as GIF", jpg, "GIF", Fails},
        {"GIF as BMP", gif, "BMP", Fails},
        {"EMF as WMF", emf, "WMF", Fails},
        {"WMF as EMF", wmf, "EMF", Fails},
        {"BMP cut in its header", bmp.left(20), "BMP", Fails},
        {"GIF cut in its header", gif.left(10), "GIF", Fails},
        {"EMF cut in its header", emf.left(60), "EMF", Fails},
        {"JPEG 60000x60000", JpegClaiming(60000, 60000), "JPEG", Fails},
        {"JPEG 65500x1", JpegClaiming(65500, 1), "JPEG", Loads},
        {"JPEG 65535x1", JpegClaiming(65535, 1), "JPEG", Fails}, // beyond libjpeg
        {"JPEG 0x0", JpegClaiming(0, 0), "JPEG", Fails},
        {"BMP 60000x60000", Patched(bmp, 18, Le32({60000, 60000})), "BMP", Fails},
        {"GIF screen 65535x65535", Patched(gif, 6, Le16({65535, 65535})), "GIF", Fails},
        {"WMF box 60000x60000 at 1 an inch",
         Patched(wmf, 6, Le16({0, 0, 30000, 30000})).replace(14, 2, Le16({1})), "WMF", Fails},
        {"EMF frame of a kilometre", Patched(emf, 24, Le32({0, 0, 100000000, 100000000})), "EMF",
         Fails},
        {"BMP cut in its pixels", bmp.left(bmp.size() / 2), "BMP", Loads},
        {"JPEG cut in its pixels", jpg.left((jpg.indexOf("\xFF\xDA") + jpg.size()) / 2), "JPEG",
         Loads},
        {"GIF cut in its pixels", gif.left(gif.size() * 2 / 3), "GIF", Either},
        {"WMF cut in a record", wmf.left(wmf.size() * 2 / 3), "WMF", Loads},
        {"EMF cut in a record", emf.left(emf.size() * 2 / 3), "EMF", Loads},
        {"WMF record of size 0", Patched(wmf, 22 + 18, Le32({0})), "WMF", Loads},
        {"WMF record past the end", Patched(wmf, 22 + 18, Le32({0x7FFFFFFF})), "WMF", Loads},
        {"EMF record of size 0", Patched(emf, emfFirst + 4, Le32({0})), "EMF", Loads},
        {"EMF record past the end", Patched(emf, emfFirst + 4, Le32({0xFFFFFFF0})), "EMF", Loads},
        {"WMF of a million rectangles",
         TWmfBuilder()
             .File(QRect(0, 0, 100, 100), 96)
             .insert(40, Repeated(Le32({7}) + Le16({0x041B, 90, 90, 10, 10}), 1000000)),
         "WMF", Loads},
        {"EMF of a million rectangles", emfHeader.left(108) + Repeated(rectangle, 1000000), "EMF",
         Loads},
        {"WMF nesting SaveDC a hundred thousand deep",
         TWmfBuilder()
             .File(QRect(0, 0, 10, 10), 96)
             .insert(40, Repeated(Le32({3}) + Le16({0x001E}), 100000)),
         "WMF", Loads},
        {"EMF object at index 2^31-1",
         TEmfBuilder()
             .Add(39, Le32({0x7FFFFFFF, 0, 0, 0}))
             .Add(37, Le32({0x7FFFFFFF}))
             .File(QRect(0, 0, 254, 254)),
         "EMF", Loads},
        {"WMF polygon claiming 65535 points",
         TWmfBuilder().Add(0x0324, Le16({65535, 1, 2})).File(QRect(0, 0, 10, 10), 96), "WMF",
         Loads},
        {"EMF text with offsets past the record",
         TEmfBuilder()
             .Add(84,
                  Le32({0, 0, 0, 0, 1, 0, 0, 0, 0, 1000000, 0x7FFFFFF0, 0, 0, 0, 0, 0, 0x7FFFFFF0}))
             .File(QRect(0, 0, 254, 254)),
         "EMF", Loads},
        {"EMF bitmap claiming 60000x60000",
         TEmfBuilder()
             .Add(81,
                  Le32({0, 0, 10, 10, 0, 0, 0, 0, 2, 2, 80, 40, 120, 0, 0, 0x00CC0020, 10, 10}) +
                      Le32({40, 60000, 60000}) + Le16({1, 24}) + Le32({0, 0, 0, 0, 0, 0}))
             .File(QRect(0, 0, 254, 254)),
         "EMF", Loads},
    };
    return cases;
}

} // namespace

TEST(BadPictures, FailCleanlyOrGiveAPartialPicture)
{
    for (const TBadCase &c : Cases()) {
        SCOPED_TRACE(c.name);
        TImagePicture picture;
        if (c.outcome == Fails) {
            EXPECT_THROW(picture.LoadFromData(c.bytes, QLatin1String(c.format)), EPictureError);
            continue;
        }
        if (c.outcome == Loads) {
            EXPECT_NO_THROW(picture.LoadFromData(c.bytes, QLatin1String(c.format)));
        } else {
            try {
                picture.LoadFromData(c.bytes, QLatin1String(c.format));
            } catch (const EPictureError &) {
                continue;
            }
        }
        try {
            const QImage image = picture.ToImage(QSize(64, 64));
            EXPECT_EQ(image.size(), QSize(64, 64));
        } catch (const EPictureError &) {
            // a picture whose pixels cannot be decoded at all: an error is a fine answer too
        }
    }
}
