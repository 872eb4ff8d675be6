#pragma once
// JPEG files made here through libjpeg, in the layouts a decoder has to get right: each sampling
// of the colour planes, greyscale, progressive scans and restart markers.

#include <QByteArray>
#include <QImage>

struct TJpegLayout {
    int LumaH = 2, LumaV = 2; // the luma plane's sampling: 2x2 is 4:2:0, 2x1 4:2:2, 1x1 4:4:4
    bool Grey = false;
    bool Progressive = false;
    int RestartRows = 0; // a restart marker every so many rows of blocks; 0: none
};

QByteArray EncodeJpeg(const QImage &image, const TJpegLayout &layout = {});

// Smooth colour with fine detail and sharp edges everywhere, so that a part taken from the wrong
// place or decoded without its neighbours shows.
QImage PhotoLikeImage(int width, int height);
