#include "rtftesting.h"

#include "richtext/richtext.h"

#include <QFile>
#include <QTextCursor>
#include <gtest/gtest.h>

QString Plain(const QByteArray &bytes)
{
    return DocumentPlainText(bytes);
}

std::unique_ptr<QTextDocument> Document(const QByteArray &bytes)
{
    auto document = std::make_unique<QTextDocument>();
    ReadTextDocument(bytes, *document);
    return document;
}

namespace {

QTextCursor CursorAt(const QTextDocument &document, const QString &text)
{
    const QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << "not in the document: " << text.toStdString();
    QTextCursor at(const_cast<QTextDocument *>(&document));
    if (!found.isNull())
        at.setPosition(found.selectionStart() + 1);
    return at;
}

} // namespace

QTextCharFormat CharFormatOf(const QTextDocument &document, const QString &text)
{
    return CursorAt(document, text).charFormat();
}

QTextBlockFormat BlockFormatOf(const QTextDocument &document, const QString &text)
{
    return CursorAt(document, text).blockFormat();
}

QByteArray Fixture(const char *name)
{
    QFile file(QStringLiteral(LORVANTA_RICHTEXT_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}
