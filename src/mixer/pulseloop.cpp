#include "mixer/pulseloop.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <algorithm>
#include <poll.h>

TPulseLoop::TPulseLoop() : fLoop(pa_mainloop_new())
{
    pa_mainloop_set_poll_func(fLoop, &TPulseLoop::Poll, this);
    fTimer.setSingleShot(true);
    connect(&fTimer, &QTimer::timeout, this, &TPulseLoop::Iterate);
}

TPulseLoop::~TPulseLoop()
{
    qDeleteAll(fNotifiers);
    pa_mainloop_free(fLoop);
}

int TPulseLoop::Poll(pollfd *descriptors, unsigned long count, int timeout, void *self)
{
    auto *loop = static_cast<TPulseLoop *>(self);
    if (loop->fBlockingMs >= 0) {
        const int wait = timeout < 0 ? loop->fBlockingMs : std::min(timeout, loop->fBlockingMs);
        return poll(descriptors, count, wait);
    }
    return loop->Watch(descriptors, count, timeout);
}

// Hands the descriptors and the next timer to Qt, then takes whatever is ready now.
int TPulseLoop::Watch(pollfd *descriptors, unsigned long count, int timeout)
{
    const std::vector<pollfd> wanted(descriptors, descriptors + count);
    const auto same = [](const pollfd &a, const pollfd &b) {
        return a.fd == b.fd && a.events == b.events;
    };
    if (!std::equal(wanted.begin(), wanted.end(), fWatched.begin(), fWatched.end(), same)) {
        for (QSocketNotifier *old : fNotifiers) {
            old->setEnabled(false);
            old->deleteLater(); // it may be the one whose signal runs this
        }
        fNotifiers.clear();
        for (const pollfd &descriptor : wanted) {
            for (auto type : {QSocketNotifier::Read, QSocketNotifier::Write}) {
                if (!(descriptor.events & (type == QSocketNotifier::Read ? POLLIN : POLLOUT)))
                    continue;
                auto *notifier = new QSocketNotifier(descriptor.fd, type, this);
                connect(notifier, &QSocketNotifier::activated, this, &TPulseLoop::Iterate);
                fNotifiers.push_back(notifier);
            }
        }
        fWatched = wanted;
    }
    if (timeout >= 0)
        fTimer.start(timeout);
    else
        fTimer.stop();
    return poll(descriptors, count, 0);
}

void TPulseLoop::Iterate()
{
    if (fIterating) return;
    fIterating = true;
    if (pa_mainloop_prepare(fLoop, -1) >= 0 && pa_mainloop_poll(fLoop) >= 0)
        pa_mainloop_dispatch(fLoop);
    fIterating = false;
}

bool TPulseLoop::RunUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = limitMs - clock.elapsed();
        if (left <= 0) return false;
        fBlockingMs = int(left);
        Iterate();
        fBlockingMs = -1;
    }
    Iterate(); // hands the descriptors back to Qt
    return true;
}
