#include "htmlview/htmltags.h"

namespace {

bool IsSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsNameChar(QChar c)
{
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' || c == u':';
}

// Elements whose content is text, never tags.
bool HoldsRawText(const QString &name)
{
    return name == u"script" || name == u"style" || name == u"textarea" || name == u"title";
}

qsizetype SkipSpaces(QStringView html, qsizetype pos)
{
    while (pos < html.size() && IsSpace(html[pos]))
        ++pos;
    return pos;
}

// Reads one attribute starting at pos (not a space); returns the position after it.
qsizetype ReadAttr(QStringView html, qsizetype pos, THtmlTag &tag)
{
    const qsizetype nameBegin = pos;
    while (pos < html.size() && !IsSpace(html[pos]) && html[pos] != u'=' && html[pos] != u'>')
        ++pos;
    THtmlAttr attr{html.mid(nameBegin, pos - nameBegin).toString().toLower(), {}, false, pos, pos};
    qsizetype next = SkipSpaces(html, pos);
    if (next < html.size() && html[next] == u'=') {
        attr.HasValue = true;
        next = SkipSpaces(html, next + 1);
        if (next < html.size() && (html[next] == u'"' || html[next] == u'\'')) {
            const QChar quote = html[next];
            attr.ValueBegin = next + 1;
            attr.ValueEnd = html.indexOf(quote, attr.ValueBegin);
            if (attr.ValueEnd < 0) attr.ValueEnd = html.size();
            pos = qMin(attr.ValueEnd + 1, html.size());
        } else {
            attr.ValueBegin = next;
            pos = next;
            while (pos < html.size() && !IsSpace(html[pos]) && html[pos] != u'>')
                ++pos;
            attr.ValueEnd = pos;
        }
        attr.Value = DecodeHtmlEntities(html.mid(attr.ValueBegin, attr.ValueEnd - attr.ValueBegin));
    }
    tag.Attrs.push_back(std::move(attr));
    return pos;
}

// Reads the tag whose name starts at pos; returns it with End set past its ">".
THtmlTag ReadTag(QStringView html, qsizetype begin, qsizetype pos, bool closing)
{
    THtmlTag tag;
    tag.Begin = begin;
    tag.Closing = closing;
    const qsizetype nameBegin = pos;
    while (pos < html.size() && IsNameChar(html[pos]))
        ++pos;
    tag.Name = html.mid(nameBegin, pos - nameBegin).toString().toLower();
    while (pos < html.size()) {
        pos = SkipSpaces(html, pos);
        if (pos >= html.size()) break;
        if (html[pos] == u'>') {
            ++pos;
            break;
        }
        if (html[pos] == u'/' || html[pos] == u'=') {
            ++pos;
            continue;
        }
        pos = ReadAttr(html, pos, tag);
    }
    tag.End = pos;
    return tag;
}

// Past the comment or declaration at pos ("<!" or "<?"), or the end of html.
qsizetype SkipMarkup(QStringView html, qsizetype pos)
{
    if (html.mid(pos).startsWith(u"<!--")) {
        const qsizetype end = html.indexOf(u"-->", pos + 4);
        return end < 0 ? html.size() : end + 3;
    }
    const qsizetype end = html.indexOf(u'>', pos);
    return end < 0 ? html.size() : end + 1;
}

qsizetype FindClosingTag(QStringView html, qsizetype from, QStringView name)
{
    const QString closing = QStringLiteral("</") + name.toString();
    const qsizetype found = html.indexOf(closing, from, Qt::CaseInsensitive);
    return found < 0 ? html.size() : found;
}

std::optional<char32_t> NamedEntity(QStringView name)
{
    static const std::pair<const char16_t *, char32_t> names[] = {
        {u"amp", U'&'},  {u"lt", U'<'},    {u"gt", U'>'},
        {u"quot", U'"'}, {u"apos", U'\''}, {u"nbsp", U'\u00A0'}};
    for (const auto &[entity, code] : names)
        if (name.compare(QStringView(entity), Qt::CaseInsensitive) == 0) return code;
    return std::nullopt;
}

bool IsDigitIn(QChar c, bool hex)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') ||
           (hex && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')));
}

// The code of the numeric reference whose digits start at pos (pos moves past them); nothing when
// there are no digits. Codes that are no character become U+FFFD.
std::optional<char32_t> NumericEntity(QStringView text, qsizetype &pos)
{
    const bool hex = pos < text.size() && (text[pos] == u'x' || text[pos] == u'X');
    const qsizetype begin = hex ? pos + 1 : pos;
    qsizetype end = begin;
    while (end < text.size() && end - begin < 8 && IsDigitIn(text[end], hex))
        ++end;
    if (end == begin) return std::nullopt;
    pos = end;
    const uint code = text.mid(begin, end - begin).toUInt(nullptr, hex ? 16 : 10);
    const bool valid = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? char32_t(code) : U'\uFFFD';
}

} // namespace

const THtmlAttr *THtmlTag::Find(QStringView name) const
{
    for (const THtmlAttr &attr : Attrs)
        if (attr.Name == name) return &attr;
    return nullptr;
}

std::optional<QString> THtmlTag::Attr(QStringView name) const
{
    const THtmlAttr *attr = Find(name);
    return attr ? std::optional<QString>(attr->Value) : std::nullopt;
}

void ScanHtmlTags(QStringView html, const std::function<bool(const THtmlTag &)> &visit)
{
    qsizetype pos = 0;
    while (pos < html.size()) {
        const qsizetype lt = html.indexOf(u'<', pos);
        if (lt < 0 || lt + 1 >= html.size()) break;
        const QChar next = html[lt + 1];
        if (next == u'!' || next == u'?') {
            pos = SkipMarkup(html, lt);
            continue;
        }
        const bool closing = next == u'/';
        const qsizetype nameAt = lt + (closing ? 2 : 1);
        if (nameAt >= html.size() || !IsAsciiLetter(html[nameAt])) {
            pos = lt + 1;
            continue;
        }
        const THtmlTag tag = ReadTag(html, lt, nameAt, closing);
        if (!visit(tag)) return;
        pos =
            !closing && HoldsRawText(tag.Name) ? FindClosingTag(html, tag.End, tag.Name) : tag.End;
    }
}

QString HtmlTextUntil(QStringView html, qsizetype from, QStringView name)
{
    from = qBound(qsizetype(0), from, html.size());
    return DecodeHtmlEntities(html.mid(from, FindClosingTag(html, from, name) - from));
}

QString DecodeHtmlEntities(QStringView text)
{
    if (!text.contains(u'&')) return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype amp = text.indexOf(u'&', pos);
        if (amp < 0) {
            out += text.mid(pos);
            break;
        }
        out += text.mid(pos, amp - pos);
        qsizetype end = amp + 1;
        std::optional<char32_t> code;
        if (end < text.size() && text[end] == u'#') {
            ++end;
            code = NumericEntity(text, end);
        } else {
            while (end < text.size() && end - amp <= 8 && IsAsciiLetter(text[end]))
                ++end;
            code = NamedEntity(text.mid(amp + 1, end - amp - 1));
        }
        if (!code) {
            out += u'&';
            pos = amp + 1;
            continue;
        }
        out += QString::fromUcs4(&*code, 1);
        pos = end < text.size() && text[end] == u';' ? end + 1 : end;
    }
    return out;
}
