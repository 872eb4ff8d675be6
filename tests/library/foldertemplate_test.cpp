#include "library/foldertemplate.h"

#include <gtest/gtest.h>

namespace {

struct TParseCase {
    const char *text;
    TTemplateKind kind;
    QStringList elements;
};

struct TFieldCase {
    const char *templateText; // an album template, but for %I cases
    const char *name;
    char letter;
    const char *expected;
};

QString Field(const TFieldCase &c)
{
    const TTemplateKind kind = c.letter == 'I' ? TTemplateKind::Artist : TTemplateKind::Album;
    const TFolderTemplate elements = ParseFolderTemplate(QString::fromUtf8(c.templateText), kind);
    return ExtractTemplateField(elements, QString::fromUtf8(c.name), QChar(c.letter));
}

// The message of the ETemplateError that call raises; empty when it raises none.
template <class Call> QString TemplateError(Call call)
{
    try {
        call();
    } catch (const ETemplateError &error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST(FolderTemplate, ParsesPlaceholdersAndLiteralRuns)
{
    const TParseCase cases[] = {
        {"", TTemplateKind::Artist, {"%I"}},
        {"", TTemplateKind::Album, {"%Y", " - ", "%A"}},
        {"%N-%A (%Y)", TTemplateKind::Album, {"%N", "-", "%A", " (", "%Y", ")"}},
        {"%n%N%I", TTemplateKind::Artist, {"%n", "%N", "%I"}},
        // Letters are case-sensitive: %i, %a and %y are literal text, as is any other pair.
        {"%i%a%y%x%I", TTemplateKind::Artist, {"%i%a%y%x", "%I"}},
        {"%I%", TTemplateKind::Artist, {"%I", "%"}},
        {"%I%A", TTemplateKind::Artist, {"%I", "%A"}}, // rejected only when matched
        {"100% %A", TTemplateKind::Album, {"100% ", "%A"}},
        // "%%" takes the second "%" as its letter, so the "A" after it is literal text.
        {"%%A %I", TTemplateKind::Artist, {"%%A ", "%I"}},
    };
    for (const TParseCase &c : cases)
        EXPECT_EQ(ParseFolderTemplate(QString::fromUtf8(c.text), c.kind), c.elements) << c.text;
}

TEST(FolderTemplate, TemplatesWithoutPlaceholderAreRejectedByKind)
{
    const QString artist = QStringLiteral("Неверный шаблон папок исполнителей!");
    const QString album = QStringLiteral("Неверный шаблон папок альбомов!");
    for (const char *text : {"abc", "%", "%%A", "%i - %a", "%x"}) {
        EXPECT_EQ(TemplateError([&] { ParseFolderTemplate(text, TTemplateKind::Artist); }), artist)
            << text;
        EXPECT_EQ(TemplateError([&] { ParseFolderTemplate(text, TTemplateKind::Album); }), album)
            << text;
    }
}

TEST(FolderTemplate, WorkedExamplesAndEdgeCases)
{
    const TFieldCase cases[] = {
        // The default templates.
        {"", "Aurora Bell", 'I', "Aurora Bell"},
        {"", "1998 - First Light", 'A', "First Light"},
        {"", "1998 - First Light", 'Y', "1998"},
        {"", "2001 - Tides", 'A', "Tides"},
        // Past the end of "Live" after %Y and the literal: an empty name, no year.
        {"", "Live", 'A', ""},
        {"", "Live", 'Y', "<>"},
        {"", "", 'A', ""},
        {"", "", 'Y', "<>"},
        {"", "2004 - Песни", 'A', "Песни"},
        // The home collection.
        {"%N-%A (%Y)", "03-Blue Hour (2004)", 'A', "Blue Hour"},
        {"%N-%A (%Y)", "03-Blue Hour (2004)", 'Y', "2004"},
        {"%N-%I", "07-Kestrel", 'I', "Kestrel"},
        // Widths are consumed, not compared: %N and "-" take "Ke" and "s".
        {"%N-%I", "Kestrel", 'I', "trel"},
        {"%N-%I", "ab", 'I', ""},
        // No " (" after the number: the name ends where the last try of the literal began.
        {"%N-%A (%Y)", "03-Blue Hour", 'A', "Blue Hou"},
        {"%N-%A (%Y)", "03-Blue Hour", 'Y', "<>"},
        // A window reading zero is passed over; none of the others reads as a number.
        {"", "0000 - Demo", 'Y', "<>"},
        {"", "0000 - Demo", 'A', "Demo"},
        // A template without the placeholder: the whole name, or no year.
        {"%A", "1999 Album", 'A', "1999 Album"},
        {"%A", "1999 Album", 'Y', ""},
        {"%N %A", "01 Album", 'Y', ""},
        {"%N-%I", "07-Kestrel", 'A', "07-Kestrel"},
        // %n takes a run of digits, possibly empty.
        {"%n. %A", "123. Title", 'A', "Title"},
        {"%n. %A", "Title", 'A', "tle"},
        // %Y asked for another letter consumes four characters.
        {"%Y%A", "1999Name", 'A', "Name"},
        // %I not asked for is skipped up to its literal, which is then passed.
        {"%I - %A", "Artist - Album", 'A', "Album"},
        {"%I - %A", "Artist - Album", 'I', "Artist"},
    };
    for (const TFieldCase &c : cases)
        EXPECT_EQ(Field(c), QString::fromUtf8(c.expected))
            << c.templateText << " | " << c.name << " | " << c.letter;
}

TEST(FolderTemplate, YearWindowsConvertLikeTheStandardStringToInteger)
{
    const TFieldCase cases[] = {
        {"%Y", "x$7CF", 'Y', "$7CF"}, // hexadecimal after "$", kept as written
        {"%Y", "x$abc", 'Y', "$abc"},
        {"%Y", "+199x", 'Y', "+199"},
        {"%Y", "  12x", 'Y', "  12"},     // leading blanks
        {"%Y", "12  x", 'Y', "<>"},       // but no trailing ones: "12  ", "2  x", "  x" fail
        {"%Y", "-123 1999 x", 'Y', "<>"}, // a negative window ends the search
        {"%Y", "-$10 1999 x", 'Y', "<>"},
        {"%Y", "0000 2004 x", 'Y', " 200"}, // the first non-zero window wins, blank and all
        {"%Y", "$0001999", 'Y', "0001"},    // "$000" reads zero; "0001" is one
        {"%Y", "$ 12x", 'Y', "<>"},
        {"%Y", "１９９９x", 'Y', "<>"}, // only ASCII digits count
        // The last window of the name is tried too: a name that is only a year gives it.
        {"%Y", "1998", 'Y', "1998"},
        {"%Y", "199", 'Y', "<>"},
        {"%A (%Y)", "Name (1998)", 'Y', "1998"},
        // So is the last place a literal fits.
        {"%A!", "Name!", 'A', "Name"},
    };
    for (const TFieldCase &c : cases)
        EXPECT_EQ(Field(c), QString::fromUtf8(c.expected)) << c.templateText << " | " << c.name;
}

TEST(FolderTemplate, PlaceholdersInARowAndUnknownElementsAreRejectedWhenMatched)
{
    const QString inARow = QStringLiteral("Шаблоны не должны идти подряд!");
    const QString unknown = QStringLiteral("Неизвестный элемент шаблона");
    const TFolderTemplate artistThenAlbum = ParseFolderTemplate("%I%A", TTemplateKind::Artist);
    EXPECT_EQ(TemplateError([&] { ExtractTemplateField(artistThenAlbum, u"x", u'I'); }), inARow);
    EXPECT_EQ(TemplateError([&] { ExtractTemplateField(artistThenAlbum, u"x", u'A'); }), inARow);
    // Checked whichever letter is asked for, as long as the walk reaches it.
    const TFolderTemplate albumThenYear = ParseFolderTemplate("%A%Y", TTemplateKind::Album);
    EXPECT_EQ(TemplateError([&] { ExtractTemplateField(albumThenYear, u"x", u'Y'); }), inARow);
    const TFolderTemplate trailingPercent = ParseFolderTemplate("%I%", TTemplateKind::Artist);
    EXPECT_EQ(TemplateError([&] { ExtractTemplateField(trailingPercent, u"x", u'I'); }), inARow);

    // A literal starting with "%" at an element boundary is an unknown element...
    const TFolderTemplate odd = ParseFolderTemplate("%Y%x%A", TTemplateKind::Album);
    EXPECT_EQ(TemplateError([&] { ExtractTemplateField(odd, u"1999 x", u'A'); }), unknown);
    // ...but only when the walk gets there: the year is decided before it.
    EXPECT_EQ(ExtractTemplateField(odd, u"1999 x", u'Y'), "1999");
}
