#pragma once
// One player per user: the first program started listens on a local socket in the user's runtime
// folder; a later one hands the file it was asked to open (empty: none) to it and ends. A socket
// left behind by a program that crashed answers no connection and is taken over.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

// The socket's path: in $XDG_RUNTIME_DIR, else in a folder of the user's own under the temporary
// folder. Empty when no such private place can be had (then every program runs on its own).
QString InstanceSocketPath();

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // Longest message taken from the socket: a path and its line end.
    static constexpr qsizetype MaxMessageSize = 64 * 1024;

    explicit TSingleInstance(QString socketPath = InstanceSocketPath(), QObject *parent = nullptr);
    ~TSingleInstance() override;

    // Hands fileName to the running program and returns false when there is one; otherwise
    // starts listening and returns true: this program is the one that runs.
    bool Claim(const QString &fileName);
    // Where handed files go; those that arrived before are delivered at once, in order.
    void SetReceiver(std::function<void(const QString &fileName)> receiver);

private:
    bool HandOver(const QString &fileName);
    void Listen();
    void Accept();
    void Read(QLocalSocket *socket);
    void Deliver(const QString &fileName);

    QString fSocketPath;
    QLocalServer *fServer = nullptr;
    std::function<void(const QString &)> fReceiver;
    QStringList fWaiting; // handed before there was a receiver
};
