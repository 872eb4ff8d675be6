#pragma once
// What the four text pages share (song text, review, history, disc information): one rich-text
// view filling the page, RTF shown formatted and any other file as plain text, in a small
// fixed-pitch font, with a word wrap of its own that the tools menu's check mark follows.

#include "views/contentpage.h"

class QTextEdit;

class TTextPage : public TContentPage {
    Q_OBJECT
public:
    QTextEdit *View() const { return fView; }
    bool WordWrap() const;
    void SetWordWrap(bool on);

protected:
    // pageName, viewName: object names; caption: the view's accessible name. An editable view
    // lets the person change the text; nothing is ever saved.
    TTextPage(const char *pageName, const char *viewName, const QString &caption, bool editable,
              bool wordWrap, QWidget *parent);
    // Shows the document in fileName (found without regard to letter case). A file that cannot
    // be read raises EIOError with a message for the user, and the view keeps what it showed.
    void ReadDocument(const QString &fileName);

private:
    QTextEdit *fView;
};
