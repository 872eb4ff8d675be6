#pragma once
// Folder templates: how the name of an artist or album folder is built, so that a list can be
// read from a disc's folders. A template is text with placeholders, a "%" and a letter:
//   %I artist name, %A album name, %Y year, %N a two-character number, %n a run of digits.
// Placeholders consume widths, not verified text: a folder name that does not follow its
// template yields cut or empty names and a year of "<>", never an error.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <stdexcept>

// A template parsed into its elements, in order: placeholders ("%" and one of A, I, N, Y, n) and
// runs of literal text.
using TFolderTemplate = QStringList;

enum class TTemplateKind { Artist, Album };

// A template that cannot be used, with the message to show.
class ETemplateError : public std::runtime_error {
public:
    explicit ETemplateError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// The year's text when a folder name holds none.
inline const QString NoTemplateValue = QStringLiteral("<>");

// Parses text; an empty artist template stands for "%I", an empty album template for "%Y - %A".
// ETemplateError when the template holds no placeholder.
TFolderTemplate ParseFolderTemplate(const QString &text, TTemplateKind kind);

// The text the folder name carries for the placeholder letter (I, A or Y). Without that
// placeholder in the template: the whole name for I and A, empty for Y. A year is the first
// four characters that read as a positive whole number (decimal, or hexadecimal after "$"),
// exactly as the name has them; "<>" when none do. ETemplateError for a template whose %I or %A
// is followed by another placeholder, or that holds an unknown "%" element.
QString ExtractTemplateField(const TFolderTemplate &elements, QStringView name, QChar letter);
