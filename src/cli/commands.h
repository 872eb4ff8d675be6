#pragma once
// The commands of lorvanta-list. Each returns the text for standard output (empty when there is
// none) and raises ECliError or EIOError on bad input or a failed write. Paths are absolute.

#include <QByteArray>
#include <QSize>
#include <QString>

struct TFolderScanInput;

QByteArray DumpCommand(const QString &file);
QByteArray SummaryCommand(const QString &file);
// Writes the list to out: own format for ".pl", M3U list for ".m3u" (any letter case).
void ConvertCommand(const QString &in, const QString &out);
// Writes the M3U pack whose main list is out (which must end in ".m3u").
void PackCommand(const QString &in, const QString &out, const QString &artistTemplate,
                 const QString &albumTemplate);
QByteArray TagsCommand(const QString &file);
// Builds a list from folders as the editor does and writes it to out like ConvertCommand. A
// template error (ETemplateError) comes before anything is written; so does an MP3 folder that
// is not a folder (ECliError).
void ScanCommand(const TFolderScanInput &input, const QString &out);
// The document's text as the text pages read it (RTF or plain text), UTF-8: a line for each
// paragraph, table rows on one line with a tab between cells.
QByteArray TextCommand(const QString &file);
// Renders a picture file through the picture component at its natural size, or stretched to
// size when that is given, into a PNG file out (written atomically); returns
// {"format":...,"width":...,"height":...} with the natural size.
QByteArray PictureCommand(const QString &file, const QString &out, QSize size);
// A disc author's check of the list (cli/listcheck.h): one line of CheckProblemJson for each
// problem, in list order; empty when the list is clean.
QByteArray CheckCommand(const QString &file);
