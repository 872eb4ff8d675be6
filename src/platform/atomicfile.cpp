#include "platform/atomicfile.h"

#include "platform/ioerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MaxLinkHops = 40; // as the kernel's own limit on symbolic links in a path

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Empty when all of data was written, else the system's reason.
QString WriteAll(int fd, QByteArrayView data)
{
    const char *next = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return SystemError(written < 0 ? errno : ENOSPC);
        next += written;
        left -= written;
    }
    return {};
}

QByteArray FollowLinks(const QString &fileName)
{
    QString path = QFileInfo(fileName).absoluteFilePath();
    for (int hop = 0; hop < MaxLinkHops && QFileInfo(path).isSymLink(); ++hop)
        path = QFileInfo(path).symLinkTarget();
    return QFile::encodeName(path);
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The rename itself reaches the disk with the folder; a failure here loses nothing written.
void SyncFolderOf(const QByteArray &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

[[noreturn]] void FailWith(const QString &fileName, const QString &reason)
{
    throw EIOError(QStringLiteral("Не удалось записать файл %1: %2")
                       .arg(QDir::toNativeSeparators(fileName), reason));
}

} // namespace

TAtomicFileWriter::TAtomicFileWriter(const QString &fileName)
    : fShownName(fileName), fTarget(FollowLinks(fileName))
{
    CreateTemporary();
}

TAtomicFileWriter::~TAtomicFileWriter() { Discard(); }

void TAtomicFileWriter::CreateTemporary()
{
    struct stat old {};
    const bool exists = ::stat(fTarget.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        Fail(QStringLiteral("это не обычный файл, он не будет заменён"));
    fTemporary = fTarget + ".XXXXXX";
    fFd = ::mkostemp(fTemporary.data(), O_CLOEXEC);
    if (fFd < 0) {
        const int error = errno;
        fTemporary.clear();
        Fail(SystemError(error));
    }
    // The new file takes the old one's place with its owner, group and mode; giving a file away
    // needs privileges, and without them the file stays ours, as an editor's save leaves it.
    if (exists) {
        [[maybe_unused]] const int owned = ::fchown(fFd, old.st_uid, old.st_gid);
        ::fchmod(fFd, old.st_mode & 07777);
    } else {
        ::fchmod(fFd, NewFileMode());
    }
}

void TAtomicFileWriter::Write(QByteArrayView data)
{
    if (fFd < 0)
        Fail(QStringLiteral("файл уже закрыт"));
    const QString problem = WriteAll(fFd, data);
    if (!problem.isEmpty())
        Fail(problem);
}

void TAtomicFileWriter::Commit()
{
    if (fFd < 0)
        Fail(QStringLiteral("файл уже закрыт"));
    if (::fsync(fFd) != 0)
        Fail();
    const int fd = fFd;
    fFd = -1;
    if (::close(fd) != 0) // network file systems report late write errors here
        Fail();
    if (::rename(fTemporary.constData(), fTarget.constData()) != 0)
        Fail();
    fTemporary.clear();
    SyncFolderOf(fTarget);
}

void TAtomicFileWriter::Discard()
{
    if (fFd >= 0)
        ::close(fFd);
    fFd = -1;
    if (!fTemporary.isEmpty())
        ::unlink(fTemporary.constData());
    fTemporary.clear();
}

void TAtomicFileWriter::Fail(const QString &reason)
{
    const QString why = reason.isEmpty() ? SystemError(errno) : reason;
    Discard();
    FailWith(fShownName, why);
}

void WriteFileAtomically(const QString &fileName, QByteArrayView data)
{
    TAtomicFileWriter writer(fileName);
    writer.Write(data);
    writer.Commit();
}

void CheckReplaceable(const QString &fileName)
{
    TAtomicFileWriter probe(fileName); // makes its temporary file, and removes it unused
}

void WriteFileInPlace(const QString &fileName, QByteArrayView data)
{
    // Not blocking on a FIFO that nobody reads: the open fails then, and the next write retries.
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        FailWith(fileName, SystemError(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QString problem = WriteAll(fd, data);
    if (::close(fd) != 0 && problem.isEmpty())
        problem = SystemError(errno);
    if (!problem.isEmpty())
        FailWith(fileName, problem);
}
