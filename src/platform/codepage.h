#pragma once
// The 8-bit code pages of discs made on Windows (Windows-1251 for files, CP866 for the state file)
// and the text encoding of list files. Table-driven: no Qt codec lookups per call.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

QString DecodeCp1251(QByteArrayView bytes);
// The same into out, reusing its allocation (for readers decoding many short values).
void DecodeCp1251Into(QString &out, QByteArrayView bytes);
// Unrepresentable characters become '?' and clear *ok (when given).
QByteArray EncodeCp1251(QStringView text, bool *ok = nullptr);
// Appends the encoding of text to out (unrepresentable characters as '?'); false when any was.
bool AppendCp1251(QByteArray &out, QStringView text);
bool CanEncodeCp1251(QStringView text);

QString DecodeCp866(QByteArrayView bytes);
// Unrepresentable characters become '?' and clear *ok (when given).
QByteArray EncodeCp866(QStringView text, bool *ok = nullptr);

// How the bytes of a list file are to be read.
enum class TTextEncoding { Cp1251, Utf8 };

// Whether bytes are plain ASCII, valid UTF-8 with other characters, or not UTF-8 at all.
enum class TUtf8Shape { Ascii, Utf8, Invalid };
TUtf8Shape Utf8Shape(QByteArrayView bytes);

// Utf8 when the bytes start with a UTF-8 byte-order mark or are valid UTF-8 holding non-ASCII
// bytes; Cp1251 otherwise (plain ASCII included).
TTextEncoding DetectListEncoding(QByteArrayView bytes);
// The bytes without a leading UTF-8 byte-order mark.
QByteArrayView WithoutBom(QByteArrayView bytes);
QString DecodeText(TTextEncoding encoding, QByteArrayView bytes);
// UTF-8 to text, a leading U+FEFF kept as the character it is (QString::fromUtf8 drops it as a
// byte-order mark, which inside a file it is not).
QString DecodeUtf8(QByteArrayView bytes);

// Whole list text (BOM stripped, detection as above) as one string.
QString DecodeListText(QByteArrayView bytes);
// Windows-1251 when every character fits and the bytes would not be taken for UTF-8, else UTF-8
// with a byte-order mark. Line ends are the caller's (lists use CR LF).
QByteArray EncodeListText(QStringView text);

// The UTF-8 byte-order mark.
inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
