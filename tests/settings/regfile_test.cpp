// The REGEDIT4 syntax: what is written reads back unchanged, and lines of other programs'
// exports are kept as they stand.

#include "settings/regfile.h"

#include <gtest/gtest.h>

namespace {

TRegKey Parsed(const QByteArray &bytes)
{
    TRegKey root;
    const TRegParseResult result = ParseRegFile(bytes, root);
    EXPECT_TRUE(result.Ok) << result.ErrorLine << ": " << result.Error.toStdString();
    return root;
}

TRegKey RoundTrip(const TRegKey &root)
{
    return Parsed(FormatRegFile(root));
}

const QStringList MainPath{"Software", "Quillmarsh", "Lorvanta", "2.0"};

} // namespace

TEST(RegFile, WritesTheExportSyntax)
{
    TRegKey root;
    TRegKey &key = root.Make(MainPath);
    key.SetValue("Songs list width", TRegValue::OfInteger(217));
    key.SetValue("CaptionFormat", TRegValue::OfText("%T (%M): %I - %S [%L]"));
    EXPECT_EQ(FormatRegFile(root),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0]\n"
              "\"Songs list width\"=dword:000000d9\n"
              "\"CaptionFormat\"=\"%T (%M): %I - %S [%L]\"\n\n");
}

TEST(RegFile, TextsWithEscapesCyrillicAndLineBreaksRoundTrip)
{
    const QStringList texts{"C:\\Music\\\"Best\"\\", "воспроизведение", "two\nlines\r\n",
                            "tab\there", QString("nul") + QChar(0) + "bell" + QChar(7),
                            "\\n is not a line break", "\\x41", ""};
    TRegKey root;
    TRegKey &key = root.Make(MainPath);
    for (int i = 0; i < texts.size(); ++i)
        key.SetValue(QString("name \"%1\" \\ ключ").arg(i), TRegValue::OfText(texts[i]));

    const QByteArray file = FormatRegFile(root);
    EXPECT_EQ(file.count('\n'), 4 + texts.size()) << "a text must never break a line";
    const TRegKey read = RoundTrip(root);
    const TRegKey *readKey = read.Find(MainPath);
    ASSERT_TRUE(readKey);
    ASSERT_EQ(readKey->ValueCount(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(readKey->ValueName(i), QString("name \"%1\" \\ ключ").arg(i));
        EXPECT_EQ(readKey->ValueAt(i), TRegValue::OfText(texts[i])) << i;
    }
}

TEST(RegFile, IntegersKeepAllThirtyTwoBits)
{
    TRegKey root;
    TRegKey &key = root.Make(MainPath);
    for (const qint32 n : {0, 1, -1, 9, 2147483647, -2147483647 - 1})
        key.SetValue(QString::number(n), TRegValue::OfInteger(n));
    const TRegKey read = RoundTrip(root);
    for (const qint32 n : {0, 1, -1, 9, 2147483647, -2147483647 - 1})
        EXPECT_EQ(*read.Find(MainPath)->Value(QString::number(n)), TRegValue::OfInteger(n));
    EXPECT_TRUE(FormatRegFile(root).contains("\"-1\"=dword:ffffffff\n"));
}

TEST(RegFile, EmptyKeysSurviveAndParentsAreImplied)
{
    TRegKey root;
    root.Make(MainPath).AddSubKey("Rock");
    root.Make(MainPath).SetValue("PlayOnRun", TRegValue::OfInteger(1));
    const QByteArray file = FormatRegFile(root);
    EXPECT_FALSE(file.contains("[HKEY_CURRENT_USER\\Software]"));
    EXPECT_TRUE(file.contains("[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0\\Rock]\n"));
    const TRegKey read = RoundTrip(root);
    EXPECT_TRUE(read.Find(MainPath + QStringList{"Rock"}));
}

TEST(RegFile, ReadsWindowsLineEndsCommentsAndLooseCase)
{
    const TRegKey root = Parsed("\xEF\xBB\xBFREGEDIT4\r\n\r\n; written by hand\r\n"
                                "[hkey_current_user\\SOFTWARE\\quillmarsh\\Lorvanta\\2.0] \t\r\n"
                                "\"Priority\"=DWORD:0000000A\r\n\"A\"=dword:7\r\n"
                                "\"LastList\"=\"/media/cd/Rock.pl\"\r\n");
    const TRegKey *key = root.Find(MainPath);
    ASSERT_TRUE(key);
    EXPECT_EQ(*key->Value("PRIORITY"), TRegValue::OfInteger(10));
    EXPECT_EQ(*key->Value("a"), TRegValue::OfInteger(7));
    EXPECT_EQ(key->Value("lastlist")->Text, "/media/cd/Rock.pl");
    EXPECT_EQ(root.SubKeyNames(), QStringList{"SOFTWARE"}) << "the case first written is kept";
}

TEST(RegFile, LaterValueOfTheSameNameWins)
{
    const TRegKey root = Parsed("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=dword:1\n\"V\"=\"text\"\n");
    EXPECT_EQ(*root.Find({"k"})->Value("v"), TRegValue::OfText("text"));
    EXPECT_EQ(root.Find({"k"})->ValueNames(), QStringList{"v"});
}

TEST(RegFile, OnlyAMissingHeaderMakesTheFileUnreadable)
{
    for (const QByteArray &bytes : {QByteArray(""), QByteArray("REGEDIT5\n"),
                                    QByteArray("Windows Registry Editor Version 5.00\n")}) {
        TRegKey root;
        const TRegParseResult result = ParseRegFile(bytes, root);
        EXPECT_FALSE(result.Ok) << bytes.toStdString();
        EXPECT_EQ(result.ErrorLine, 1) << bytes.toStdString();
    }
}

// What other programs' exports hold, or damage by hand, is kept as it stands and the rest read.
TEST(RegFile, LinesItDoesNotUnderstandAreKeptInTheirSection)
{
    const QStringList foreign{
        "\"v\"=dword:123456789", "\"v\"=dword:-1", "\"v\"=dword:0x10", "\"bin\"=hex:01,02",
        "\"open\"=\"open", "\"q\"=\"a\"b\"", "\"path\"=\"C:\\Music\"", "\"v\"", "@=\"default\"",
        "\"gone\"=-", "v=dword:1", "; a comment", QString("\"c\"=\"\x01\"")};
    const QByteArray file = "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"kept\"=dword:00000007\n" +
                            foreign.join('\n').toUtf8() + "\n\"after\"=\"x\"\n";
    const TRegKey root = Parsed(file);
    const TRegKey *key = root.Find({"K"});
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ValueNames(), QStringList({"kept", "after"}));
    EXPECT_EQ(key->ForeignLines(), foreign);
    const QByteArray written = FormatRegFile(root);
    for (const QString &line : foreign)
        EXPECT_TRUE(written.contains(line.toUtf8() + '\n')) << line.toStdString();
    EXPECT_EQ(FormatRegFile(RoundTrip(root)), written);
}

TEST(RegFile, ForeignSectionsAndLinesBeforeTheFirstSectionSurvive)
{
    const QByteArray file = "REGEDIT4\n\"loose\"=dword:1\n\n"
                            "[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"x\"=dword:00000002\n\n"
                            "[-HKEY_CURRENT_USER\\Old]\n\n"
                            "[HKEY_CURRENT_USER\\K]\n\"v\"=dword:00000001\n\n"
                            "[HKEY_CURRENT_USER\\\\Empty name]\n\"y\"=\"z\"\n";
    const TRegKey root = Parsed(file);
    EXPECT_EQ(root.Preamble, QStringList{"\"loose\"=dword:1"});
    EXPECT_EQ(root.ForeignSections,
              QStringList({"[HKEY_LOCAL_MACHINE\\Software\\Other]", "\"x\"=dword:00000002",
                           "[-HKEY_CURRENT_USER\\Old]", "[HKEY_CURRENT_USER\\\\Empty name]", "\"y\"=\"z\""}));
    EXPECT_EQ(root.SubKeyNames(), QStringList{"K"}) << "nothing foreign became a key of ours";
    EXPECT_EQ(FormatRegFile(RoundTrip(root)), FormatRegFile(root));
}

TEST(RegFile, ABinaryValueLineWithContinuationsStaysTogetherAndGivesWayToANewValue)
{
    TRegKey root = Parsed("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"Blob\"=hex:01,02,\\\n  03,04\n"
                          "\"Other\"=hex:05\n");
    TRegKey &key = *root.Find({"K"});
    EXPECT_EQ(key.ForeignLines(), QStringList({"\"Blob\"=hex:01,02,\\\n  03,04", "\"Other\"=hex:05"}));
    key.SetValue("BLOB", TRegValue::OfInteger(1));
    EXPECT_EQ(key.ForeignLines(), QStringList{"\"Other\"=hex:05"}) << "the old form goes whole";
}

TEST(RegFile, RefusesInvalidUtf8AndOversizedInput)
{
    TRegKey root;
    EXPECT_FALSE(ParseRegFile("REGEDIT4\n[HKEY_CURRENT_USER\\\xC0\xFF]\n", root).Ok);
    QByteArray big = "REGEDIT4\n;";
    big.append(MaxRegFileSize, 'x');
    EXPECT_FALSE(ParseRegFile(big, root).Ok);
}

TEST(RegFile, KeyPathsHavePrintableNamesAndALimitedDepth)
{
    EXPECT_TRUE(IsValidKeyPath({"Software", "Rock [2001] \"Best\""}));
    EXPECT_TRUE(IsValidKeyPath({}));
    EXPECT_FALSE(IsValidKeyPath({"Software", ""}));
    EXPECT_FALSE(IsValidKeyPath({"a\\b"}));
    EXPECT_FALSE(IsValidKeyPath({"a\nb"}));
    EXPECT_TRUE(IsValidKeyPath(QStringList(MaxKeyDepth, "k")));
    EXPECT_FALSE(IsValidKeyPath(QStringList(MaxKeyDepth + 1, "k")));

    const QByteArray deep = "REGEDIT4\n[HKEY_CURRENT_USER" + QByteArray("\\k").repeated(1000000) + "]\n";
    EXPECT_TRUE(Parsed(deep).SubKeyNames().isEmpty()) << "a foreign section, not a million keys";
}
