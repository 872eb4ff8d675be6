#include "htmlview/links.h"

#include "platform/filefinder.h"

#include <QFileInfo>

namespace {

// A relative reference with "\" made one with "/"; anything with a scheme is left alone.
QUrl ReferenceOf(QStringView href)
{
    const QString text = href.trimmed().toString();
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.scheme().isEmpty()) return url;
    return QUrl(QString(text).replace(u'\\', u'/'), QUrl::TolerantMode);
}

} // namespace

QUrl DocumentBase(const QString &file, QStringView baseHref)
{
    const QUrl own = QUrl::fromLocalFile(file);
    return baseHref.trimmed().isEmpty() ? own : own.resolved(ReferenceOf(baseHref));
}

TLinkDestination ResolveLink(const QUrl &base, QStringView href)
{
    const QUrl reference = ReferenceOf(href);
    const QString scheme = reference.scheme().toLower();
    if (scheme.size() == 1) // a Windows drive letter: no file here has such a path
        return {TLinkDestination::TKind::Local, {}, href.trimmed().toString(), {}};
    const QUrl url = base.resolved(reference);
    if (url.isLocalFile() || url.scheme().isEmpty())
        return {TLinkDestination::TKind::Local, {}, url.toLocalFile(), url.fragment()};
    if (scheme == u"javascript" || scheme == u"about") return {};
    return {TLinkDestination::TKind::External, url, {}, {}};
}

QString LocatedFile(const QString &path)
{
    const QString found = path.isEmpty() ? QString() : FindExistingFile(path);
    return found.isEmpty() ? path : found;
}

TDocumentKind DocumentKindOf(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix.isEmpty() || suffix == u"htm" || suffix == u"html" || suffix == u"shtml" ||
        suffix == u"xhtml")
        return TDocumentKind::Html;
    if (suffix == u"txt") return TDocumentKind::PlainText;
    if (suffix == u"jpg" || suffix == u"jpeg" || suffix == u"gif" || suffix == u"png" ||
        suffix == u"bmp")
        return TDocumentKind::Image;
    return TDocumentKind::Other;
}
