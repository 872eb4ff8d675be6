#pragma once
// What a frame viewer shows, as plain data: the document of the whole view and, when that is a
// frameset, the frames within it, each again with its document and frames. One state is one
// entry of the history; a link's target is found in it by name.

#include <QString>
#include <QStringView>
#include <vector>

struct TFrameState {
    QString Name;                    // the frame's name=, empty for the whole view
    QString File;                    // full path of the document, empty for an empty frame
    QString Fragment;                // the place in the document ("#name"), empty for its top
    std::vector<TFrameState> Frames; // in document order; empty unless File is a frameset

    bool operator==(const TFrameState &) const = default;
};

// A frame within a state: the positions in Frames from the whole view down; empty is the view.
using TFramePath = std::vector<int>;

// The frame at path, or nullptr when the state has none there.
const TFrameState *FrameAt(const TFrameState &root, const TFramePath &path);
TFrameState *FrameAt(TFrameState &root, const TFramePath &path);

// The frame a link in frame from opens into: "" and "_self" the frame itself, "_parent" the frame
// holding its frameset, "_top" the whole view, a name the nearest frame of that name (looked for
// without regard to case, first below from, then below each frame further up). "_blank" and names
// no frame has open in the whole view: it has no other window to open.
TFramePath ResolveTarget(const TFrameState &root, const TFramePath &from, QStringView target);

// How many frames of the state show a document (the whole view counts).
int DocumentCount(const TFrameState &state);
