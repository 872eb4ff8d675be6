#include "decoder/priority.h"

#include <algorithm>
#include <cerrno>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace mpegdll {

int niceForLevel(int level)
{
    if (level <= -15)
        return 19;
    if (level >= 15)
        return -20;
    switch (std::clamp(level, -2, 2)) {
    case -2: return 10;
    case -1: return 5;
    case 1: return -5;
    case 2: return -10;
    default: return 0;
    }
}

namespace {

bool trySetNice(pid_t tid, int nice)
{
    return setpriority(PRIO_PROCESS, static_cast<id_t>(tid), nice) == 0;
}

// The lowest nice value the thread may take: its own, or 20 - RLIMIT_NICE when that is lower.
int lowestAllowedNice(pid_t tid)
{
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
    struct rlimit limit;
    if (getrlimit(RLIMIT_NICE, &limit) != 0)
        return current;
    if (limit.rlim_cur == RLIM_INFINITY)
        return -20;
    const int byLimit = 20 - static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 40));
    return std::clamp(std::min(current, byLimit), -20, 19);
}

bool tryRealtime(pid_t tid)
{
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    return sched_setscheduler(tid, SCHED_RR, &param) == 0;
}

void leaveRealtime(pid_t tid)
{
    sched_param param{};
    sched_setscheduler(tid, SCHED_OTHER, &param);
}

} // namespace

void applyPriority(pid_t tid, int level)
{
    if (level >= 15 && tryRealtime(tid))
        return;
    if (level < 15)
        leaveRealtime(tid);
    const int wanted = niceForLevel(level);
    if (!trySetNice(tid, wanted))
        trySetNice(tid, std::max(wanted, lowestAllowedNice(tid)));
}

} // namespace mpegdll
