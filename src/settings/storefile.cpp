#include "settings/storefile.h"

#include "platform/atomicfile.h"
#include "platform/ioerror.h"
#include "settings/regfile.h"
#include "settings/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtDebug>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int LockWaitMs = 5000;
constexpr int LockRetryMs = 20;

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Empty when the file was read into root, else why it could not be.
QString ReadInto(const QString &path, TRegKey &root)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("не обычный файл");
    if (info.size() > MaxRegFileSize)
        return QStringLiteral("файл слишком велик");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.read(MaxRegFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    const TRegParseResult result = ParseRegFile(bytes, root);
    if (result.Ok)
        return {};
    if (result.ErrorLine == 0)
        return result.Error;
    return QStringLiteral("строка %1: %2").arg(result.ErrorLine).arg(result.Error);
}

QString FreeAsideName(const QString &path)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = path + QStringLiteral(".bad-") + stamp;
    for (int n = 1; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + QStringLiteral(".bad-") + stamp + u'-' + QString::number(n);
    return name;
}

} // namespace

TStoreFileLoad LoadStoreFile(const QString &path, TRegKey &root)
{
    if (!QFileInfo::exists(path)) // also a link to a file not made yet
        return {};
    const QString problem = ReadInto(path, root);
    if (problem.isEmpty())
        return {};
    root = TRegKey();
    const QString aside = FreeAsideName(path);
    if (QDir().rename(path, aside)) {
        qWarning().noquote() << QStringLiteral("Файл настроек %1 не читается (%2); он сохранён как %3")
                                    .arg(path, problem, aside);
        return {aside, {}};
    }
    const QString blocked = QStringLiteral("Файл настроек %1 не читается (%2) и не может быть переименован")
                                .arg(path, problem);
    qWarning().noquote() << blocked;
    return {{}, blocked};
}

void SaveStoreFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    try {
        if (!QDir().mkpath(folder))
            throw EIOError(QStringLiteral("Не удалось создать папку ") + folder);
        WriteFileAtomically(path, bytes);
    } catch (const EIOError &error) {
        throw TSettingsError(QStringLiteral("Не удалось сохранить настройки: ") + error.Message());
    }
}

TStoreLock::TStoreLock(const QString &path)
{
    const QString lockPath = path + QStringLiteral(".lock");
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    Fd_ = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (Fd_ < 0)
        throw TSettingsError(QStringLiteral("Нельзя открыть %1: %2").arg(lockPath, SystemError()));
    for (int waited = 0; ::flock(Fd_, LOCK_EX | LOCK_NB) != 0; waited += LockRetryMs) {
        if (errno != EWOULDBLOCK || waited >= LockWaitMs) {
            const QString why = errno == EWOULDBLOCK ? QStringLiteral("он занят другой программой") : SystemError();
            ::close(Fd_);
            throw TSettingsError(QStringLiteral("Не удалось заблокировать файл настроек %1: %2").arg(path, why));
        }
        QThread::msleep(LockRetryMs);
    }
}

TStoreLock::~TStoreLock()
{
    ::flock(Fd_, LOCK_UN);
    ::close(Fd_);
}
