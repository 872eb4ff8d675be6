#pragma once
// Where a link or a frame's src leads: a file of the disc (shown in the view unless it is of a
// kind the view does not show), somewhere the desktop must open (http, https, mailto, ...), or
// nowhere (javascript:, about:). Pages made on Windows may write "\" in paths: it is read as "/".

#include <QString>
#include <QStringView>
#include <QUrl>

struct TLinkDestination {
    enum class TKind { Nowhere, External, Local };
    TKind Kind = TKind::Nowhere;
    QUrl Url;         // External: what the desktop opens
    QString File;     // Local: the full path as resolved (not looked up on the disc)
    QString Fragment; // Local: the name after "#", empty when none
};

// The URL a document's relative links are resolved against: its <base href> (resolved against
// the document's own place) or the document's file.
QUrl DocumentBase(const QString &file, QStringView baseHref);

TLinkDestination ResolveLink(const QUrl &base, QStringView href);

// The file of the disc path names, found without regard to letter case (discs mastered on
// Windows), or path itself when there is none.
QString LocatedFile(const QString &path);

// How the view shows a file of the disc, by its extension; Other files go to the desktop.
enum class TDocumentKind { Html, PlainText, Image, Other };
TDocumentKind DocumentKindOf(const QString &file);
