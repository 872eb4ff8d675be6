#include "app/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 2000;
// A client that sends no complete line in this time is dropped.
constexpr int kClientMs = 5000;

// A folder of the user's own under the temporary folder, made when missing; empty when the name
// belongs to someone else (a socket there could be another user's listener).
QString PrivateTempFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/lorvanta-%1").arg(::getuid());
    QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != ::getuid())
        return QString();
    return folder;
}

} // namespace

QString InstanceSocketPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = PrivateTempFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/lorvanta.socket");
}

TSingleInstance::TSingleInstance(QString socketPath, QObject *parent)
    : QObject(parent), fSocketPath(std::move(socketPath))
{
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::Claim(const QString &fileName)
{
    if (fSocketPath.isEmpty())
        return true;
    // Two programs started together must not both find no listener and both listen.
    QLockFile lock(fSocketPath + QStringLiteral(".lock"));
    lock.tryLock(kConnectMs + kWriteMs);
    if (HandOver(fileName))
        return false;
    Listen();
    return true;
}

bool TSingleInstance::HandOver(const QString &fileName)
{
    QLocalSocket socket;
    socket.connectToServer(fSocketPath);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(fileName.toUtf8() + '\n');
    const bool written = socket.waitForBytesWritten(kWriteMs);
    socket.disconnectFromServer();
    return written;
}

void TSingleInstance::Listen()
{
    // Nobody answered: what is there is a stale socket of a program that ended without removing it.
    QLocalServer::removeServer(fSocketPath);
    fServer = new QLocalServer(this);
    fServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(fServer, &QLocalServer::newConnection, this, &TSingleInstance::Accept);
    if (!fServer->listen(fSocketPath)) {
        delete fServer; // this program runs on its own; later ones will too
        fServer = nullptr;
    }
}

void TSingleInstance::Accept()
{
    while (QLocalSocket *socket = fServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kClientMs, socket, [socket] { socket->abort(); });
        Read(socket); // what arrived with the connection
    }
}

void TSingleInstance::Read(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        // The bytes stay in the socket's buffer until their line is complete, within bounds.
        if (socket->bytesAvailable() > MaxMessageSize)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(MaxMessageSize);
    socket->abort(); // one message per connection
    if (!line.endsWith('\n'))
        return; // longer than any path
    Deliver(QString::fromUtf8(line.chopped(1)));
}

void TSingleInstance::Deliver(const QString &fileName)
{
    if (fReceiver)
        fReceiver(fileName);
    else
        fWaiting << fileName;
}

void TSingleInstance::SetReceiver(std::function<void(const QString &fileName)> receiver)
{
    fReceiver = std::move(receiver);
    for (const QString &fileName : std::exchange(fWaiting, {}))
        fReceiver(fileName);
}
