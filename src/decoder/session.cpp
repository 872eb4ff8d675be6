#include "decoder/session.h"

#include "decoder/priority.h"

#include <unistd.h>

namespace mpegdll {

Session::~Session() { stop(); }

void Session::start()
{
    prime();
    thread_ = std::thread(&Session::threadMain, this);
}

void Session::threadMain()
{
    tid_.store(gettid());
    applyPriority(gettid(), priority_.load());
    run();
    finished_.store(true, std::memory_order_release);
}

void Session::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void Session::pause()
{
    pauseOutput(true); // outside mutex_: the device lock comes first
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void Session::resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    pauseOutput(false);
    wake_.notify_all();
}

void Session::wakeThread()
{
    std::lock_guard lock(mutex_);
    wake_.notify_all();
}

void Session::setPriority(int level)
{
    priority_.store(level);
    if (const pid_t tid = tid_.load(); tid != 0 && !finished())
        applyPriority(tid, level);
}

void Session::signalEnd()
{
    if (params_.endByte)
        __atomic_store_n(params_.endByte, 1, __ATOMIC_RELEASE);
}

} // namespace mpegdll
