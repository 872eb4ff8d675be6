#pragma once
// Framesets as a description, apart from any widget: the parser is a pure function of the HTML
// text (and is fuzzed as such), and the sizes of a frameset's cells a pure function of its
// lengths and the space there is.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// One entry of a rows= or cols= list: "120" pixels, "30%" of the space, "*" or "3*" a share of
// what is left.
struct TFrameLength {
    enum class TUnit { Pixels, Percent, Relative };
    TUnit Unit = TUnit::Relative;
    int Value = 1;

    bool operator==(const TFrameLength &) const = default;
};

enum class TFrameScrolling { Auto, Yes, No };

// A <frame>, or a <frameset> whose cells are laid out along Rows (one above the other) or
// side by side. A frameset with both rows= and cols= becomes rows of column framesets.
struct TFrameSetNode {
    bool IsFrameSet = false;
    // A frame:
    QString Name;
    QString Src; // as written; empty for an empty frame
    TFrameScrolling Scrolling = TFrameScrolling::Auto;
    bool NoResize = false;
    // A frameset: one length per item (both lists have the same size).
    bool Rows = false;
    std::vector<TFrameLength> Lengths;
    std::vector<TFrameSetNode> Items;
};

// Bad framesets cost at most this much: deeper nesting and further frames are ignored.
inline constexpr int kMaxFrameSetNesting = 8;
inline constexpr int kMaxFramesPerDocument = 32;

// The lengths of a rows= or cols= value; an entry that is no length counts as "*". At most
// kMaxFramesPerDocument entries.
std::vector<TFrameLength> ParseFrameLengths(QStringView text);

// The document's frameset: its first <frameset> when no <body> comes before it and it holds at
// least one frame. Framesets without frames are dropped; the content of <noframes> is skipped.
std::optional<TFrameSetNode> ParseFrameSet(QStringView html);

// The frames of a frameset in document order (depth first).
std::vector<const TFrameSetNode *> FramesOf(const TFrameSetNode &set);

// The sizes of the cells in total pixels: pixels and percentages first, shrunk together when
// they do not fit, the rest shared by the relative entries by weight (or, without any, spread
// over all cells in proportion). The sizes always add up to total.
std::vector<int> FrameSizes(const std::vector<TFrameLength> &lengths, int total);
