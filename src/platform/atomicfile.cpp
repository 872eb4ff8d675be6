#include "platform/atomicfile.h"

#include "platform/ioerror.h"

#include <QDir>

// QSaveFile writes a temporary file beside the target, syncs it and renames it over the target
// on commit; any failure leaves the target as it was.
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
    if (!fFile.commit())
        Fail();
}

void TAtomicFileWriter::Fail()
{
    throw EIOError(QStringLiteral("Не удалось записать файл %1: %2")
                       .arg(QDir::toNativeSeparators(fFile.fileName()), fFile.errorString()));
}

void WriteFileAtomically(const QString &fileName, QByteArrayView data)
{
    TAtomicFileWriter writer(fileName);
    writer.Write(data);
    writer.Commit();
}
