#pragma once
// One folder's entries as the folder scans need them: plain files and folders only, symbolic
// links followed. Anything else is left out: a link that leads nowhere or into a loop, a pipe
// or device (opening one to read a tag could block), and a name that is not valid in the file
// name encoding (UTF-8), since no part of the program could open it again by that name.

#include <QString>
#include <vector>

struct TFolderEntry {
    QString Name;
    bool IsFolder = false; // else a regular file
};

// The entries of folder without "." and "..", in the order the file system gives them; empty
// when the folder is missing, unreadable or not a folder.
std::vector<TFolderEntry> ListFolder(const QString &folder);
