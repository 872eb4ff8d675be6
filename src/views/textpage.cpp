#include "views/textpage.h"

#include "platform/filefinder.h"
#include "richtext/richtext.h"

#include <QFont>
#include <QTextEdit>
#include <QVBoxLayout>

TTextPage::TTextPage(const char *pageName, const char *viewName, const QString &caption,
                     bool editable, bool wordWrap, QWidget *parent)
    : TContentPage(parent), fView(new QTextEdit(this))
{
    setObjectName(QLatin1String(pageName));
    fView->setObjectName(QLatin1String(viewName));
    fView->setAccessibleName(caption);
    fView->setReadOnly(!editable);
    if (!editable) // a caret all the same: the keyboard and screen readers walk the text
        fView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    fView->setFont(QFont(QStringLiteral("Courier New"), 8));
    SetWordWrap(wordWrap);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fView);
}

bool TTextPage::WordWrap() const { return fView->lineWrapMode() != QTextEdit::NoWrap; }

void TTextPage::SetWordWrap(bool on)
{
    fView->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TTextPage::ReadDocument(const QString &fileName)
{
    const QString found = FindExistingFile(fileName);
    // Read whole before the view changes: a failure leaves the view as it was.
    const QByteArray bytes = ReadDocumentFile(found.isEmpty() ? fileName : found);
    ReadTextDocument(bytes, *fView->document());
}
