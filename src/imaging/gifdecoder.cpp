#include "imaging/gifdecoder.h"

#include "imaging/limits.h"
#include "imaging/pictureerror.h"
#include "imaging/rasterdata.h"

#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace {

struct TGifSource {
    QByteArrayView bytes;
    qsizetype pos = 0;
};

extern "C" int ReadGifBytes(GifFileType *gif, GifByteType *out, int count)
{
    auto *source = static_cast<TGifSource *>(gif->UserData);
    const qsizetype n = std::min<qsizetype>(count, source->bytes.size() - source->pos);
    if (n <= 0) return 0;
    std::memcpy(out, source->bytes.data() + source->pos, size_t(n));
    source->pos += n;
    return int(n);
}

struct TGifCloser {
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};
using TGifFile = std::unique_ptr<GifFileType, TGifCloser>;

[[noreturn]] void Fail(const char *why)
{
    throw EPictureError(QStringLiteral("Ошибка в рисунке GIF: ") + QString::fromUtf8(why));
}

// The transparent colour index a graphic control extension names; -1 when none.
int ReadTransparency(GifFileType *gif, int code, GifByteType *block, int transparent)
{
    while (block) {
        GraphicsControlBlock control;
        if (code == GRAPHICS_EXT_FUNC_CODE &&
            DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) Fail("broken extension");
    }
    return transparent;
}

// The rows of a frame in the order they are stored (interlaced frames in four passes).
std::vector<int> RowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

// Reads the first frame's pixels onto canvas; false when not a single row could be read.
bool ReadFrame(GifFileType *gif, int transparent, QImage &canvas)
{
    const GifImageDesc &frame = gif->Image;
    const ColorMapObject *map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map) Fail("no colour table");
    std::vector<GifPixelType> line(size_t(frame.Width));
    int rowsRead = 0;
    for (const int y : RowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) break;
        ++rowsRead;
        const int canvasY = frame.Top + y;
        if (canvasY < 0 || canvasY >= canvas.height()) continue;
        auto *out = reinterpret_cast<QRgb *>(canvas.scanLine(canvasY));
        for (int x = 0; x < frame.Width && frame.Left + x < canvas.width(); ++x) {
            const int index = line[size_t(x)];
            if (index == transparent) continue;
            const GifColorType c = index < map->ColorCount ? map->Colors[index] : GifColorType{};
            out[frame.Left + x] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    return rowsRead > 0;
}

QImage FirstFrame(GifFileType *gif)
{
    int transparent = -1;
    for (;;) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) != GIF_OK || type == TERMINATE_RECORD_TYPE)
            Fail("no picture");
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK) Fail("broken extension");
            transparent = ReadTransparency(gif, code, block, transparent);
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) != GIF_OK) Fail("broken frame");
            break;
        }
    }
    const GifImageDesc &frame = gif->Image;
    int width = gif->SWidth, height = gif->SHeight;
    if (width <= 0 || height <= 0) // no screen given: the frame's extent
        width = frame.Left + frame.Width, height = frame.Top + frame.Height;
    if (!IsAcceptablePictureSize(width, height) ||
        !IsAcceptablePictureSize(frame.Width, frame.Height))
        Fail("bad size");
    QImage canvas(width, height, QImage::Format_ARGB32);
    if (canvas.isNull()) Fail("out of memory");
    canvas.fill(Qt::transparent);
    if (!ReadFrame(gif, transparent, canvas)) Fail("no picture data");
    return canvas;
}

} // namespace

QImage DecodeGif(QByteArrayView bytes)
{
    TGifSource source{bytes};
    int error = 0;
    TGifFile gif(DGifOpen(&source, ReadGifBytes, &error));
    if (!gif) {
        const char *why = GifErrorString(error);
        Fail(why ? why : "unreadable");
    }
    return FirstFrame(gif.get());
}

std::unique_ptr<TPictureData> OpenGif(const QByteArray &bytes)
{
    return std::make_unique<TRasterData>(DecodeGif(bytes));
}
