#pragma once
// Reading and writing the registry export syntax ("REGEDIT4"):
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Quillmarsh\Lorvanta\2.0]
//   "PlayOnRun"=dword:00000001
//   "CaptionFormat"="%T (%M): %I - %S [%L]"
//
// Texts and value names escape "\" as \\ and '"' as \"; line breaks as \n and \r, and any other
// control character as \xHH, so that no text can break a line. The bytes are UTF-8 (a leading
// byte-order mark is accepted). Lines starting with ";" are comments.

#include "settings/regtree.h"

#include <QByteArray>
#include <QString>

// Files larger than this are not read: a settings file never grows that big.
inline constexpr qsizetype MaxRegFileSize = 16 * 1024 * 1024;

struct TRegParseResult {
    bool Ok = false;
    int ErrorLine = 0; // 1-based line of the first problem when not Ok
    QString Error;     // what is wrong, when not Ok
};

// Parses bytes into root (HKEY_CURRENT_USER). Any line that does not fit the syntax makes the
// whole file unreadable: root may then hold part of it and must be discarded.
TRegParseResult ParseRegFile(const QByteArray &bytes, TRegKey &root);

// The file for root: every key with values, and every key without values or subkeys (so that a
// created empty key survives), in creation order, each section followed by a blank line.
QByteArray FormatRegFile(const TRegKey &root);

// Keys nest at most this deep, as in the Windows registry (and so no file can nest them deeper
// than the stack can follow).
inline constexpr qsizetype MaxKeyDepth = 512;

// True when every name of path (below HKEY_CURRENT_USER) can be a key name in the file: not
// empty, no "\" and no control character; and the path is at most MaxKeyDepth deep.
bool IsValidKeyPath(const QStringList &path);
