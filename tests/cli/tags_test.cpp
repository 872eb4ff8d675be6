// tags: the ID3v1 fields of a file as JSON.
#include "clifixture.h"

#include "platform/codepage.h"

namespace {

QByteArray Field(const QByteArray &text, int width)
{
    return text.leftJustified(width, '\0', true);
}

// An ID3v1 tag of 128 bytes.
QByteArray Tag(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
               const QByteArray &year, const QByteArray &comment, unsigned char genre)
{
    return "TAG" + Field(title, 30) + Field(artist, 30) + Field(album, 30) + Field(year, 4) +
           Field(comment, 30) + char(genre);
}

QByteArray Line(const char *json)
{
    return QByteArray(json) + '\n';
}

} // namespace

TEST_F(CliTest, TagsGiveTrimmedFieldsInUtf8WithGenreNameAndFileSize)
{
    const QByteArray audio(1000, '\x55');
    Write("t.mp3", audio + Tag(EncodeCp1251(u"Песня"), "Band   ", QByteArray(30, ' '), "1999",
                               "thirty characters of comment!X", 147));
    const CliResult r = Run({"tags", "t.mp3"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, Line(R"({"title":"Песня","artist":"Band","album":"","year":"1999",)"
                          R"("comment":"thirty characters of comment!","genre":"Synthpop","fileSize":1128})"));
}

TEST_F(CliTest, TagsKeepTheGenresTrailingBlankAndLeaveUnknownGenresEmpty)
{
    Write("g22.mp3", Tag("Song", "", "", "", "", 22));
    Write("g255.mp3", Tag("Song", "", "", "", "", 255));
    EXPECT_TRUE(Run({"tags", "g22.mp3"}).out.contains(R"("genre":"Death Metal ")"));
    EXPECT_TRUE(Run({"tags", "g255.mp3"}).out.contains(R"("genre":"","fileSize":128})"));
}

TEST_F(CliTest, FilesWithoutATagOrShorterThanATagGiveEmptyFields)
{
    Write("plain.mp3", QByteArray(500, 'x'));
    Write("short.mp3", "ID3abc");
    Write("empty.mp3", {});
    const char *empty = R"({"title":"","artist":"","album":"","year":"","comment":"","genre":"",)";
    EXPECT_EQ(Run({"tags", "plain.mp3"}).out, Line((QByteArray(empty) + R"("fileSize":500})").constData()));
    EXPECT_EQ(Run({"tags", "short.mp3"}).out, Line((QByteArray(empty) + R"("fileSize":6})").constData()));
    EXPECT_EQ(Run({"tags", "empty.mp3"}).out, Line((QByteArray(empty) + R"("fileSize":0})").constData()));
}

TEST_F(CliTest, DemoDiscSongsCarryTheTagsTheirScriptWrote)
{
    const CliResult r = Run({"tags", QStringLiteral(LORVANTA_DEMO_DIR "/mp3/02-Анна Лесная/2003 - Тихая гавань/01.mp3")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(R"({"title":"Тихая гавань","artist":"Анна Лесная",)"
                                 R"("album":"Тихая гавань","year":"2003","comment":"Моно-запись",)"
                                 R"("genre":"Ballad","fileSize":)"))
        << r.out.toStdString();
}
