#include "imaging/pictureformat.h"

#include "imaging/gifdecoder.h"
#include "imaging/jpegpicture.h"
#include "imaging/metafile.h"
#include "imaging/rasterdata.h"

#include <iterator>

namespace {

constexpr const char *kBmpSuffixes[] = {"bmp", "dib", nullptr};
constexpr const char *kJpegSuffixes[] = {"jpg", "jpeg", nullptr};
constexpr const char *kGifSuffixes[] = {"gif", nullptr};
constexpr const char *kWmfSuffixes[] = {"wmf", nullptr};
constexpr const char *kEmfSuffixes[] = {"emf", nullptr};
constexpr const char *kNoSuffixes[] = {nullptr};

// PNG and headerless DIB come only as data (pictures inside documents); a ".png" file is not a
// picture of the disc, so they have no extension.
constexpr TPictureFormat kFormats[] = {
    {"BMP", kBmpSuffixes, OpenBmp},      {"JPEG", kJpegSuffixes, OpenJpeg},
    {"GIF", kGifSuffixes, OpenGif},      {"WMF", kWmfSuffixes, OpenWmf},
    {"EMF", kEmfSuffixes, OpenEmf},      {"PNG", kNoSuffixes, OpenPng},
    {"DIB", kNoSuffixes, OpenPackedDib},
};

} // namespace

const TPictureFormat *FormatForSuffix(QStringView suffix)
{
    for (const TPictureFormat &format : kFormats)
        for (const char *const *s = format.suffixes; *s; ++s)
            if (suffix.compare(QLatin1String(*s), Qt::CaseInsensitive) == 0) return &format;
    return nullptr;
}

const TPictureFormat *FormatForName(QStringView name)
{
    for (const TPictureFormat &format : kFormats)
        if (name.compare(QLatin1String(format.name), Qt::CaseInsensitive) == 0) return &format;
    return nullptr;
}
