#include "htmlview/images.h"

#include "imaging/picture.h"

#include <QImageReader>

QImage LoadHtmlImage(const QString &file)
{
    // The disc's picture formats, metafiles among them, go through the picture component, as on
    // the picture pages; anything else (PNG), or a picture whose extension is wrong, by content.
    TImagePicture picture;
    if (picture.LoadFromFile(file)) {
        try {
            return picture.ToImage();
        } catch (const EPictureError &) {
        }
    }
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true); // pictures on discs often carry the wrong extension
    return reader.read();
}

QImage TImageCache::Get(const QString &file)
{
    for (auto it = fEntries.begin(); it != fEntries.end(); ++it)
        if (it->first == file) {
            fEntries.splice(fEntries.begin(), fEntries, it);
            return fEntries.front().second;
        }
    fEntries.emplace_front(file, LoadHtmlImage(file));
    if (fEntries.size() > size_t(fCapacity)) fEntries.pop_back();
    return fEntries.front().second;
}
