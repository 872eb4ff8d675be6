#include "platform/listpath.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStorageInfo>
#include <mutex>

namespace {

bool IsSeparator(QChar c) { return c == u'/' || c == u'\\'; }

QString WithTrailingSlash(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

// Appends the components of relative to base (absolute, ending in "/"), resolving "." and ".."
// (never above the root); keeps a trailing separator of relative.
QString Resolve(const QString &base, QStringView relative)
{
    QString result(base.size() + relative.size() + 1, Qt::Uninitialized);
    QChar *out = result.data();
    qsizetype length = 0;
    for (const QChar c : base)
        out[length++] = c;
    qsizetype i = 0;
    while (i < relative.size()) {
        qsizetype end = i;
        while (end < relative.size() && !IsSeparator(relative[end]))
            ++end;
        const QStringView part = relative.sliced(i, end - i);
        if (part == u"..") {
            if (length > 1) {
                --length; // drop the "/" of the last component, then the component
                while (length > 0 && out[length - 1] != u'/')
                    --length;
            }
        } else if (!part.isEmpty() && part != u".") {
            for (const QChar c : part)
                out[length++] = c;
            out[length++] = u'/';
        }
        i = end + 1;
    }
    const bool keepSlash = length <= 1 || (!relative.isEmpty() && IsSeparator(relative.back()));
    if (!keepSlash)
        --length;
    result.truncate(length);
    return result;
}

QString Clean(const QString &path) { return QDir::cleanPath(QDir::fromNativeSeparators(path)); }

// Mount points of the real volumes, each ending in "/". Re-read at most once a second: lists and
// packs make many path tables in a row, and mounts change far more rarely.
QStringList MountRoots()
{
    static QStringList roots;
    static QElapsedTimer age;
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    if (!age.isValid() || age.hasExpired(1000)) {
        roots = {QStringLiteral("/")};
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
            roots << WithTrailingSlash(volume.rootPath());
        age.start();
    }
    return roots;
}

// The mount point of the volume holding folder (absolute, ending in "/").
QString VolumeRootOf(const QString &folder, const QStringList &roots)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString real = canonical.isEmpty() ? folder : WithTrailingSlash(canonical);
    QString best = QStringLiteral("/");
    for (const QString &root : roots)
        if (root.size() > best.size() && real.startsWith(root))
            best = root;
    return best;
}

} // namespace

bool IsForeignPath(QStringView value)
{
    const bool driveLetter = value.size() >= 2 && value[1] == u':' && value[0].isLetter() &&
                             value[0].unicode() < 0x80;
    const bool network = value.size() >= 2 && value[0] == u'\\' && value[1] == u'\\';
    return driveLetter || network;
}

QString FileNamePart(const QString &path)
{
    qsizetype i = path.size();
    while (i > 0 && !IsSeparator(path[i - 1]) && path[i - 1] != u':')
        --i;
    return path.sliced(i);
}

QString FolderOf(const QString &path)
{
    return WithTrailingSlash(Clean(QFileInfo(path).absolutePath()));
}

TListPaths::TListPaths(const QString &listFile) : fFolder(FolderOf(listFile))
{
    // The volume table is read here, so that no path costs a look at the disk.
    const QStringList roots = MountRoots();
    fVolumeRoot = VolumeRootOf(fFolder, roots);
    for (const QString &root : roots)
        if (root.size() > fVolumeRoot.size() && root.startsWith(fVolumeRoot))
            fNestedMounts << root;
}

QString TListPaths::Expand(QStringView value) const
{
    if (value.isEmpty() || IsForeignPath(value))
        return value.toString();
    if (value[0] == u'/')
        return Resolve(QStringLiteral("/"), value);
    if (value[0] == u'\\')
        return Resolve(fVolumeRoot, value);
    return Resolve(fFolder, value);
}

bool TListPaths::OnListVolume(const QString &path) const
{
    if (!path.startsWith(fVolumeRoot) && path != fVolumeRoot.chopped(1))
        return false;
    for (const QString &nested : fNestedMounts)
        if (path.startsWith(nested) || path == nested.chopped(1))
            return false;
    return true;
}

QString TListPaths::Relative(const QString &path, QChar separator) const
{
    if (path.isEmpty() || IsForeignPath(path) || !path.startsWith(u'/'))
        return path;
    if (!OnListVolume(path))
        return path;
    // The common leading folders end at the last "/" both share.
    qsizetype common = 0;
    const qsizetype limit = std::min(path.size(), fFolder.size());
    while (common < limit && path[common] == fFolder[common])
        ++common;
    const qsizetype base = path.lastIndexOf(u'/', common - 1) + 1;
    const qsizetype ups = fFolder.sliced(base).count(u'/');
    QString result(ups * 3 + path.size() - base, Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < ups; ++i, out += 3)
        out[0] = out[1] = u'.', out[2] = separator;
    for (qsizetype i = base; i < path.size(); ++i)
        *out++ = path[i] == u'/' ? separator : path[i];
    // Never write a value that would read back as something else: an empty one, or one that
    // looks like a drive letter ("c:x" in the list's folder).
    return result.isEmpty() || IsForeignPath(result) ? u'.' + (separator + result) : result;
}
