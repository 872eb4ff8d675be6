// Where links lead: their destination, the frame they target, and the links of a document.
#include "htmlview/document.h"
#include "htmlview/framestate.h"
#include "htmlview/links.h"

#include "printqstring.h"
#include <gtest/gtest.h>

TEST(Links, DestinationsAreResolvedAgainstTheDocumentsBase)
{
    using enum TLinkDestination::TKind;
    const QUrl page = DocumentBase("/disc/html/page.htm", u"");
    const struct {
        QUrl Base;
        const char *Href;
        TLinkDestination::TKind Kind;
        const char *Where; // the file (Local) or the URL (External)
        const char *Fragment;
    } cases[] = {
        {page, "veter.htm", Local, "/disc/html/veter.htm", ""},
        {page, "..\\Veter\\Sneg.HTM#top", Local, "/disc/Veter/Sneg.HTM", "top"},
        {page, "#end", Local, "/disc/html/page.htm", "end"},
        {page, "", Local, "/disc/html/page.htm", ""},
        {page, "my%20page.htm", Local, "/disc/html/my page.htm", ""},
        {page, "Песни/текст.htm", Local, "/disc/html/Песни/текст.htm", ""},
        {page, "/other/x.htm", Local, "/other/x.htm", ""},
        {page, "file:///disc/y.htm", Local, "/disc/y.htm", ""},
        {page, "E:\\html\\x.htm", Local, "E:\\html\\x.htm", ""},
        {DocumentBase("/disc/html/page.htm", u"../base/"), "x.htm", Local, "/disc/base/x.htm", ""},
        {page, "http://example.org/a?b=1", External, "http://example.org/a?b=1", ""},
        {page, "HTTPS://example.org", External, "https://example.org", ""},
        {page, "mailto:band@example.org", External, "mailto:band@example.org", ""},
        {DocumentBase("/disc/page.htm", u"http://example.org/site/"), "x.htm", External,
         "http://example.org/site/x.htm", ""},
        {page, "javascript:history.back()", Nowhere, "", ""},
        {page, "about:blank", Nowhere, "", ""},
    };
    for (const auto &c : cases) {
        const TLinkDestination d = ResolveLink(c.Base, QString(c.Href));
        EXPECT_EQ(d.Kind, c.Kind) << c.Href;
        EXPECT_EQ(d.Kind == External ? d.Url.toString() : d.File, c.Where) << c.Href;
        EXPECT_EQ(d.Fragment, c.Fragment) << c.Href;
    }
}

TEST(Links, KindsOfFilesByExtension)
{
    EXPECT_EQ(DocumentKindOf("/d/a.HTM"), TDocumentKind::Html);
    EXPECT_EQ(DocumentKindOf("/d/readme"), TDocumentKind::Html);
    EXPECT_EQ(DocumentKindOf("/d/a.txt"), TDocumentKind::PlainText);
    EXPECT_EQ(DocumentKindOf("/d/a.Jpeg"), TDocumentKind::Image);
    EXPECT_EQ(DocumentKindOf("/d/song.mp3"), TDocumentKind::Other);
}

TEST(Links, TargetsNameFramesNearestFirst)
{
    // view: frameset of nav, body; body: frameset of left, right; right: frameset of nav, main
    const TFrameState view{
        "",
        "/i.htm",
        "",
        {{"nav", "/n.htm", "", {}},
         {"body",
          "/b.htm",
          "",
          {{"left", "/l.htm", "", {}},
           {"right", "/r.htm", "", {{"nav", "/n2.htm", "", {}}, {"Main", "/m.htm", "", {}}}}}}}};
    const struct {
        TFramePath From;
        const char *Target;
        TFramePath Opened;
    } cases[] = {
        {{1, 0}, "", {1, 0}},           {{1, 0}, "_self", {1, 0}},  {{1, 0}, "_parent", {1}},
        {{1, 1, 0}, "_PARENT", {1, 1}}, {{}, "_parent", {}},        {{1, 0}, "_top", {}},
        {{1, 0}, "_blank", {}},         {{1, 0}, "_unknown", {}},   {{1, 0}, "main", {1, 1, 1}},
        {{1, 1, 1}, "nav", {1, 1, 0}},  {{1, 0}, "nav", {1, 1, 0}}, {{0}, "nav", {0}},
        {{1, 0}, "body", {1}},          {{1, 0}, "nowhere", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ResolveTarget(view, c.From, QString(c.Target)), c.Opened) << c.Target;
    EXPECT_EQ(DocumentCount(view), 7);
    EXPECT_EQ(FrameAt(view, {1, 1, 1})->File, "/m.htm");
    EXPECT_EQ(FrameAt(view, {1, 2}), nullptr);
}

TEST(PreparedDocument, LinksBecomeTokensAndTheHeadIsRead)
{
    const TPreparedDocument doc = PrepareDocument(
        u"<head><title> Диск \n «Ветер» </title><base href=\"../\" target=main><base "
        u"target=x></head>"
        u"<a name=top>Верх</a> <a href=' a.htm ' target=_top>A</a> <A HREF=b.htm?x&amp;y>B</A> "
        u"<a href>C</a>");
    EXPECT_EQ(doc.Title, "Диск «Ветер»");
    EXPECT_EQ(doc.BaseHref, "../");
    EXPECT_EQ(doc.BaseTarget, "main");
    ASSERT_EQ(doc.Links.size(), 2u);
    EXPECT_EQ(doc.Links[0].Href, "a.htm");
    EXPECT_EQ(doc.Links[0].Target, "_top");
    EXPECT_EQ(doc.Links[1].Href, "b.htm?x&y");
    EXPECT_EQ(doc.Links[1].Target, "");
    EXPECT_TRUE(doc.Html.contains("<a href='" + LinkToken(0) + "' target=_top>A</a>"));
    EXPECT_TRUE(doc.Html.contains("<A HREF=" + LinkToken(1) + ">B</A>"));
    EXPECT_TRUE(doc.Html.contains("<a name=top>Верх</a>"));
    EXPECT_EQ(LinkIndexOfToken(LinkToken(1)), 1);
    EXPECT_EQ(LinkIndexOfToken(u"b.htm"), std::nullopt);
    EXPECT_EQ(LinkIndexOfToken(u"lorvanta-link:-1"), std::nullopt);
}
