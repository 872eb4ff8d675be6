#pragma once
// Where the files that come with the program are found. On a disc and in the build folder they
// lie beside the program; a program installed under a prefix (prefix/bin/lorvanta) has its decoder
// library in prefix/lib/lorvanta/ and its data (the help) in prefix/share/lorvanta/.

#include <QString>
#include <QStringList>

enum class TShippedKind { Library, Data };

// The places to look for name, in order: beside the program in programFolder, then the installed
// place of its kind. Both are clean absolute paths when programFolder is absolute.
QStringList ShippedPaths(const QString &programFolder, const QString &name, TShippedKind kind);

// The first of ShippedPaths that exists (file or folder); the first of them when none does, so
// that a message can name where the file was expected.
QString FindShipped(const QString &programFolder, const QString &name, TShippedKind kind);
