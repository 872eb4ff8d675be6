#include "cli/jsonwriter.h"

namespace {

// The two-character escapes JSON defines; everything else below 0x20 becomes \u00XX.
char ShortEscape(unsigned char c)
{
    switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case '\b': return 'b';
    case '\f': return 'f';
    case '\n': return 'n';
    case '\r': return 'r';
    case '\t': return 't';
    default: return 0;
    }
}

} // namespace

void AppendJsonString(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    out.reserve(out.size() + utf8.size() + 2);
    out.append('"');
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (const char e = ShortEscape(c)) {
            out.append('\\').append(e);
        } else if (c < 0x20) {
            out.append("\\u00").append(hex[c >> 4]).append(hex[c & 0xF]);
        } else {
            out.append(ch);
        }
    }
    out.append('"');
}

void JsonWriter::BeforeValue()
{
    if (fAfterKey) {
        fAfterKey = false;
        return;
    }
    if (!fHasItems.empty()) {
        if (fHasItems.back())
            fOut.append(',');
        fHasItems.back() = true;
    }
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    fOut.append(bracket);
    fHasItems.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    fOut.append(bracket);
    fHasItems.pop_back();
}

JsonWriter &JsonWriter::BeginObject()
{
    Open('{');
    return *this;
}

JsonWriter &JsonWriter::EndObject()
{
    Close('}');
    return *this;
}

JsonWriter &JsonWriter::BeginArray()
{
    Open('[');
    return *this;
}

JsonWriter &JsonWriter::EndArray()
{
    Close(']');
    return *this;
}

JsonWriter &JsonWriter::Key(const char *name)
{
    BeforeValue();
    fOut.append('"').append(name).append("\":");
    fAfterKey = true;
    return *this;
}

JsonWriter &JsonWriter::Value(const QString &text)
{
    BeforeValue();
    AppendJsonString(fOut, text);
    return *this;
}

JsonWriter &JsonWriter::Value(long long number)
{
    BeforeValue();
    fOut.append(QByteArray::number(number));
    return *this;
}
