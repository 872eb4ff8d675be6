#pragma once
// Windows thread priority levels (-15 idle .. 15 time critical) applied to a Linux thread.

#include <sys/types.h>

namespace mpegdll {

// The nice value for a level: -15 -> 19, -2 -> 10, -1 -> 5, 0 -> 0, 1 -> -5, 2 -> -10,
// 15 -> -20; levels between the table's are taken to the nearer normal side.
int niceForLevel(int level);

// Gives thread `tid` the level's scheduling. Time critical asks for SCHED_RR first. Where the
// process may not go that high, the thread gets the highest priority it may; never fails.
void applyPriority(pid_t tid, int level);

} // namespace mpegdll
