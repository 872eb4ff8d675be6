// Framesets as text: their lengths, their shape, and the sizes of their cells.
#include "htmlview/frameset.h"

#include "printqstring.h"
#include <gtest/gtest.h>

namespace {

using TUnit = TFrameLength::TUnit;

// A frameset in short: "rows(a,b)" / "cols(a,b)" around frame names.
std::string Shape(const TFrameSetNode &node)
{
    if (!node.IsFrameSet) return node.Name.toStdString();
    std::string text = node.Rows ? "rows(" : "cols(";
    for (size_t i = 0; i < node.Items.size(); ++i)
        text += (i ? "," : "") + Shape(node.Items[i]);
    return text + ")";
}

std::string ShapeOf(const QString &html)
{
    const std::optional<TFrameSetNode> set = ParseFrameSet(html);
    return set ? Shape(*set) : "none";
}

} // namespace

TEST(FrameLengths, AreReadLikeBrowsersReadThem)
{
    const struct {
        const char *Text;
        std::vector<TFrameLength> Lengths;
    } cases[] = {
        {"120,30%,*,3*",
         {{TUnit::Pixels, 120}, {TUnit::Percent, 30}, {TUnit::Relative, 1}, {TUnit::Relative, 3}}},
        {" 50 % , 2 * ,0*", {{TUnit::Percent, 50}, {TUnit::Relative, 2}, {TUnit::Relative, 0}}},
        {"100px,12.7,x", {{TUnit::Pixels, 100}, {TUnit::Pixels, 12}, {TUnit::Relative, 1}}},
        {"99999999999,,", {{TUnit::Pixels, 1000000}}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseFrameLengths(QString(c.Text)), c.Lengths) << c.Text;
    EXPECT_EQ(ParseFrameLengths(QString("*,").repeated(100)).size(), size_t(kMaxFramesPerDocument));
}

TEST(FrameSizes, ShareTheSpaceAndAlwaysAddUp)
{
    const struct {
        const char *Text;
        int Total;
        std::vector<int> Sizes;
    } cases[] = {
        {"100,*", 500, {100, 400}},
        {"30%,*", 1000, {300, 700}},
        {"*,2*,*", 400, {100, 200, 100}},
        {"100,25%,*,3*", 900, {100, 225, 143, 432}},
        {"300,400", 500, {214, 286}}, // too large: shrunk together
        {"100,100", 400, {200, 200}}, // too small and nothing relative: grown together
        {"60%,60%", 100, {50, 50}},
        {"100,0*,0*", 300, {100, 100, 100}},
        {"0,0", 10, {5, 5}},
        {"*,*,*", 10, {3, 3, 4}},
        {"1000000,1000000", 2000000000, {1000000000, 1000000000}},
        {"100,*", -5, {0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FrameSizes(ParseFrameLengths(QString(c.Text)), c.Total), c.Sizes) << c.Text;
}

TEST(FrameSetParser, FindsTheShapeOfTheFrameset)
{
    const struct {
        const char *Html;
        const char *Shape;
    } cases[] = {
        {"<frameset cols=\"30%,*\"><frame name=a><frame name=b></frameset>", "cols(a,b)"},
        {"<FRAMESET ROWS=50,*><FRAME NAME=a><FRAMESET COLS=*,*><FRAME NAME=b><FRAME NAME=c>"
         "</FRAMESET></FRAMESET>",
         "rows(a,cols(b,c))"},
        // both lists: rows of columns, filled row by row; the last row may be short
        {"<frameset rows=*,* cols=*,*><frame name=a><frame name=b><frame name=c></frameset>",
         "rows(cols(a,b),cols(c))"},
        {"<frameset><frame name=a><frame name=b></frameset>", "rows(a)"},
        {"<frameset cols=*,*,*><frame name=a></frameset>", "cols(a)"},
        {"<frameset cols=*,*><frame name=a><noframes><frame name=x></noframes><frame name=b>",
         "cols(a,b)"}, // cut off: still a frameset
        {"<frameset cols=*,*><frameset rows=*></frameset><frame name=a></frameset>", "cols(a)"},
        {"<!-- <frameset cols=*><frame name=x></frameset> --><body><frameset cols=*><frame name=a>",
         "none"},
        {"<script>'<frameset cols=*><frame name=x>'</script><p>text</p>", "none"},
        {"<frameset cols=*></frameset>", "none"},
        {"<p>no frames</p>", "none"},
        {"<frameset cols=*><frame name=a></frameset><frameset cols=*><frame name=b></frameset>",
         "cols(a)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ShapeOf(c.Html), c.Shape) << c.Html;
}

TEST(FrameSetParser, ReadsEachFramesAttributes)
{
    const auto set = ParseFrameSet(QString(
        "<frameset cols='*,*,*'><frame name=' menu ' src=\"a&amp;b.htm\" scrolling=NO noresize>"
        "<frame src=b.htm scrolling=yes><frame></frameset>"));
    ASSERT_TRUE(set);
    const std::vector<const TFrameSetNode *> frames = FramesOf(*set);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0]->Name, "menu");
    EXPECT_EQ(frames[0]->Src, "a&b.htm");
    EXPECT_EQ(frames[0]->Scrolling, TFrameScrolling::No);
    EXPECT_TRUE(frames[0]->NoResize);
    EXPECT_EQ(frames[1]->Scrolling, TFrameScrolling::Yes);
    EXPECT_FALSE(frames[1]->NoResize);
    EXPECT_EQ(frames[2]->Src, "");
    EXPECT_EQ(frames[2]->Scrolling, TFrameScrolling::Auto);
}

TEST(FrameSetParser, BadFramesetsCostLittle)
{
    QString deep;
    for (int i = 0; i < 10000; ++i)
        deep += "<frameset rows=*,*><frame name=f>";
    const auto nested = ParseFrameSet(deep);
    ASSERT_TRUE(nested);
    int depth = 0;
    for (const TFrameSetNode *node = &*nested; node->IsFrameSet; node = &node->Items.back())
        ++depth;
    EXPECT_EQ(depth, kMaxFrameSetNesting);

    const auto wide = ParseFrameSet("<frameset cols=\"" + QString("*,").repeated(500) + "\">" +
                                    QString("<frame>").repeated(500));
    ASSERT_TRUE(wide);
    EXPECT_EQ(FramesOf(*wide).size(), size_t(kMaxFramesPerDocument));
}
