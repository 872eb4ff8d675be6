#pragma once
// The JSON documents lorvanta-list prints. Every field is always present; "" when not given.

#include "cli/listcheck.h"
#include "cli/listinput.h"
#include "library/expandedsong.h"
#include "library/taginfo.h"

#include <QByteArray>

// {"type":..,"about":..,"photos":..,"html":..,"clips":..,"artists":[{..,"albums":[{..,"songs":[..]}]}]}
QByteArray ListJson(const TLoadedList &list);
// {"artists":N,"albums":N,"songs":N}, songs counted in the flattened play list.
QByteArray SummaryJson(const TArtistColl &artists, const TExpandedSongColl &playList);
// {"title":..,"artist":..,"album":..,"year":..,"comment":..,"genre":..,"fileSize":N}
QByteArray TagsJson(const TMP3TagInfo &info);
// One problem of the check, on one line: {"file":..,"problem":..,"detail":..,"found":..,
// "entry":{"section":..,"key":..,"artist":N,"album":N,"song":N,"title":..}}
QByteArray CheckProblemJson(const TCheckProblem &problem);
