#pragma once
// Saving files. Lists and settings are replaced atomically: the data goes to a temporary file in
// the target's folder, is forced to disk, and is renamed over the target, so a crash or a full
// disk never leaves a half-written file in place of a good one. Only regular files are replaced
// that way (a FIFO or a device in the target's place is refused, never turned into a file), and
// the replacement keeps the old file's owner, group and mode, as editors do. A symbolic link is
// followed: the file it points to is replaced and the link stays.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Writes data to fileName atomically; throws EIOError (the old file untouched) on failure.
void WriteFileAtomically(const QString &fileName, QByteArrayView data);

// The same for data written in pieces. Every failure throws EIOError; until Commit succeeds the
// target stays as it was (an abandoned writer removes its temporary file).
class TAtomicFileWriter {
public:
    explicit TAtomicFileWriter(const QString &fileName);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter &) = delete;
    TAtomicFileWriter &operator=(const TAtomicFileWriter &) = delete;

    void Write(QByteArrayView data);
    void Commit();

private:
    void CreateTemporary();
    void Discard();
    // Throws EIOError naming the file and reason (by default the system's text for errno).
    [[noreturn]] void Fail(const QString &reason = QString());

    QString fShownName;   // the name the caller gave, for messages
    QByteArray fTarget;   // the file replaced: fShownName with symbolic links followed
    QByteArray fTemporary;
    int fFd = -1;
};

// Throws EIOError, as a save would, when fileName cannot be replaced (not a regular file, a folder
// where no file can be made); nothing is written.
void CheckReplaceable(const QString &fileName);

// Writes data over fileName in place: creates or truncates it, then writes. For files that other
// programs read as they change (the state file), where a FIFO or a device is a fair destination.
// Throws EIOError on failure.
void WriteFileInPlace(const QString &fileName, QByteArrayView data);
