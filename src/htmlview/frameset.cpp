#include "htmlview/frameset.h"

#include "htmlview/htmltags.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kMaxLengthValue = 1000000;

// The leading digits of text (a fraction is dropped), or fallback when there are none.
int LeadingNumber(QStringView text, int fallback)
{
    qsizetype pos = 0;
    int value = 0;
    while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = qMin(kMaxLengthValue, value * 10 + (text[pos].unicode() - u'0'));
        ++pos;
    }
    return pos == 0 ? fallback : value;
}

TFrameLength ParseLength(QStringView text)
{
    using TUnit = TFrameLength::TUnit;
    if (text.endsWith(u'*')) return {TUnit::Relative, LeadingNumber(text.chopped(1).trimmed(), 1)};
    if (text.endsWith(u'%')) return {TUnit::Percent, LeadingNumber(text.chopped(1).trimmed(), 0)};
    const int pixels = LeadingNumber(text, -1);
    return pixels < 0 ? TFrameLength{} : TFrameLength{TUnit::Pixels, pixels};
}

TFrameSetNode FrameOf(const THtmlTag &tag)
{
    TFrameSetNode frame;
    frame.Name = tag.Attr(u"name").value_or(QString()).trimmed();
    frame.Src = tag.Attr(u"src").value_or(QString()).trimmed();
    const QString scrolling = tag.Attr(u"scrolling").value_or(QString()).trimmed().toLower();
    frame.Scrolling = scrolling == u"yes"  ? TFrameScrolling::Yes
                      : scrolling == u"no" ? TFrameScrolling::No
                                           : TFrameScrolling::Auto;
    frame.NoResize = tag.Find(u"noresize") != nullptr;
    return frame;
}

// An open <frameset>, with both lists as given until its end tag decides its shape.
struct TOpenFrameSet {
    std::vector<TFrameLength> Rows;
    std::vector<TFrameLength> Cols;
    std::vector<TFrameSetNode> Items;
};

TFrameSetNode MakeFrameSet(bool rows, std::vector<TFrameLength> lengths,
                           std::vector<TFrameSetNode> items)
{
    TFrameSetNode set;
    set.IsFrameSet = true;
    set.Rows = rows;
    const size_t cells = std::min(lengths.size(), items.size());
    lengths.resize(cells);
    items.resize(cells);
    set.Lengths = std::move(lengths);
    set.Items = std::move(items);
    return set;
}

// The frameset an end tag closes: one list lays out its items; both make rows of columns,
// filled row by row; neither is one cell.
TFrameSetNode Finish(TOpenFrameSet open)
{
    if (open.Rows.empty() && open.Cols.empty())
        return MakeFrameSet(true, {TFrameLength{}}, std::move(open.Items));
    if (open.Rows.empty() || open.Cols.empty()) {
        const bool rows = !open.Rows.empty();
        return MakeFrameSet(rows, rows ? open.Rows : open.Cols, std::move(open.Items));
    }
    std::vector<TFrameSetNode> rows;
    for (size_t first = 0; first < open.Items.size() && rows.size() < open.Rows.size();
         first += open.Cols.size()) {
        const size_t last = std::min(first + open.Cols.size(), open.Items.size());
        std::vector<TFrameSetNode> cells(std::make_move_iterator(open.Items.begin() + first),
                                         std::make_move_iterator(open.Items.begin() + last));
        rows.push_back(MakeFrameSet(false, open.Cols, std::move(cells)));
    }
    return MakeFrameSet(true, open.Rows, std::move(rows));
}

class TFrameSetParser {
public:
    bool Visit(const THtmlTag &tag);
    std::optional<TFrameSetNode> Result();

private:
    void Open(const THtmlTag &tag);
    // Closes the innermost frameset; false once the outermost has closed.
    bool Close();

    std::vector<TOpenFrameSet> fOpen;
    std::optional<TFrameSetNode> fResult;
    int fIgnoredDepth = 0;
    int fFrames = 0;
    bool fInNoFrames = false;
};

bool TFrameSetParser::Visit(const THtmlTag &tag)
{
    if (tag.Name == u"noframes") fInNoFrames = !tag.Closing;
    if (fInNoFrames) return true;
    if (fOpen.empty()) {
        if (tag.Name == u"frameset" && !tag.Closing) Open(tag);
        return !(tag.Name == u"body" && !tag.Closing);
    }
    if (tag.Name == u"frameset") {
        if (!tag.Closing)
            Open(tag);
        else if (fIgnoredDepth > 0)
            --fIgnoredDepth;
        else
            return Close();
    } else if (tag.Name == u"frame" && !tag.Closing && fIgnoredDepth == 0 &&
               fFrames < kMaxFramesPerDocument) {
        fOpen.back().Items.push_back(FrameOf(tag));
        ++fFrames;
    }
    return true;
}

void TFrameSetParser::Open(const THtmlTag &tag)
{
    if (fOpen.size() >= size_t(kMaxFrameSetNesting) || fIgnoredDepth > 0) {
        ++fIgnoredDepth;
        return;
    }
    fOpen.push_back({ParseFrameLengths(tag.Attr(u"rows").value_or(QString())),
                     ParseFrameLengths(tag.Attr(u"cols").value_or(QString())),
                     {}});
}

bool TFrameSetParser::Close()
{
    TFrameSetNode set = Finish(std::move(fOpen.back()));
    fOpen.pop_back();
    if (fOpen.empty()) {
        if (!set.Items.empty()) fResult = std::move(set);
        return false;
    }
    if (!set.Items.empty()) fOpen.back().Items.push_back(std::move(set));
    return true;
}

std::optional<TFrameSetNode> TFrameSetParser::Result()
{
    // A text that ends inside its framesets closes them all.
    fIgnoredDepth = 0;
    while (!fOpen.empty() && Close()) {
    }
    return std::move(fResult);
}

void CollectFrames(const TFrameSetNode &node, std::vector<const TFrameSetNode *> &frames)
{
    if (!node.IsFrameSet) {
        frames.push_back(&node);
        return;
    }
    for (const TFrameSetNode &item : node.Items)
        CollectFrames(item, frames);
}

// Splits amount in proportion to weights (all zero: evenly); the parts add up to amount.
std::vector<int> Distribute(int amount, std::vector<std::int64_t> weights)
{
    std::int64_t sum = 0;
    for (std::int64_t w : weights)
        sum += w;
    if (sum == 0) {
        std::fill(weights.begin(), weights.end(), 1);
        sum = std::int64_t(weights.size());
    }
    std::vector<int> parts;
    std::int64_t cumulative = 0;
    int given = 0;
    for (std::int64_t w : weights) {
        cumulative += w;
        const int upTo =
            cumulative == sum ? amount : int(std::floor(double(cumulative) * amount / double(sum)));
        parts.push_back(upTo - given);
        given = upTo;
    }
    return parts;
}

} // namespace

std::vector<TFrameLength> ParseFrameLengths(QStringView text)
{
    std::vector<TFrameLength> lengths;
    for (QStringView part : text.split(u',')) {
        part = part.trimmed();
        if (part.isEmpty()) continue;
        if (lengths.size() >= size_t(kMaxFramesPerDocument)) break;
        lengths.push_back(ParseLength(part));
    }
    return lengths;
}

std::optional<TFrameSetNode> ParseFrameSet(QStringView html)
{
    TFrameSetParser parser;
    ScanHtmlTags(html, [&parser](const THtmlTag &tag) { return parser.Visit(tag); });
    return parser.Result();
}

std::vector<const TFrameSetNode *> FramesOf(const TFrameSetNode &set)
{
    std::vector<const TFrameSetNode *> frames;
    CollectFrames(set, frames);
    return frames;
}

std::vector<int> FrameSizes(const std::vector<TFrameLength> &lengths, int total)
{
    using TUnit = TFrameLength::TUnit;
    total = qMax(total, 0);
    std::vector<std::int64_t> fixed;
    std::vector<std::int64_t> shares;
    std::int64_t fixedSum = 0;
    bool anyRelative = false;
    bool anyShare = false;
    for (const TFrameLength &length : lengths) {
        const bool relative = length.Unit == TUnit::Relative;
        fixed.push_back(length.Unit == TUnit::Pixels ? length.Value
                        : relative                   ? 0
                                                     : std::int64_t(length.Value) * total / 100);
        shares.push_back(relative ? length.Value : 0);
        fixedSum += fixed.back();
        anyRelative = anyRelative || relative;
        anyShare = anyShare || (relative && length.Value > 0);
    }
    if (fixedSum >= total || !anyRelative)
        return Distribute(total, fixed); // shrunk or grown together
    if (!anyShare)                       // only "0*" entries: they share the rest evenly
        for (size_t i = 0; i < lengths.size(); ++i)
            shares[i] = lengths[i].Unit == TUnit::Relative ? 1 : 0;
    std::vector<int> sizes = Distribute(int(total - fixedSum), shares);
    for (size_t i = 0; i < sizes.size(); ++i)
        sizes[i] += int(fixed[i]);
    return sizes;
}
