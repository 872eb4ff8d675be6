#pragma once
// A PulseAudio main loop driven by Qt's event loop: libpulse's own loop, whose descriptors are
// watched with QSocketNotifier and whose next timer is a QTimer, so the sound server's callbacks
// run on this thread between other events. RunUntil drives it alone, blocking, for the short
// handshake when connecting.

#include <QObject>
#include <QTimer>
#include <functional>
#include <pulse/mainloop.h>
#include <vector>

class QSocketNotifier;

class TPulseLoop : public QObject {
    Q_OBJECT
public:
    TPulseLoop();
    ~TPulseLoop() override;

    pa_mainloop_api *Api() { return pa_mainloop_get_api(fLoop); }

    // Runs the loop until done() holds or limitMs passed; tells whether done() held.
    bool RunUntil(const std::function<bool()> &done, int limitMs);

private:
    static int Poll(pollfd *descriptors, unsigned long count, int timeout, void *self);
    int Watch(pollfd *descriptors, unsigned long count, int timeout);
    void Iterate();

    pa_mainloop *fLoop;
    std::vector<QSocketNotifier *> fNotifiers; // children
    std::vector<pollfd> fWatched;              // what the notifiers watch
    QTimer fTimer;
    int fBlockingMs = -1; // >= 0 while RunUntil drives the loop: how long one poll may wait
    bool fIterating = false;
};
