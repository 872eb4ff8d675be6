#pragma once
// Finds the file a list names on a disc mastered on Windows: the path as written, else the same
// path with each folder and the file name matched without regard to letter case. Folder
// listings are cached (and re-read when a folder's modification time changes). Used whenever
// the program tests or opens a file named by a list, never while a list loads.

#include <QString>

// The existing file or folder for path (as written when it exists); empty when there is none.
// A relative path is taken against the current folder; drive-letter and network paths are never
// found.
QString FindExistingFile(const QString &path);
// Whether FindExistingFile finds something.
bool ExistingFile(const QString &path);
// Forgets every cached folder listing.
void ClearFileFinderCache();
