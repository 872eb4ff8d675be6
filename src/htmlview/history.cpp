#include "htmlview/history.h"

bool TFrameHistory::Add(const TFrameState &state)
{
    if (Count() > 0 && Current() == state) return false;
    fEntries.erase(fEntries.begin(), fEntries.begin() + fIndex);
    fEntries.push_front(state);
    fIndex = 0;
    while (Count() > fCapacity)
        fEntries.pop_back();
    return true;
}

bool TFrameHistory::GoBack()
{
    if (!CanGoBack()) return false;
    ++fIndex;
    return true;
}

bool TFrameHistory::GoForward()
{
    if (!CanGoForward()) return false;
    --fIndex;
    return true;
}
