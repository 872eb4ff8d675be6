#include "htmlview/images.h"

#include <QImageReader>

QImage LoadHtmlImage(const QString &file)
{
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
