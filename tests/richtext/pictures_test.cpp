// Pictures: decoded through the installed decoder and shown at the size the document gives.
#include "rtftesting.h"

#include "imaging/picture.h"
#include "richtext/picturedecoder.h"

#include <QBuffer>
#include <QFile>
#include <QTextBlock>
#include <QTextFragment>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray Pict(const QByteArray &words, const QByteArray &data)
{
    return "{\\rtf1 a{\\pict" + words + "\n" + data.toHex() + "}b}";
}

struct TShownImage {
    QTextImageFormat format;
    QImage image;
};

QList<TShownImage> Images(const QTextDocument &document)
{
    QList<TShownImage> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
                images.append({format, document.resource(QTextDocument::ImageResource,
                                                         QUrl(format.name())).value<QImage>()});
            }
    return images;
}

// Installs a decoder for one test and puts the default back after it.
class RtfPictures : public ::testing::Test {
protected:
    void TearDown() override { SetPictureDecoder({}); }
};

} // namespace

TEST_F(RtfPictures, PngIsShownAtItsGoalSizeWithItsScale)
{
    const QByteArray png = Encoded(Filled(4, 2, Qt::red), "PNG");
    const auto document = Document(Pict("\\pngblip\\picw4\\pich2\\picwgoal1440\\pichgoal720", png));
    const QList<TShownImage> images = Images(*document);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].format.width(), 96);
    EXPECT_EQ(images[0].format.height(), 48);
    EXPECT_EQ(images[0].image.size(), QSize(4, 2));
    EXPECT_EQ(images[0].image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(document->toPlainText(), QString("a") + QChar::ObjectReplacementCharacter + "b");

    const auto scaled = Document(
        Pict("\\pngblip\\picscalex50\\picscaley200\\picwgoal1440\\pichgoal720", png));
    ASSERT_EQ(Images(*scaled).size(), 1);
    EXPECT_EQ(Images(*scaled)[0].format.width(), 48);
    EXPECT_EQ(Images(*scaled)[0].format.height(), 96);

    const auto natural = Document(Pict("\\pngblip", png));
    ASSERT_EQ(Images(*natural).size(), 1);
    EXPECT_EQ(Images(*natural)[0].format.width(), 4);
}

TEST_F(RtfPictures, JpegDibAndDeviceBitmapsDecodeByDefault)
{
    const QByteArray jpeg = Encoded(Filled(8, 8, Qt::blue), "JPEG");
    const QByteArray dib = Encoded(Filled(3, 5, Qt::green), "BMP").mid(14);
    // A device-dependent bitmap: 8 by 2 pixels, one bit each, rows of two bytes, top row first.
    const QByteArray ddb = QByteArray::fromHex("0f00" "f000");
    const auto document = Document(
        "{\\rtf1{\\pict\\jpegblip\\picwgoal150\\pichgoal150 " + jpeg.toHex() + "}"
        "{\\pict\\dibitmap0\\picw3\\pich5 " + dib.toHex() + "}"
        "{\\pict\\wbitmap0\\picw8\\pich2\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 " +
        ddb.toHex() + "}}");
    const QList<TShownImage> images = Images(*document);
    ASSERT_EQ(images.size(), 3);
    EXPECT_EQ(images[0].format.width(), 10);
    EXPECT_EQ(images[0].image.size(), QSize(8, 8));
    EXPECT_EQ(images[1].image.size(), QSize(3, 5));
    EXPECT_EQ(images[1].image.pixelColor(1, 1), QColor(Qt::green));
    ASSERT_EQ(images[2].image.size(), QSize(8, 2));
    EXPECT_EQ(images[2].image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(images[2].image.pixelColor(7, 0), QColor(Qt::white));
    EXPECT_EQ(images[2].image.pixelColor(0, 1), QColor(Qt::white));
}

TEST_F(RtfPictures, MetafilesGoToTheInstalledDecoderWithTheirGoalSize)
{
    const char rtf[] = "{\\rtf1 a{\\pict\\wmetafile8\\picw2540\\pich1270 0102}"
                       "{\\pict\\emfblip\\picwgoal300\\pichgoal150 0304}b}";
    EXPECT_TRUE(Images(*Document(rtf)).isEmpty()) << "the default decoder knows no metafiles";

    QStringList calls;
    SetPictureDecoder([&](const QByteArray &data, const QString &format, const QSize &goal) {
        calls << QString("%1 %2 %3x%4").arg(format, data.toHex()).arg(goal.width()).arg(goal.height());
        return Filled(2, 2, Qt::yellow);
    });
    const auto document = Document(rtf);
    EXPECT_EQ(calls, (QStringList{"WMF 0102 96x48", "EMF 0304 20x10"}));
    EXPECT_EQ(Images(*document).size(), 2);
}

TEST_F(RtfPictures, ShapePicturesWinOverTheirCopiesForOlderReaders)
{
    QStringList formats;
    SetPictureDecoder([&](const QByteArray &, const QString &format, const QSize &) {
        formats << format;
        return Filled(1, 1, Qt::red);
    });
    const auto document = Document("{\\rtf1 {\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn a}{\\sv 1}}}"
                                   "\\pngblip 00}}{\\nonshppict{\\pict\\wmetafile8 00}}}");
    EXPECT_EQ(formats, QStringList{"PNG"});
    EXPECT_EQ(Images(*document).size(), 1);
}

TEST_F(RtfPictures, BinaryDataAndLooseHexSpellingsCarryTheSameBytes)
{
    QList<QByteArray> seen;
    SetPictureDecoder([&](const QByteArray &data, const QString &, const QSize &) {
        seen << data;
        return QImage();
    });
    Document(QByteArray("{\\rtf1{\\pict\\pngblip\\bin4 {}\\\x01}") +
             "{\\pict\\pngblip 7B 7d\r\n5C\t01}{\\pict\\pngblip 7b7d5c01a}}");
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0], QByteArray("{}\\\x01"));
    EXPECT_EQ(seen[1], seen[0]);
    EXPECT_EQ(seen[2], seen[0]); // a lone last digit is no byte
}

TEST_F(RtfPictures, PicturesThatCannotBeDecodedAreLeftOut)
{
    const char *cases[] = {
        "{\\rtf1 a{\\pict\\pngblip\\picwgoal100\\pichgoal100 0102030405}b}",
        "{\\rtf1 a{\\pict\\jpegblip}b}",
        "{\\rtf1 a{\\pict\\macpict 0102}b}",
        "{\\rtf1 a{\\pict 0102}b}",
        "{\\rtf1 a{\\pict\\dibitmap0 28000000}b}",
        "{\\rtf1 a{\\pict\\wbitmap0\\picw100\\pich100\\wbmbitspixel1 00}b}",
        "{\\rtf1 a{\\pict\\wbitmap0\\picw1\\pich1\\wbmbitspixel8 00}b}",
        "{\\rtf1 a{\\pict\\pngblip\\picwgoal2147483647\\pichgoal-5 00}b}",
    };
    for (const char *rtf : cases) {
        const auto document = Document(rtf);
        EXPECT_TRUE(Images(*document).isEmpty()) << rtf;
        EXPECT_EQ(document->toPlainText(), "ab") << rtf;
    }
}

TEST_F(RtfPictures, DibFileHeaderPointsPastTheColourTable)
{
    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
    indexed.fill(1);
    const QByteArray dib = Encoded(indexed, "BMP").mid(14);
    const QByteArray bmp = DibAsBmpFile(dib);
    ASSERT_EQ(bmp.size(), dib.size() + 14);
    EXPECT_EQ(QImage::fromData(bmp, "BMP").pixelColor(0, 0), QColor(Qt::red));
    EXPECT_TRUE(DibAsBmpFile(QByteArray("\x05\0\0\0", 4)).isEmpty());
}

TEST_F(RtfPictures, ThePictureComponentDrawsMetafilesAtTheirGoalSize)
{
    QFile file(QStringLiteral(LORVANTA_PICTURES_DIR "/drawing.wmf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wmf = file.readAll().mid(22); // documents hold it without the placeable header
    SetPictureDecoder(DecodePictureBytes);
    const auto document =
        Document(Pict("\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720", wmf));
    const QList<TShownImage> images = Images(*document);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].image.size(), QSize(96, 48));
    EXPECT_TRUE(Images(*Document(Pict("\\wmetafile8\\picwgoal1440\\pichgoal720", "garbage")))
                    .isEmpty());
}
