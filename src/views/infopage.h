#pragma once
// InfoTS: the disc's description, read-only and word-wrapped. It is loaded once per list (the
// list's ABOUT document, or at start-up the program's "readme.rtf" or "readme.txt"), not per song.

#include "views/textpage.h"

class TInfoPage : public TTextPage {
    Q_OBJECT
public:
    explicit TInfoPage(QWidget *parent = nullptr);

    QTextEdit *const InfoRE;

    // Replaces the view's content with the document in fileName. A file that cannot be read
    // leaves the view empty and raises EIOError with a message for the user.
    void LoadDocument(const QString &fileName);
};
