#pragma once
// The settings file on disc: loading with unreadable files moved aside, saving, and the lock
// that keeps two programs from replacing it at the same time.

#include "settings/regtree.h"

#include <QByteArray>
#include <QString>

struct TStoreFileLoad {
    QString MovedAsidePath; // where an unreadable file went
    QString SaveBlocked;    // set when an unreadable file could not be moved: do not replace it
};

// Reads path into root (which must be empty). A missing file leaves root empty. A file that
// cannot be read is renamed to path + ".bad-<UTC time>" and root stays empty.
TStoreFileLoad LoadStoreFile(const QString &path, TRegKey &root);

// Replaces path by bytes atomically, creating its folder when missing. TSettingsError when
// anything fails; the old file is then untouched.
void SaveStoreFile(const QString &path, const QByteArray &bytes);

// An exclusive flock on path + ".lock", held for the object's life. Waits a few seconds for
// another holder, then gives up with TSettingsError rather than hang.
class TStoreLock {
public:
    explicit TStoreLock(const QString &path);
    ~TStoreLock();
    TStoreLock(const TStoreLock &) = delete;
    TStoreLock &operator=(const TStoreLock &) = delete;

private:
    int Fd_ = -1;
};
