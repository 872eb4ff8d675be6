#include "htmlview/document.h"

#include "htmlview/htmltags.h"

namespace {

constexpr QStringView kTokenScheme = u"lorvanta-link:";

} // namespace

TPreparedDocument PrepareDocument(QStringView html)
{
    TPreparedDocument doc;
    bool seenBase = false;
    bool seenTitle = false;
    qsizetype copied = 0;
    ScanHtmlTags(html, [&](const THtmlTag &tag) {
        if (tag.Closing) return true;
        if (tag.Name == u"base" && !seenBase) {
            seenBase = true;
            doc.BaseHref = tag.Attr(u"href").value_or(QString()).trimmed();
            doc.BaseTarget = tag.Attr(u"target").value_or(QString()).trimmed();
        } else if (tag.Name == u"title" && !seenTitle) {
            seenTitle = true;
            doc.Title = HtmlTextUntil(html, tag.End, u"title").simplified();
        } else if (tag.Name == u"a") {
            const THtmlAttr *href = tag.Find(u"href");
            if (!href || !href->HasValue) return true;
            doc.Html += html.mid(copied, href->ValueBegin - copied);
            doc.Html += LinkToken(int(doc.Links.size()));
            copied = href->ValueEnd;
            doc.Links.push_back(
                {href->Value.trimmed(), tag.Attr(u"target").value_or(QString()).trimmed()});
        }
        return true;
    });
    doc.Html += html.mid(copied);
    return doc;
}

QString LinkToken(int index)
{
    return kTokenScheme.toString() + QString::number(index);
}

std::optional<int> LinkIndexOfToken(QStringView href)
{
    if (!href.startsWith(kTokenScheme)) return std::nullopt;
    bool ok = false;
    const int index = href.mid(kTokenScheme.size()).toInt(&ok);
    return ok && index >= 0 ? std::optional<int>(index) : std::nullopt;
}
