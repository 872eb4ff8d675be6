#pragma once
// An HTML document made ready for the text view: what its head says (<base>, <title>) and its
// links. The text view reports a link by its href only, so every <a href> is rewritten to a token
// naming its entry in Links, which keeps the href as written and the link's own target.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

struct THtmlLink {
    QString Href;   // as written, trimmed
    QString Target; // the link's target=, empty when it has none
};

struct TPreparedDocument {
    QString Html; // the text with every link's href replaced by its token
    std::vector<THtmlLink> Links;
    QString BaseHref;   // the first <base href>, empty when none
    QString BaseTarget; // the first <base target>, empty when none
    QString Title;      // whitespace simplified
};

TPreparedDocument PrepareDocument(QStringView html);

// The token standing for Links[index], and back (nothing for any other href).
QString LinkToken(int index);
std::optional<int> LinkIndexOfToken(QStringView href);
