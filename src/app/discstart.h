#pragma once
// How the program finds its disc: the disc file next to the program file, or the first own list
// in the program's folder, and whether that folder lies on an optical disc.

#include <QString>

// The disc file of programFile: its name cut before the first "."; for a name without "."
// (Linux programs) that name followed by ".ini". Same folder.
QString DiscFileName(const QString &programFile);

struct TDiscList {
    QString ListFile; // full path; empty when the disc names none
    QString DiskID;   // "NoID" when there is none
};

// Reads the disc file when it exists (section "lorvanta", keys "playlist" and "diskid");
// otherwise takes the first "*.pl" of the program's folder (by name), whose name cut before its
// first "." is the disc identifier. An empty identifier counts as none.
TDiscList FindDiscList(const QString &programFile);

// True when folder lies on a volume of an optical disc's file system (iso9660 or udf).
bool IsOnOpticalDisc(const QString &folder);

// The program file as it was started (argv0): a link to the program placed beside a disc's list
// stands for the program on that disc. A bare name (found through PATH) gives the program's
// own file.
QString InvokedProgramFile(const QString &argv0);
