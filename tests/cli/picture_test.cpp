// picture: a picture file rendered through the picture component into a PNG.
#include "clifixture.h"

#include <QFile>
#include <QImage>
#include <QProcess>

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(LORVANTA_TEST_DATA "/pictures/") + QLatin1String(name);
}

QByteArray Line(const char *json)
{
    return QByteArray(json) + '\n';
}

} // namespace

TEST_F(CliTest, PictureWritesThePngAtNaturalSizeAndPrintsFormatAndSize)
{
    struct {
        const char *file, *json;
    } cases[] = {
        {"gradient.bmp", R"({"format":"BMP","width":32,"height":24})"},
        {"cmyk.jpg", R"({"format":"JPEG","width":48,"height":32})"},
        {"anim.gif", R"({"format":"GIF","width":40,"height":30})"},
        {"drawing.wmf", R"({"format":"WMF","width":200,"height":150})"},
        {"drawing.emf", R"({"format":"EMF","width":200,"height":151})"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const CliResult r = Run({"picture", Fixture(c.file), "out.png"});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, Line(c.json));
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        const QImage png(Path("out.png"), "png");
        EXPECT_TRUE(r.out.contains("\"width\":" + QByteArray::number(png.width()) +
                                   ",\"height\":" + QByteArray::number(png.height())));
    }
}

TEST_F(CliTest, PictureSizeStretchesWithoutKeepingProportions)
{
    const CliResult r = Run({"picture", Fixture("photo.jpg"), "small.png", "--size", "16x4"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, Line(R"({"format":"JPEG","width":48,"height":32})"));
    const QImage png(Path("small.png"), "png");
    EXPECT_EQ(png.size(), QSize(16, 4));
    EXPECT_GT(qRed(png.pixel(8, 0)), qBlue(png.pixel(8, 0)));
    EXPECT_GT(qBlue(png.pixel(8, 3)), qRed(png.pixel(8, 3)));
}

TEST_F(CliTest, PictureBadInputWritesNothingAndLeavesAnOldFile)
{
    QFile::copy(Fixture("photo.jpg"), Path("jpeg-named.bmp"));
    Write("broken.emf", "not a metafile");
    Write("old.png", "old");
    const QStringList bad[] = {
        {"picture", "jpeg-named.bmp", "old.png"},
        {"picture", "broken.emf", "old.png"},
        {"picture", Fixture("drawing-ref.png"), "old.png"}, // PNG is no picture file type
        {"picture", "missing.jpg", "old.png"},
        {"picture", Fixture("photo.jpg"), "old.png", "--size", "0x5"},
        {"picture", Fixture("photo.jpg"), "old.png", "--size", "16"},
        {"picture", Fixture("photo.jpg"), "old.png", "--size", "60000x60000"},
    };
    for (const QStringList &args : bad) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        ExpectBadInput(Run(args));
        EXPECT_EQ(Read("old.png"), QByteArray("old"));
    }
    const QStringList misused[] = {
        {"picture", Fixture("photo.jpg"), "old.png", "--size"},
        {"picture", Fixture("photo.jpg")},
        {"picture", Fixture("photo.jpg"), "old.png", "extra"},
        {"picture", Fixture("photo.jpg"), "old.png", "--summary"},
    };
    for (const QStringList &args : misused) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        ExpectMisuse(Run(args));
        EXPECT_EQ(Read("old.png"), QByteArray("old"));
    }
}

TEST_F(CliTest, PictureDrawsMetafileTextWithoutADisplay)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        env.remove(QLatin1String(name));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(fDir.path());
    process.start(QStringLiteral(LORVANTA_LIST_BIN),
                  {"picture", Fixture("drawing.wmf"), "text.png"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
    const QImage png(Path("text.png"), "png");
    int dark = 0; // the word at the bottom right is black
    for (int y = 130; y < 150; ++y)
        for (int x = 120; x < 170; ++x)
            dark += qGray(png.pixel(x, y)) < 100 && qAlpha(png.pixel(x, y)) > 200;
    EXPECT_GT(dark, 40);
}
