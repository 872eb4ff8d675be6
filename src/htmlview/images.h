#pragma once
// The pictures of HTML documents: one function decodes a file (the one place to route them
// through another decoder), and a small cache keeps the last few decoded, shared by all frames.

#include <QImage>
#include <QString>
#include <list>
#include <utility>

// The picture in file (JPEG, GIF, BMP, WMF, EMF, PNG ...); a null image when it cannot be read.
QImage LoadHtmlImage(const QString &file);

// The last Capacity pictures asked for, by file name; the least recently used goes first.
class TImageCache {
public:
    explicit TImageCache(int capacity) : fCapacity(capacity) {}

    // The picture in file, decoded at most once while it stays in the cache.
    QImage Get(const QString &file);

private:
    int fCapacity;
    std::list<std::pair<QString, QImage>> fEntries; // most recently used first
};
