#include "platform/filefinder.h"

#include "platform/listpath.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <mutex>

namespace {

// One folder's entries by their case-folded names, valid while the folder's time stays the
// same. A listing read within a moment of the folder's last change may miss an entry made in the
// same clock tick, so such a listing is never trusted.
struct TListing {
    QDateTime Modified;
    QDateTime Read;
    QHash<QString, QString> ByFoldedName;

    bool Current(const QDateTime &modified) const
    {
        constexpr qint64 kTimestampSlackMs = 2000;
        return modified == Modified && Modified.msecsTo(Read) > kTimestampSlackMs;
    }
};

class TFolderCache {
public:
    // The entry of folder matching name without regard to case; empty when none does.
    QString Match(const QString &folder, const QString &name)
    {
        const std::lock_guard lock(fMutex);
        const QDateTime modified = QFileInfo(folder).lastModified();
        auto it = fListings.find(folder);
        if (it == fListings.end() || !it->Current(modified))
            it = fListings.insert(folder, Read(folder, modified));
        return it->ByFoldedName.value(name.toCaseFolded());
    }

    void Clear()
    {
        const std::lock_guard lock(fMutex);
        fListings.clear();
    }

private:
    static TListing Read(const QString &folder, const QDateTime &modified)
    {
        TListing listing{modified, QDateTime::currentDateTimeUtc(), {}};
        const QStringList names =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot);
        for (const QString &name : names)
            listing.ByFoldedName.insert(name.toCaseFolded(), name);
        return listing;
    }

    std::mutex fMutex;
    QHash<QString, TListing> fListings;
};

TFolderCache &Cache()
{
    static TFolderCache cache;
    return cache;
}

} // namespace

QString FindExistingFile(const QString &path)
{
    if (path.isEmpty() || IsForeignPath(path))
        return {}; // a drive letter or network name means nothing here
    if (QFileInfo::exists(path))
        return path;
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (!absolute.startsWith(u'/'))
        return {};
    // Walk from the root, keeping each component that exists and matching the others.
    QString found = QStringLiteral("/");
    const QStringList parts = absolute.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QString next = found + part;
        if (!QFileInfo::exists(next)) {
            const QString match = Cache().Match(found, part);
            if (match.isEmpty())
                return {};
            next = found + match;
        }
        found = next + u'/';
    }
    found.chop(1);
    return found.isEmpty() ? QStringLiteral("/") : found;
}

bool ExistingFile(const QString &path) { return !FindExistingFile(path).isEmpty(); }

void ClearFileFinderCache() { Cache().Clear(); }
