#include "platform/atomicfile.h"

#include "platform/ioerror.h"

#include <QDir>
#include <cerrno>
#include <cstring>
#include <unistd.h>

// QSaveFile writes a temporary file beside the target and renames it over the target on commit;
// any failure leaves the target as it was. The data is forced to disk before the rename, so a
// crash cannot leave an empty file in place of the old one.
TAtomicFileWriter::TAtomicFileWriter(const QString &fileName) : fFile(fileName)
{
    fFile.setDirectWriteFallback(false);
    if (!fFile.open(QIODevice::WriteOnly))
        Fail();
}

void TAtomicFileWriter::Write(QByteArrayView data)
{
    if (fFile.write(data.data(), data.size()) != data.size())
        Fail();
}

void TAtomicFileWriter::Commit()
{
    if (!fFile.flush())
        Fail();
    if (::fsync(fFile.handle()) != 0)
        Fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (!fFile.commit())
        Fail();
}

void TAtomicFileWriter::Fail(const QString &reason)
{
    throw EIOError(QStringLiteral("Не удалось записать файл %1: %2")
                       .arg(QDir::toNativeSeparators(fFile.fileName()),
                            reason.isEmpty() ? fFile.errorString() : reason));
}

void WriteFileAtomically(const QString &fileName, QByteArrayView data)
{
    TAtomicFileWriter writer(fileName);
    writer.Write(data);
    writer.Commit();
}
