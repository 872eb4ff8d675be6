#include "views/songdocumentpage.h"

#include "library/expandedsong.h"
#include "platform/errorreport.h"

#include <QTextEdit>

TSongDocumentPage::TSongDocumentPage(TPageHost &host, TFileOf fileOf, TWithoutFile withoutFile,
                                     const char *pageName, const char *viewName,
                                     const QString &caption, bool editable, bool wordWrap,
                                     QWidget *parent)
    : TTextPage(pageName, viewName, caption, editable, wordWrap, parent), fHost(host),
      fFileOf(fileOf), fWithoutFile(withoutFile)
{
}

void TSongDocumentPage::SongChanged(const TExpandedSong &song) { Load((song.*fFileOf)()); }

void TSongDocumentPage::PageShown() { LoadForCurrentSong(); }

void TSongDocumentPage::LoadForCurrentSong()
{
    if (const TExpandedSong *song = fHost.CurrentSong())
        Load((song->*fFileOf)());
}

void TSongDocumentPage::Load(const QString &fileName)
{
    if (fileName == fShownFile || (fileName.isEmpty() && fWithoutFile == TWithoutFile::Keep))
        return;
    fShownFile = fileName;
    View()->clear();
    if (fileName.isEmpty())
        return;
    try {
        ReadDocument(fileName);
    } catch (const std::exception &error) {
        fShownFile.clear();
        ReportError(this, ErrorText(error));
    }
}

void TSongDocumentPage::ShowNodeFile(const QString &fileName)
{
    if (fileName.isEmpty() || fileName == fShownFile)
        return;
    try {
        ReadDocument(fileName);
        fShownFile = fileName;
    } catch (const std::exception &error) {
        ReportError(this, ErrorText(error));
    }
}
