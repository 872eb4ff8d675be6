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

// Reads the lines after the header. Lines it does not understand are kept where they stand
// (see TRegKey::AddForeignLine), so that what other programs wrote survives our saves.
class TParser {
public:
    explicit TParser(TRegKey &root) : Root_(root) {}

    void ParseLine(const QString &line)
    {
        if (line.trimmed().isEmpty())
            return;
        if (line.startsWith(u'[')) {
            StartSection(line);
            return;
        }
        if (InForeignSection_)
            Root_.ForeignSections << line;
        else if (!Current_)
            Root_.Preamble << line;
        else if (!ParseValue(line))
            Current_->AddForeignLine(line, QuotedName(line));
    }

private:
    void StartSection(const QString &line)
    {
        const std::optional<QStringList> path = SectionPath(line);
        InForeignSection_ = !path;
        if (InForeignSection_)
            Root_.ForeignSections << line;
        else
            Current_ = &Root_.Make(*path);
    }

    // The key path below HKEY_CURRENT_USER; nullopt for any other section.
    static std::optional<QStringList> SectionPath(const QString &line)
    {
        if (!line.endsWith(u']'))
            return std::nullopt;
        QStringList path = line.mid(1, line.size() - 2).split(u'\\');
        if (path.takeFirst().compare(RootName, Qt::CaseInsensitive) != 0 || !IsValidKeyPath(path))
            return std::nullopt;
        return path;
    }

    // A "name"=data line this store understands, stored; false for any other line.
    bool ParseValue(const QString &line)
    {
        if (std::any_of(line.begin(), line.end(), NeedsEscape))
            return false;
        qsizetype pos = 0;
        const std::optional<QString> name = ParseQuoted(line, pos);
        if (!name || pos >= line.size() || line[pos] != u'=')
            return false;
        const std::optional<TRegValue> value = ParseData(line.mid(pos + 1).trimmed());
        if (!value)
            return false;
        Current_->SetValue(*name, *value);
        return true;
    }

    static QString QuotedName(const QString &line)
    {
        qsizetype pos = 0;
        return ParseQuoted(line, pos).value_or(QString());
    }

    TRegKey &Root_;
    TRegKey *Current_ = nullptr;
    bool InForeignSection_ = false;
};

TRegParseResult Failure(int line, const QString &error)
{
    return {false, line, error};
}

void FormatKey(const TRegKey &key, const QString &path, QByteArray &out)
{
    const bool isRoot = path == RootName;
    if (key.ValueCount() > 0 || !key.ForeignLines().isEmpty() || (key.SubKeys().empty() && !isRoot)) {
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
        for (const QString &line : key.ForeignLines())
            section += line + u'\n';
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
        if (i > 0)
            parser.ParseLine(line);
    }
    return {true, 0, {}};
}

QByteArray FormatRegFile(const TRegKey &root)
{
    QByteArray out = Header.toUtf8() + "\n\n";
    if (!root.Preamble.isEmpty())
        out += root.Preamble.join(u'\n').toUtf8() + "\n\n";
    FormatKey(root, RootName, out);
    if (!root.ForeignSections.isEmpty())
        out += root.ForeignSections.join(u'\n').toUtf8() + "\n\n";
    return out;
}
