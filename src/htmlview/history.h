#pragma once
// The documents a frame viewer has shown, newest first: index 0 is the newest entry, Index() the
// one on screen. Going back moves to older entries, forward to newer; a new entry drops those
// newer than the one on screen, and the oldest falls off beyond the capacity.

#include "htmlview/framestate.h"

#include <deque>

class TFrameHistory {
public:
    explicit TFrameHistory(int capacity) : fCapacity(capacity) {}

    int Count() const { return int(fEntries.size()); }
    int Index() const { return fIndex; }
    bool CanGoBack() const { return fIndex < Count() - 1; }
    bool CanGoForward() const { return fIndex > 0; }
    // The entry on screen; only while Count() > 0.
    const TFrameState &Current() const { return fEntries[size_t(fIndex)]; }

    // Makes state the newest entry and the one on screen; false (nothing changes) when it is
    // the entry on screen already.
    bool Add(const TFrameState &state);
    // Moves one entry back or forward; false when there is none.
    bool GoBack();
    bool GoForward();

private:
    int fCapacity;
    std::deque<TFrameState> fEntries;
    int fIndex = 0;
};
