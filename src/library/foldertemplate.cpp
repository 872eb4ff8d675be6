#include "library/foldertemplate.h"

#include <optional>
#include <utility>

namespace {

bool IsPlaceholderLetter(QChar c)
{
    return c == u'A' || c == u'I' || c == u'N' || c == u'Y' || c == u'n';
}

bool IsDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The digit's value, -1 when c is no digit of the base (10 or 16).
int DigitValue(QChar c, bool hex)
{
    if (IsDecimalDigit(c))
        return c.unicode() - u'0';
    if (!hex)
        return -1;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// The value of text read the way folder names were always read: leading blanks, an optional
// sign, then decimal digits or "$" and hexadecimal digits, and nothing after them.
std::optional<int> IntegerValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const bool hex = i < text.size() && text[i] == u'$';
    if (hex)
        ++i;
    if (i == text.size())
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], hex);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + digit; // four characters at most: no overflow
    }
    return negative ? -value : value;
}

// The year from position p on: the first four-character window that reads as a non-zero
// number decides. The last window of the name is tried too, so a name that ends in its year
// (or is only a year) gives that year.
QString YearFrom(QStringView name, qsizetype p)
{
    constexpr qsizetype kWindow = 4;
    for (; p + kWindow <= name.size(); ++p) {
        const QStringView window = name.sliced(p, kWindow);
        const std::optional<int> value = IntegerValue(window);
        if (value && *value != 0)
            return *value > 0 ? window.toString() : NoTemplateValue;
    }
    return NoTemplateValue;
}

// The position of literal at or after p (the last place where it fits in the name is tried
// too); when it does not occur, the position just past the last place tried.
qsizetype FindLiteral(QStringView name, qsizetype p, QStringView literal)
{
    while (p + literal.size() <= name.size() && !name.sliced(p).startsWith(literal))
        ++p;
    return p;
}

} // namespace

TFolderTemplate ParseFolderTemplate(const QString &text, TTemplateKind kind)
{
    if (text.isEmpty()) {
        return kind == TTemplateKind::Artist
                   ? TFolderTemplate{QStringLiteral("%I")}
                   : TFolderTemplate{QStringLiteral("%Y"), QStringLiteral(" - "),
                                     QStringLiteral("%A")};
    }
    TFolderTemplate elements;
    QString literal;
    int placeholders = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'%' || i + 1 == text.size()) {
            literal += c;
            continue;
        }
        const QChar letter = text[++i];
        if (!IsPlaceholderLetter(letter)) {
            literal += c;
            literal += letter;
            continue;
        }
        if (!literal.isEmpty())
            elements << std::exchange(literal, QString());
        elements << QString(c) + letter;
        ++placeholders;
    }
    if (!literal.isEmpty())
        elements << literal;
    if (placeholders == 0)
        throw ETemplateError(kind == TTemplateKind::Artist
                                 ? QStringLiteral("Неверный шаблон папок исполнителей!")
                                 : QStringLiteral("Неверный шаблон папок альбомов!"));
    return elements;
}

QString ExtractTemplateField(const TFolderTemplate &elements, QStringView name, QChar letter)
{
    if (!elements.contains(QString(u'%') + letter))
        return letter == u'Y' ? QString() : name.toString();
    qsizetype p = 0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const QString &element = elements[i];
        if (!element.startsWith(u'%')) {
            p += element.size();
            continue;
        }
        const QChar kind = element.size() > 1 ? element[1] : QChar();
        if (kind == u'N') {
            p += 2;
        } else if (kind == u'n') {
            while (p < name.size() && IsDecimalDigit(name[p]))
                ++p;
        } else if (kind == u'Y') {
            if (letter == u'Y')
                return YearFrom(name, p);
            p += 4;
        } else if (kind == u'I' || kind == u'A') {
            if (i + 1 == elements.size())
                return kind == letter ? name.mid(p).toString() : NoTemplateValue;
            const QString &next = elements[i + 1];
            if (next.startsWith(u'%'))
                throw ETemplateError(QStringLiteral("Шаблоны не должны идти подряд!"));
            const qsizetype start = p;
            p = FindLiteral(name, p, next);
            if (kind == letter)
                return name.mid(start, p - start).toString();
        } else {
            throw ETemplateError(QStringLiteral("Неизвестный элемент шаблона"));
        }
    }
    return NoTemplateValue;
}
