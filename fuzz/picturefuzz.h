#pragma once
// The shared body of the picture fuzz targets: load bytes as one format and render them small
// (fonts for metafile text need a GUI application, offscreen). Include it once per target.

#include "imaging/picture.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

// Fontconfig keeps the fonts it matched for the life of the program: that is no leak of ours.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

inline int FuzzPicture(const uint8_t *data, size_t size, const char *format)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    TImagePicture picture;
    try {
        picture.LoadFromData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                             QLatin1String(format));
        picture.ToImage(picture.NaturalSize().boundedTo(QSize(200, 200)));
    } catch (const EPictureError &) {
    }
    return 0;
}
