// The HTML view's readers on arbitrary bytes: character set, frameset, the document's head and
// links, and where its links lead. The shape of every frameset found is checked as well: each
// length has its cell, the nesting and the frames stay within their limits, and the cells'
// sizes are never negative and add up to the space there is.
#include "htmlview/charset.h"
#include "htmlview/document.h"
#include "htmlview/frameset.h"
#include "htmlview/links.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void CheckSizes(const TFrameSetNode &set, int total)
{
    const std::vector<int> sizes = FrameSizes(set.Lengths, total);
    long long sum = 0;
    for (int size : sizes) {
        if (size < 0) abort();
        sum += size;
    }
    if (sizes.size() != set.Lengths.size() || (!sizes.empty() && sum != total)) abort();
}

void CheckFrameSet(const TFrameSetNode &set, int depth, int total)
{
    // A frameset with both rows= and cols= is two levels: rows of column framesets.
    if (depth > 2 * kMaxFrameSetNesting || set.Items.empty() ||
        set.Items.size() != set.Lengths.size())
        abort();
    CheckSizes(set, total);
    for (const TFrameSetNode &item : set.Items)
        if (item.IsFrameSet) CheckFrameSet(item, depth + 1, total / 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString html = DecodeHtml(bytes);
    const TPreparedDocument document = PrepareDocument(html);
    const QUrl base = DocumentBase(QStringLiteral("/disc/html/index.htm"), document.BaseHref);
    if (const std::optional<TFrameSetNode> set = ParseFrameSet(html)) {
        CheckFrameSet(*set, 1, size > 0 ? int(data[0]) * 37 : 800);
        const std::vector<const TFrameSetNode *> frames = FramesOf(*set);
        if (frames.size() > size_t(kMaxFramesPerDocument)) abort();
        for (const TFrameSetNode *frame : frames)
            ResolveLink(base, frame->Src);
    }
    for (size_t i = 0; i < document.Links.size(); ++i) {
        ResolveLink(base, document.Links[i].Href);
        if (LinkIndexOfToken(LinkToken(int(i))) != int(i)) abort();
    }
    return 0;
}
