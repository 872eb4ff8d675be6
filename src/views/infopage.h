#pragma once
// The disc information page: the disc's description document in a read-only view. Until the
// rich-text reader arrives every document is shown as plain text.

#include <QWidget>

class QTextEdit;

class TInfoPage : public QWidget {
    Q_OBJECT
public:
    explicit TInfoPage(QWidget *parent = nullptr);

    QTextEdit *InfoRE = nullptr;

    // Replaces the view's content with the file's text (Windows-1251 unless it is valid UTF-8).
    // An unreadable file empties the view and throws std::runtime_error with the reason.
    void LoadDocument(const QString &fileName);

    // Documents larger than this are cut: a description never needs more.
    static constexpr qint64 MaxDocumentSize = 8 * 1024 * 1024;
};
