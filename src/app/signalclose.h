#pragma once
// Turns SIGTERM and SIGINT into a call on the user-interface thread: the signal handler only
// writes a byte into a pipe, and a socket notifier on the event loop reads it and calls onSignal.

#include <QObject>
#include <functional>

class QSocketNotifier;

class TSignalCloser : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one instance may exist at a time.
    explicit TSignalCloser(std::function<void()> onSignal, QObject *parent = nullptr);
    ~TSignalCloser() override;

private:
    void ReadSignal();

    std::function<void()> fOnSignal;
    QSocketNotifier *fNotifier = nullptr;
};
