#pragma once
// A small streaming JSON writer: compact output, keys in the order they are written, UTF-8.

#include <QByteArray>
#include <QString>
#include <vector>

class JsonWriter {
public:
    JsonWriter &BeginObject();
    JsonWriter &EndObject();
    JsonWriter &BeginArray();
    JsonWriter &EndArray();
    JsonWriter &Key(const char *name); // name is plain ASCII without characters to escape
    JsonWriter &Value(const QString &text);
    JsonWriter &Value(long long number);

    // The text written so far.
    const QByteArray &Text() const { return fOut; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    QByteArray fOut;
    std::vector<bool> fHasItems; // per open container: whether a comma is due before the next item
    bool fAfterKey = false;
};

// Appends text as a JSON string literal (quotes included) to out.
void AppendJsonString(QByteArray &out, const QString &text);
