#pragma once
// A forgiving scanner for the tags of an HTML text: enough to find framesets, the document's
// <base>, <meta> and <title>, and the links, without building a tree. Comments, declarations
// and the raw text of <script>, <style>, <textarea> and <title> never yield tags. Any text,
// however broken, is scanned in one pass without failing.

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

struct THtmlAttr {
    QString Name;             // lower case
    QString Value;            // character references decoded; empty when the attribute has none
    bool HasValue = false;    // written with "="
    qsizetype ValueBegin = 0; // the value as written (without quotes) spans [ValueBegin, ValueEnd)
    qsizetype ValueEnd = 0;
};

struct THtmlTag {
    QString Name; // lower case
    bool Closing = false;
    qsizetype Begin = 0; // the tag spans [Begin, End), "<" to ">" inclusive
    qsizetype End = 0;
    std::vector<THtmlAttr> Attrs;

    const THtmlAttr *Find(QStringView name) const;
    // The attribute's value, or nothing when the tag does not have it.
    std::optional<QString> Attr(QStringView name) const;
};

// Calls visit for every tag in document order until it returns false.
void ScanHtmlTags(QStringView html, const std::function<bool(const THtmlTag &)> &visit);

// The text between a tag ending at from and the next </name> (or the end), references decoded.
QString HtmlTextUntil(QStringView html, qsizetype from, QStringView name);

// Decodes the character references of HTML text (&amp; &lt; &gt; &quot; &apos; &nbsp; &#n; &#xh;).
QString DecodeHtmlEntities(QStringView text);
