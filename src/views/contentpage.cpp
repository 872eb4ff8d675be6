#include "views/contentpage.h"

// Pages that do not follow the song, the list or their showing leave these empty.
void TContentPage::SongChanged(const TExpandedSong &) {}
void TContentPage::ListRebuilt() {}
void TContentPage::PageShown() {}
