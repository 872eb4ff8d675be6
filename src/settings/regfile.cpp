#include "settings/regfile.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

const QString Header = QStringLiteral("REGEDIT4");
const QString RootName = QStringLiteral("HKEY_CURRENT_USER");
const QString DwordPrefix = QStringLiteral("dword:");

// Characters that never appear raw in a line of the file: they are written as escapes.
bool NeedsEscape(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t';
}

QString Escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\', out += c;
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (NeedsEscape(c))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            out += c;
    }
    return out;
}

// 1 to maxDigits hexadecimal digits and nothing else.
std::optional<uint> ParseHex(QStringView digits, qsizetype maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    uint number = 0;
    for (const QChar c : digits) {
        static const QString HexDigits = QStringLiteral("0123456789abcdef");
        const qsizetype digit = HexDigits.indexOf(c.toLower());
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + uint(digit);
    }
    return number;
}

// Reads the escape after a "\" at pos; pos moves past it. nullopt when it is not one.
std::optional<QChar> Unescape(const QString &line, qsizetype &pos)
{
    if (pos >= line.size())
        return std::nullopt;
    const QChar c = line[pos++];
    if (c == u'\\' || c == u'"')
        return c;
    if (c == u'n')
        return QChar(u'\n');
    if (c == u'r')
        return QChar(u'\r');
    if (c != u'x')
        return std::nullopt;
    const std::optional<uint> code = ParseHex(QStringView(line).mid(pos, 2), 2);
    if (!code || pos + 2 > line.size())
        return std::nullopt;
    pos += 2;
    return QChar(char16_t(*code));
}

// Reads a quoted text starting at pos (at its opening quote); pos moves past the closing quote.
std::optional<QString> ParseQuoted(const QString &line, qsizetype &pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    ++pos;
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c == u'"')
            return text;
        if (c != u'\\') {
            text += c;
            continue;
        }
        const std::optional<QChar> unescaped = Unescape(line, pos);
        if (!unescaped)
            return std::nullopt;
        text += *unescaped;
    }
    return std::nullopt;
}

std::optional<TRegValue> ParseData(const QString &data)
{
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        const std::optional<QString> text = ParseQuoted(data, pos);
        if (!text || pos != data.size())
            return std::nullopt;
        return TRegValue::OfText(*text);
    }
    if (!data.startsWith(DwordPrefix, Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<uint> number = ParseHex(QStringView(data).mid(DwordPrefix.size()), 8);
    if (!number)
        return std::nullopt;
    return TRegValue::OfInteger(qint32(*number));
}

class TParser {
public:
    explicit TParser(TRegKey &root) : Root_(root) {}

    // Empty when the line is good, else what is wrong with it.
    QString ParseLine(const QString &line)
    {
        for (const QChar c : line)
            if (NeedsEscape(c))
                return QStringLiteral("управляющий символ в строке");
        if (line.trimmed().isEmpty() || line.startsWith(u';'))
            return {};
        if (line.startsWith(u'['))
            return ParseSection(line);
        if (line.startsWith(u'"'))
            return ParseValue(line);
        return QStringLiteral("непонятная строка");
    }

private:
    QString ParseSection(const QString &line)
    {
        if (!line.endsWith(u']'))
            return QStringLiteral("нет \"]\" в конце раздела");
        QStringList path = line.mid(1, line.size() - 2).split(u'\\');
        if (path.takeFirst().compare(RootName, Qt::CaseInsensitive) != 0)
            return QStringLiteral("раздел вне HKEY_CURRENT_USER");
        if (!IsValidKeyPath(path))
            return QStringLiteral("недопустимое имя раздела");
        Current_ = &Root_.Make(path);
        return {};
    }

    QString ParseValue(const QString &line)
    {
        if (!Current_)
            return QStringLiteral("значение вне раздела");
        qsizetype pos = 0;
        const std::optional<QString> name = ParseQuoted(line, pos);
        if (!name || pos >= line.size() || line[pos] != u'=')
            return QStringLiteral("неверное имя значения");
        const std::optional<TRegValue> value = ParseData(line.mid(pos + 1).trimmed());
        if (!value)
            return QStringLiteral("неверные данные значения");
        Current_->SetValue(*name, *value);
        return {};
    }

    TRegKey &Root_;
    TRegKey *Current_ = nullptr;
};

TRegParseResult Failure(int line, const QString &error)
{
    return {false, line, error};
}

void FormatKey(const TRegKey &key, const QString &path, QByteArray &out)
{
    const bool isRoot = path == RootName;
    if (key.ValueCount() > 0 || (key.SubKeys().empty() && !isRoot)) {
        QString section = u'[' + path + QStringLiteral("]\n");
        for (qsizetype i = 0; i < key.ValueCount(); ++i) {
            const TRegValue &value = key.ValueAt(i);
            section += u'"' + Escaped(key.ValueName(i)) + QStringLiteral("\"=");
            if (value.Type == TRegValue::TType::Integer)
                section += DwordPrefix + QStringLiteral("%1").arg(quint32(value.Integer), 8, 16, QChar(u'0'));
            else
                section += u'"' + Escaped(value.Text) + u'"';
            section += u'\n';
        }
        out += section.toUtf8() + '\n';
    }
    for (const auto &subKey : key.SubKeys())
        FormatKey(*subKey, path + u'\\' + subKey->Name, out);
}

} // namespace

bool IsValidKeyPath(const QStringList &path)
{
    const auto validName = [](const QString &name) {
        return !name.isEmpty() && !name.contains(u'\\') && std::none_of(name.begin(), name.end(), NeedsEscape);
    };
    return path.size() <= MaxKeyDepth && std::all_of(path.begin(), path.end(), validName);
}

TRegParseResult ParseRegFile(const QByteArray &bytes, TRegKey &root)
{
    if (bytes.size() > MaxRegFileSize)
        return Failure(0, QStringLiteral("файл слишком велик"));
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (decoder.hasError())
        return Failure(0, QStringLiteral("не UTF-8"));
    const QStringList lines = text.split(u'\n');
    TParser parser(root);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        while (line.endsWith(u'\r') || line.endsWith(u' ') || line.endsWith(u'\t'))
            line.chop(1);
        if (i == 0 && line.trimmed() != Header)
            return Failure(1, QStringLiteral("нет заголовка REGEDIT4"));
        if (i == 0)
            continue;
        const QString error = parser.ParseLine(line);
        if (!error.isEmpty())
            return Failure(int(i + 1), error);
    }
    return {true, 0, {}};
}

QByteArray FormatRegFile(const TRegKey &root)
{
    QByteArray out = Header.toUtf8() + "\n\n";
    FormatKey(root, RootName, out);
    return out;
}
