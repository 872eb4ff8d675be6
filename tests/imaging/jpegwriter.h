#pragma once
// JPEG files made here through libjpeg, for the layouts a decoder has to get right: each colour
// plane sampling, greyscale, progressive scans and restart markers.

#include <QByteArray>
#include <QImage>

struct TJpegLayout {
    int LumaH = 2, LumaV = 2; // the luma plane's sampling: 2x2 is 4:2:0, 2x1 4:2:2, 1x1 4:4:4
    bool Grey = false;
    bool Progressive = false;
    int RestartRows = 0; // a restart marker every so many rows of blocks; 0: none
    int Quality = 90;
};

// The image (RGB32) as JPEG bytes.
QByteArray EncodeJpeg(const QImage &image, const TJpegLayout &layout = {});

// A photo-like picture: smooth colour with fine detail and sharp edges everywhere, so that a part
// taken from the wrong place or decoded with the wrong neighbours shows.
QImage PhotoLikeImage(int width, int height);
