#include "htmlview/framestate.h"

#include <optional>

namespace {

template <typename TState> TState *Descend(TState &root, const TFramePath &path)
{
    TState *state = &root;
    for (int index : path) {
        if (index < 0 || size_t(index) >= state->Frames.size()) return nullptr;
        state = &state->Frames[size_t(index)];
    }
    return state;
}

// The path of the first frame named name below state (in document order), which is at path.
std::optional<TFramePath> FindNamed(const TFrameState &state, TFramePath path, QStringView name)
{
    for (size_t i = 0; i < state.Frames.size(); ++i) {
        path.push_back(int(i));
        if (state.Frames[i].Name.compare(name, Qt::CaseInsensitive) == 0) return path;
        if (auto found = FindNamed(state.Frames[i], path, name)) return found;
        path.pop_back();
    }
    return std::nullopt;
}

} // namespace

const TFrameState *FrameAt(const TFrameState &root, const TFramePath &path)
{
    return Descend(root, path);
}

TFrameState *FrameAt(TFrameState &root, const TFramePath &path)
{
    return Descend(root, path);
}

TFramePath ResolveTarget(const TFrameState &root, const TFramePath &from, QStringView target)
{
    if (target.isEmpty() || target.compare(u"_self", Qt::CaseInsensitive) == 0) return from;
    if (target.compare(u"_parent", Qt::CaseInsensitive) == 0)
        return from.empty() ? from : TFramePath(from.begin(), from.end() - 1);
    if (target.startsWith(u'_')) // _top, _blank and the reserved names we do not know
        return {};
    for (TFramePath above = from;; above.pop_back()) {
        const TFrameState *state = FrameAt(root, above);
        if (state && state->Name.compare(target, Qt::CaseInsensitive) == 0) return above;
        if (state)
            if (auto found = FindNamed(*state, above, target)) return *found;
        if (above.empty()) return {};
    }
}

int DocumentCount(const TFrameState &state)
{
    int count = state.File.isEmpty() ? 0 : 1;
    for (const TFrameState &frame : state.Frames)
        count += DocumentCount(frame);
    return count;
}
