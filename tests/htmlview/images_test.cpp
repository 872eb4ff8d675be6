// Pictures of HTML pages: the disc's formats through the picture component (metafiles too),
// anything else by its content, and the demo disc's pages naming pictures that exist.
#include "htmlview/images.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HtmlImagesTest, MetafilesAndMisnamedPicturesDecode)
{
    const QImage wmf = LoadHtmlImage(QStringLiteral(LORVANTA_PICTURES_DIR "/drawing.wmf"));
    EXPECT_FALSE(wmf.isNull());
    EXPECT_FALSE(LoadHtmlImage(QStringLiteral(LORVANTA_PICTURES_DIR "/drawing.emf")).isNull());

    QTemporaryDir dir;
    QImage red(6, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.path() + "/photo.gif", "JPEG")); // a JPEG under a GIF's name
    ASSERT_TRUE(red.save(dir.path() + "/plain.png", "PNG"));
    EXPECT_EQ(LoadHtmlImage(dir.path() + "/photo.gif").size(), QSize(6, 4));
    EXPECT_EQ(LoadHtmlImage(dir.path() + "/plain.png").size(), QSize(6, 4));
    EXPECT_TRUE(LoadHtmlImage(dir.path() + "/none.jpg").isNull());
}

TEST(HtmlImagesTest, EveryPictureTheDemoPagesNameExists)
{
    const QString html = QStringLiteral(LORVANTA_DEMO_DIR "/html/");
    const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    int pictures = 0;
    for (const char *page : {"main.htm", "veter.htm", "lesnaya.htm", "menu.htm", "index.htm"}) {
        QFile file(html + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString text = QString::fromLatin1(file.readAll());
        for (auto it = image.globalMatch(text); it.hasNext(); ++pictures) {
            const QString picture = html + it.next().captured(1);
            EXPECT_TRUE(QFileInfo(picture).isFile()) << picture.toStdString();
            EXPECT_FALSE(LoadHtmlImage(picture).isNull()) << picture.toStdString();
        }
    }
    EXPECT_GE(pictures, 2);
}
