#include "imaging/jpegdecoder.h"

#include "imaging/limits.h"
#include "imaging/pictureerror.h"

#include <climits>
#include <csetjmp>
#include <cstdio> // jpeglib.h wants FILE declared
#include <jpeglib.h>

namespace {

// A progressive file may hold thousands of tiny scans, each a pass over the whole picture.
constexpr int kMaxJpegScans = 1000;
// libjpeg's own allocations (coefficient buffers of progressive files) stop here.
constexpr long kMaxJpegMemory = 512L * 1024 * 1024;
// Pixels decoded beyond the sides of a part wanted (a colour plane at half resolution upsampled
// reads one neighbour on each side).
constexpr int kPartContext = 8;

struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr cinfo)
{
    auto *error = reinterpret_cast<TJpegError *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings (corrupt data, a premature end) are not failures: what decodes is shown.
extern "C" void OnJpegMessage(j_common_ptr, int) {}

extern "C" void OnJpegProgress(j_common_ptr cinfo)
{
    auto *dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number <= kMaxJpegScans) return;
    auto *error = reinterpret_cast<TJpegError *>(cinfo->err);
    std::snprintf(error->message, sizeof error->message, "too many scans");
    std::longjmp(error->jump, 1);
}

// What one run of libjpeg is asked for and gives back: plain data only, so that a longjmp out of
// libjpeg skips no destructor.
struct TJpegRun {
    const unsigned char *data;
    unsigned long size;
    int denominator; // 0: read the header only
    QImage *image;   // filled by AllocateImage, owned by the caller
    // The part wanted, in pixels of the scaled picture (x, y, width, height); width 0: all of it.
    // Given back as the part decoded: the block column and row at or before its top left.
    unsigned left = 0, top = 0, columns = 0, rows = 0;
    int width = 0, height = 0;
    char message[JMSG_LENGTH_MAX] = {};
};

// Allocates the output; null when the size is refused. Returns before libjpeg runs again.
unsigned char *AllocateImage(QImage *image, int width, int height, QImage::Format format)
{
    if (!IsAcceptablePictureSize(width, height)) return nullptr;
    *image = QImage(width, height, format);
    return image->isNull() ? nullptr : image->bits();
}

J_COLOR_SPACE OutputSpace(J_COLOR_SPACE input)
{
    if (input == JCS_GRAYSCALE) return JCS_GRAYSCALE;
    if (input == JCS_CMYK || input == JCS_YCCK) return JCS_CMYK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return JCS_EXT_BGRX; // QImage::Format_RGB32 in memory
#else
    return JCS_EXT_XRGB;
#endif
}

// CMYK rows (Adobe's files store them inverted) become RGB32 in place: both are 4 bytes a pixel.
void CmykRowToRgb(unsigned char *row, int width, bool inverted)
{
    auto *out = reinterpret_cast<QRgb *>(row);
    for (int x = 0; x < width; ++x) {
        int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Reads the rows from the current one up to end into bits, whose first row is the current one.
void ReadRows(j_decompress_ptr cinfo, unsigned char *bits, qsizetype bytesPerLine, JDIMENSION end)
{
    const bool cmyk = cinfo->out_color_space == JCS_CMYK;
    const JDIMENSION start = cinfo->output_scanline;
    while (cinfo->output_scanline < end) {
        const JDIMENSION first = cinfo->output_scanline;
        JSAMPROW rows[16];
        const JDIMENSION wanted = std::min<JDIMENSION>(16, end - first);
        for (JDIMENSION i = 0; i < wanted; ++i)
            rows[i] = bits + qsizetype(first - start + i) * bytesPerLine;
        const JDIMENSION got = jpeg_read_scanlines(cinfo, rows, wanted);
        if (got == 0) break;
        for (JDIMENSION i = 0; cmyk && i < got; ++i)
            CmykRowToRgb(rows[i], int(cinfo->output_width), cinfo->saw_Adobe_marker);
    }
}

// Narrows the decompression to the part run asks for: columns by whole blocks through libjpeg's
// crop, rows by skipping whole rows of blocks above it (a skip that starts or ends inside one is
// where libjpeg has gone wrong before) and stopping below it. Sets run to the part decoded and
// returns the row after its last.
JDIMENSION NarrowToPart(j_decompress_ptr cinfo, TJpegRun &run)
{
    if (run.columns == 0) {
        run.left = run.top = 0;
        run.columns = cinfo->output_width;
        run.rows = cinfo->output_height;
        return cinfo->output_height;
    }
    const JDIMENSION end = std::min<JDIMENSION>(run.top + run.rows, cinfo->output_height);
    JDIMENSION left = std::min<JDIMENSION>(run.left, cinfo->output_width - 1);
    JDIMENSION columns = std::min<JDIMENSION>(run.columns, cinfo->output_width - left);
    if (left > 0 || columns < cinfo->output_width) jpeg_crop_scanline(cinfo, &left, &columns);
    const JDIMENSION blockRows =
        JDIMENSION(cinfo->max_v_samp_factor) * JDIMENSION(cinfo->min_DCT_scaled_size);
    const JDIMENSION top = std::min(run.top, end - 1) / blockRows * blockRows;
    if (top > 0) jpeg_skip_scanlines(cinfo, top);
    run.left = left;
    run.top = cinfo->output_scanline;
    run.columns = cinfo->output_width;
    run.rows = end - run.top;
    return end;
}

// Runs libjpeg over the bytes; false with run.message set when it failed.
bool RunJpeg(TJpegRun &run)
{
    jpeg_decompress_struct cinfo;
    TJpegError error;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.manager.emit_message = OnJpegMessage;
    progress.progress_monitor = OnJpegProgress;
    if (setjmp(error.jump)) {
        std::snprintf(run.message, sizeof run.message, "%s", error.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = kMaxJpegMemory;
    jpeg_mem_src(&cinfo, run.data, run.size);
    jpeg_read_header(&cinfo, TRUE);
    run.width = int(cinfo.image_width);
    run.height = int(cinfo.image_height);
    bool ok = true;
    if (run.denominator > 0 && !IsAcceptablePictureSize(run.width, run.height)) {
        std::snprintf(run.message, sizeof run.message, "picture too large");
        ok = false;
    } else if (run.denominator > 0) {
        cinfo.scale_num = 1;
        cinfo.scale_denom = unsigned(run.denominator);
        cinfo.out_color_space = OutputSpace(cinfo.jpeg_color_space);
        jpeg_start_decompress(&cinfo);
        const JDIMENSION end = NarrowToPart(&cinfo, run);
        const QImage::Format format = cinfo.out_color_space == JCS_GRAYSCALE
                                          ? QImage::Format_Grayscale8
                                          : QImage::Format_RGB32;
        unsigned char *bits = AllocateImage(run.image, int(run.columns), int(run.rows), format);
        ok = bits != nullptr;
        if (ok)
            ReadRows(&cinfo, bits, run.image->bytesPerLine(), end);
        else
            std::snprintf(run.message, sizeof run.message, "out of memory");
    }
    jpeg_destroy_decompress(&cinfo);
    return ok;
}

[[noreturn]] void Fail(const TJpegRun &run)
{
    throw EPictureError(QStringLiteral("Ошибка в рисунке JPEG: ") +
                        QString::fromLocal8Bit(run.message));
}

TJpegRun MakeRun(QByteArrayView bytes, int denominator, QImage *image)
{
    TJpegRun run{reinterpret_cast<const unsigned char *>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()), denominator, image};
    return run;
}

} // namespace

QSize ReadJpegSize(QByteArrayView bytes)
{
    TJpegRun run = MakeRun(bytes, 0, nullptr);
    if (!RunJpeg(run)) Fail(run);
    return {run.width, run.height};
}

QSize JpegScaledSize(QSize natural, int denominator)
{
    return {(natural.width() + denominator - 1) / denominator,
            (natural.height() + denominator - 1) / denominator};
}

int JpegScaleDenominator(QSize natural, QSize wanted)
{
    if (wanted.isEmpty()) return 1;
    for (int denominator : {8, 4, 2}) {
        const QSize scaled = JpegScaledSize(natural, denominator);
        if (scaled.width() >= wanted.width() && scaled.height() >= wanted.height())
            return denominator;
    }
    return 1;
}

QImage DecodeJpeg(QByteArrayView bytes, int denominator)
{
    QImage image;
    TJpegRun run = MakeRun(bytes, denominator, &image);
    if (!RunJpeg(run)) Fail(run);
    return image;
}

TJpegPart DecodeJpegPart(QByteArrayView bytes, int denominator, const QRect &wanted)
{
    if ((wanted & QRect(0, 0, INT_MAX, INT_MAX)).isEmpty()) return {};
    // Decoded with neighbours on every side, so that the edges of the crop and of the skip, where
    // the upsampling lacks them, stay outside wanted.
    const QRect part = wanted.adjusted(-kPartContext, -kPartContext, kPartContext, 0) &
                       QRect(0, 0, INT_MAX, INT_MAX);
    QImage image;
    TJpegRun run = MakeRun(bytes, denominator, &image);
    run.left = unsigned(part.left());
    run.top = unsigned(part.top());
    run.columns = unsigned(part.width());
    run.rows = unsigned(part.height());
    if (!RunJpeg(run)) Fail(run);
    return {image, QPoint(int(run.left), int(run.top))};
}
