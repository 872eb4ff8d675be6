#pragma once
// Saving without ever leaving a half-written file in place of a good one: the data goes to a
// temporary file in the target's folder, is flushed to disk, and is renamed over the target.

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// Writes data to fileName atomically; throws EIOError (the old file untouched) on failure.
void WriteFileAtomically(const QString &fileName, QByteArrayView data);

// The same for data written in pieces. Every failure throws EIOError; until Commit succeeds the
// target stays as it was (an abandoned writer removes its temporary file).
class TAtomicFileWriter {
public:
    explicit TAtomicFileWriter(const QString &fileName);
    void Write(QByteArrayView data);
    void Commit();

private:
    // Throws EIOError naming the file and reason (by default the file's own error text).
    [[noreturn]] void Fail(const QString &reason = QString());
    QSaveFile fFile;
};
